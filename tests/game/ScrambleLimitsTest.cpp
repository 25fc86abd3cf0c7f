#include "game/myGameFrame.h"

#include <gtest/gtest.h>

TEST(ScrambleLimitsTest, ALargestSizeBelowTwoIsRefusedAndChangesNothing) {
    myGameFrame frame("scramble", "ScrambleLimitsTest");
    Twistblock cube;
    cube.init(3);
    Array<History> history(myGameFrame::kHistoryLength);
    for (int maxSize : {1, 0, -4}) {
        EXPECT_THROW(frame.scramble(cube, maxSize, history), AssertionError) << maxSize;
        EXPECT_EQ(cube.getSize(), 3);
        EXPECT_EQ(history[0].dir, 0);
    }
}
