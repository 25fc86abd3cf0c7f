#include "game/myGameFrame.h"
#include "math/mt19937ar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

TEST(ScrambleTest, TheDemosSeedGivesTheSameCubeAndTurnsAsTheReferenceGenerator) {
    myGameFrame frame("scramble", "ScrambleTest");
    init_genrand(7777777);
    Twistblock cube;
    Array<History> history(myGameFrame::kHistoryLength);
    ASSERT_EQ(frame.scramble(cube, 6, history), 0);

    // The same draws from the standard library's MT19937, in the controller's order.
    std::mt19937 reference(7777777u);
    auto draw = [&] { return static_cast<int>(reference() >> 1); };
    const int size = draw() % 5 + 2;
    EXPECT_EQ(cube.getSize(), size);
    for (int i = myGameFrame::kHistoryLength - 1; i >= 0; --i) {
        const int axis = draw() % 3, layer = draw() % size, dir = draw() % 3 + 1;
        EXPECT_EQ(history[i].axis, axis) << i;
        EXPECT_EQ(history[i].layer, layer) << i;
        EXPECT_EQ(history[i].dir, 4 - dir) << i;
    }
    EXPECT_FALSE(solved(cube));
    replay(cube, history);
    EXPECT_TRUE(solved(cube));
}

TEST(ScrambleTest, ReplayingTheHistorySolvesEverySize) {
    myGameFrame frame("scramble", "ScrambleTest");
    init_genrand(7777777);
    bool seen[7] = {};
    for (int round = 0; round < 60; ++round) {
        Twistblock cube;
        Array<History> history(myGameFrame::kHistoryLength);
        frame.scramble(cube, 6, history);
        const int n = cube.getSize();
        ASSERT_GE(n, 2);
        ASSERT_LE(n, 6);
        seen[n] = true;
        for (const History& move : history) {
            ASSERT_GE(move.layer, 0);
            ASSERT_LT(move.layer, n);
            ASSERT_GE(move.dir, 1);
            ASSERT_LE(move.dir, 3);
        }
        replay(cube, history);
        ASSERT_TRUE(solved(cube)) << "size " << n << ", round " << round;
    }
    for (int n = 2; n <= 6; ++n) EXPECT_TRUE(seen[n]) << n;
}

TEST(ScrambleTest, AnEmptyHistoryOnlyRebuildsTheCube) {
    myGameFrame frame("scramble", "ScrambleTest");
    init_genrand(1u);
    std::mt19937 reference(1u);
    Twistblock cube;
    cube.init(3);
    cube.rotate(0, 0, 1);
    Array<History> none;
    EXPECT_EQ(frame.scramble(cube, 6, none), 0);
    EXPECT_EQ(cube.getSize(), static_cast<int>((reference() >> 1) % 5 + 2));
    EXPECT_TRUE(solved(cube));
    // Exactly one draw was taken.
    EXPECT_EQ(genrand_int32(), static_cast<uint32_t>(reference()));
}
