#include "game/myGameFrame.h"
#include "math/mt19937ar.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

// Round after round from the demo's seed: the same sizes and turns as the reference
// generator drawn in the controller's order, and every size met. (That the history solves
// the scrambled cube shows in the solved cube of the exact picture test's frame 2100.)
TEST(myGameFrameTest, TheDemosSeedScramblesWithTheReferenceTurns) {
    myGameFrame frame("scramble", "ScrambleTest");
    init_genrand(7777777);
    std::mt19937 reference(7777777u);
    auto draw = [&] { return static_cast<int>(reference() >> 1); };
    bool seen[7] = {};
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        Twistblock cube;
        Array<History> history(myGameFrame::kHistoryLength);
        ASSERT_EQ(frame.scramble(cube, 6, history), 0);
        const int size = draw() % 5 + 2;
        ASSERT_EQ(cube.getSize(), size);
        seen[size] = true;
        for (int i = myGameFrame::kHistoryLength - 1; i >= 0; --i) {
            const int axis = draw() % 3, layer = draw() % size, dir = draw() % 3 + 1;
            ASSERT_EQ(std::tuple(history[i].axis, history[i].layer, history[i].dir), std::tuple(axis, layer, 4 - dir)) << i;
        }
    }
    for (int n = 2; n <= 6; ++n) EXPECT_TRUE(seen[n]) << n;
}

TEST(myGameFrameTest, AScrambleWithALargestSizeBelowTwoIsRefusedAndChangesNothing) {
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
