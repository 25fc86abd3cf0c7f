#pragma once
// Array<T>: the growable array every subsystem uses (length plus elements, resized on
// demand). Like std::vector, but every subscript is checked: an index outside
// 0..size()-1 raises IndexError naming the file and line of the subscript.

#include "base/Error.h"

#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <source_location>
#include <string>
#include <vector>

// An index that remembers where it was written, so that a bad subscript names its caller.
struct CheckedIndex {
    template <std::integral I>
    CheckedIndex(I i, const std::source_location& where = std::source_location::current())
        : value(static_cast<long long>(i)), where(where) {}
    long long value;
    std::source_location where;
};

template <typename T>
class Array {
public:
    Array() = default;
    explicit Array(std::size_t count) : items(count) {}
    Array(std::size_t count, const T& value) : items(count, value) {}
    Array(std::initializer_list<T> values) : items(values) {}

    std::size_t size() const { return items.size(); }
    bool empty() const { return items.empty(); }
    void resize(std::size_t count) { items.resize(count); }
    void resize(std::size_t count, const T& value) { items.resize(count, value); }
    void reserve(std::size_t count) { items.reserve(count); }
    std::size_t capacity() const { return items.capacity(); }
    void clear() { items.clear(); }
    void push_back(const T& value) { items.push_back(value); }
    void push_back(T&& value) { items.push_back(std::move(value)); }
    template <typename... Args>
    T& emplace_back(Args&&... args) { return items.emplace_back(std::forward<Args>(args)...); }
    // Removes one element; later elements move down by one.
    void erase(CheckedIndex index) { items.erase(items.begin() + static_cast<std::ptrdiff_t>(check(index))); }
    // Gives the storage back: size and capacity 0.
    void release() { std::vector<T>().swap(items); }
    // Cuts the capacity to the size.
    void shrink_to_fit() { items.shrink_to_fit(); }

    T& operator[](CheckedIndex index) { return items[check(index)]; }
    const T& operator[](CheckedIndex index) const { return items[check(index)]; }

    T* data() { return items.data(); }
    const T* data() const { return items.data(); }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

    bool operator==(const Array&) const = default;

private:
    std::size_t check(const CheckedIndex& index) const {
        if (index.value < 0 || static_cast<unsigned long long>(index.value) >= items.size()) [[unlikely]]
            throw IndexError("index " + std::to_string(index.value) + " outside an array of " +
                                 std::to_string(items.size()),
                             index.where);
        return static_cast<std::size_t>(index.value);
    }

    std::vector<T> items;
};
