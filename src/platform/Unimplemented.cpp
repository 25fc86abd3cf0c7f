#include "platform/Unimplemented.h"

#include <cstdio>
#include <cstdlib>

void failUnimplemented(const char* name) {
    std::fprintf(stderr, "platform: %s is not implemented\n", name);
    std::fflush(stderr);
    std::abort();
}
