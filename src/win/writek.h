#pragma once
// writek: the trace facility of the window framework and the GL loader. Traces are
// printf-style lines that are discarded, unless the build sets TWISTBLOCKS_TRACE (then
// they go to standard error) or a sink is installed (tests read them that way).

#include <functional>
#include <string>

void writek(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Receives every formatted trace line until replaced; an empty sink discards them again.
using WritekSink = std::function<void(const std::string& line)>;
void setWritekSink(WritekSink sink);
