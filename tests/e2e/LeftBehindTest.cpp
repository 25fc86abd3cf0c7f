// The demo leaves nothing behind in the layer once its window has closed: the timer period is
// restored, the GL context deleted, the DC released, the loop thread's handle closed and the
// window gone.

#include <gtest/gtest.h>

#include <filesystem>

#include "Harness.h"
#include "app/TwistblocksDemo.h"

namespace {

TEST(LeftBehind, ClosingTheDemoReleasesEverythingItTookFromTheLayer) {
    std::filesystem::current_path(TWISTBLOCKS_DATA_DIR);
    Harness::forceHeadless();
    Harness::useVirtualClock(true);
    const Harness::Holdings before = Harness::holdings();
    Harness::closeAfterFrames(3);
    EXPECT_EQ(runTwistblocksDemo(), 0);
    Harness::useVirtualClock(false);
    const Harness::Holdings after = Harness::holdings();
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.threadHandles, before.threadHandles);
    EXPECT_EQ(after.dcsTaken, before.dcsTaken);
    EXPECT_EQ(after.glContexts, before.glContexts);
    EXPECT_EQ(after.timerPeriods, before.timerPeriods);
}

}  // namespace
