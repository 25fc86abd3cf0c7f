#include "base/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace {
WritekSink sink;
}

void setWritekSink(WritekSink newSink) { sink = std::move(newSink); }

void writek(const char* format, ...) {
#ifndef TWISTBLOCKS_TRACE
    if (!sink) return;  // the usual case: traces are discarded without formatting
#endif
    va_list args;
    va_start(args, format);
    char line[512];
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
#ifdef TWISTBLOCKS_TRACE
    std::fputs(line, stderr);
#endif
    if (sink) sink(line);
}
