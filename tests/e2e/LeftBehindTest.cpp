// The demo leaves nothing behind in the layer once its window has closed: the timer period is
// restored, the GL context deleted, the DC released, the loop thread's handle closed and the
// window gone.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "Harness.h"
#include "app/TwistblocksDemo.h"

TEST(LeftBehind, ClosingTheDemoReleasesEverythingItTookFromTheLayer) {
    std::filesystem::current_path(TWISTBLOCKS_DATA_DIR);
    Harness::forceHeadless();
    Harness::useVirtualClock(true);
    const Harness::Holdings before = Harness::holdings();
    Harness::closeAfterFrames(3);
    EXPECT_EQ(runTwistblocksDemo(), 0);
    Harness::useVirtualClock(false);
    const Harness::Holdings after = Harness::holdings();
    // windows, thread handles, DCs taken, GL contexts, timer periods
    const auto counts = [](const Harness::Holdings& h) {
        return std::vector{h.windows, h.threadHandles, h.dcsTaken, h.glContexts, h.timerPeriods};
    };
    EXPECT_EQ(counts(after), counts(before));
}
