#pragma once
// SpriteLists: the 2D and 3D sprites of the current frame and the one lock that guards them
// (and, held by Sprite, its pattern entries). Sized once by reset; a placement allocates
// nothing and holds the lock for its few stores.

#include "base/Array.h"

#include <cstdint>
#include <mutex>
#include <span>

// How a sprite is blended. Only zero is told apart: every non-zero value acts as BLEND_ADD.
// 2D: NORMAL blends with alpha and one minus alpha, ADD with alpha and one (additive).
// 3D: NORMAL draws opaque (blending off), ADD additive.
enum BLEND_TYPE : int32_t {
    BLEND_NORMAL = 0,
    BLEND_ADD = 1,
};

// One 2D sprite of the current frame: pattern pcg centred on design pixel (x, y).
struct SP2D {
    int32_t pcg = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t alpha = 0;    // 0 to 255, drawn as alpha / 255
    double angle = 0;     // degrees, counter-clockwise on screen
    double scaleX = 0;    // factors on the pattern's width and height
    double scaleY = 0;
    BLEND_TYPE blend = BLEND_NORMAL;
};

// One 3D sprite of the current frame: model pcg, translated, rotated, then scaled about the
// model's origin.
struct SP3D {
    int32_t pcg = 0;
    BLEND_TYPE blend = BLEND_NORMAL;
    double x = 0;  // world units
    double y = 0;
    double z = 0;
    double axisX = 0;  // rotation axis, any length
    double axisY = 0;
    double axisZ = 0;
    double angle = 0;  // degrees about the axis
    double scaleX = 0;
    double scaleY = 0;
    double scaleZ = 0;
};

// One list: the slots used so far within the capacity reserved.
template <typename T>
class SpriteList {
public:
    // Empty, with room reserved for capacity sprites.
    void reset(int32_t capacity) {
        slots.release();
        slots.reserve(static_cast<std::size_t>(capacity));
        this->capacity = capacity;
        count = 0;
    }
    // The new sprite's index, or -1 (nothing stored) when full.
    int32_t add(const T& sprite) {
        if (count >= capacity) return -1;
        if (static_cast<std::size_t>(count) == slots.size()) slots.emplace_back();  // within the reserve
        slots[count] = sprite;
        return count++;
    }
    void clear() { count = 0; }
    int32_t size() const { return count; }
    std::span<const T> items() const { return {slots.data(), static_cast<std::size_t>(count)}; }

private:
    Array<T> slots;
    int32_t capacity = 0;
    int32_t count = 0;
};

class SpriteLists {
public:
    void reset(int32_t capacity2D, int32_t capacity3D);
    void clear();
    int32_t add(const SP2D& sprite);
    int32_t add(const SP3D& sprite);
    int32_t count2D();
    int32_t count3D();
    // The lock, for reading the lists (and for the owner's pattern entries).
    [[nodiscard]] std::unique_lock<std::mutex> hold() { return std::unique_lock(lock); }
    // The sprites placed so far; read under hold().
    std::span<const SP2D> sprites2D() const { return list2D.items(); }
    std::span<const SP3D> sprites3D() const { return list3D.items(); }

private:
    std::mutex lock;
    SpriteList<SP2D> list2D;
    SpriteList<SP3D> list3D;
};
