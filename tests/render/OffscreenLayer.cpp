// The layer renders the render tests offscreen even where a display exists, before the first
// test window is made.
#include <Harness.h>

[[maybe_unused]] static const bool offscreen = Harness::forceHeadless();
