#pragma once
// The tracer `writek`: printf-style trace lines of the window framework and the GL loader.
// They are discarded, unless the build sets TWISTBLOCKS_TRACE (then they go to standard
// error) or a sink is installed (setWritekSink) to receive them. Plain C++: no window, no GL.

#include <cstdint>
#include <functional>
#include <string>

void writek(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// A handle's value for trace lines ("%08llx"): the handle's full width, not 32 bits of it.
inline unsigned long long traceHandle(const void* handle) {
    return static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(handle));
}

// Receives every formatted trace line until replaced; an empty sink discards them again.
using WritekSink = std::function<void(const std::string& line)>;
void setWritekSink(WritekSink sink);
