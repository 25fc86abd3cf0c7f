#pragma once
// The system's error types. `Error` is the base failure type that the loop thread
// catches at its top; programming errors (an index outside an array, a failed
// assertion) derive from it and name the source file and line where they happened.

#include <exception>
#include <source_location>
#include <string>

class Error : public std::exception {
public:
    explicit Error(std::string message) : message(std::move(message)) {}
    const char* what() const noexcept override { return message.c_str(); }

private:
    std::string message;
};

// A programming error: the message names the file and line that broke the rule.
class ProgramError : public Error {
public:
    ProgramError(const std::string& what, const std::source_location& where)
        : Error(describe(what, where)) {}

private:
    static std::string describe(const std::string& what, const std::source_location& where);
};

// An index outside a growable array.
class IndexError : public ProgramError {
public:
    using ProgramError::ProgramError;
};

// A failed checkThat (see below).
class AssertionError : public ProgramError {
public:
    using ProgramError::ProgramError;
};

// Checks a condition that only a programming error can break; raises AssertionError
// naming the caller's file and line.
inline void checkThat(bool condition, const char* what,
                      const std::source_location& where = std::source_location::current()) {
    if (!condition) throw AssertionError(std::string("assertion failed: ") + what, where);
}
