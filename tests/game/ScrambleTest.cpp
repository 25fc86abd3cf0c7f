#include "game/myGameFrame.h"
#include "math/mt19937ar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

namespace {

// A cube is solved when every orientation is ±identity: turns keep each block's orientation
// tied to its cell (its home offset, rotated, is its cell's offset), so an unturned block
// is a block at home.
bool solved(Twistblock& cube) {
    const int n = cube.getSize();
    for (int z = 0; z < n; ++z)
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const Quaternion q = cube.getRotation(x, y, z);
                if (std::fabs(std::fabs(q.w) - 1.0) > 1e-9) return false;
            }
    return true;
}

void replay(Twistblock& cube, const Array<History>& history) {
    for (const History& move : history) ASSERT_EQ(cube.rotate(move.axis, move.layer, move.dir), 0);
}

}  // namespace

// Round after round from the demo's seed: the same sizes and turns as the reference
// generator drawn in the controller's order, every size met, and the history solves the cube.
TEST(ScrambleTest, TheDemosSeedGivesTheReferenceTurnsAndTheHistorySolves) {
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
        EXPECT_FALSE(solved(cube));
        replay(cube, history);
        ASSERT_TRUE(solved(cube));
    }
    for (int n = 2; n <= 6; ++n) EXPECT_TRUE(seen[n]) << n;
}
