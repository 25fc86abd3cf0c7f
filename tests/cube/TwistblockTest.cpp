#include "CubeTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

// One quarter turn of each axis, and the arguments that mean the same or nothing: where the
// block from one home cell goes and the orientation it takes (X and Z turn clockwise seen
// from their positive end, Y counter-clockwise).
TEST(TwistblockTest, TurnsMoveBlocksTheirWay) {
    const double c = std::cos(M_PI / 4), s = std::sin(M_PI / 4);
    struct Case {
        int n, axis, layer, dir, result;
        int home[3], cell[3];
        Quaternion rot;
    };
    const Case cases[] = {
        {2, 0, 0, 1, 0, {0, 0, 0}, {0, 0, 1}, {c, -s, 0, 0}},
        {2, 1, 0, 1, 0, {1, 0, 0}, {0, 0, 0}, {c, 0, s, 0}},
        {2, 2, 0, 1, 0, {0, 0, 0}, {0, 1, 0}, {c, 0, 0, -s}},
        {2, 2, 1, 1, 0, {0, 0, 0}, {0, 0, 0}, {}},  // another layer
        {2, 0, 0, 5, 0, {0, 0, 0}, {0, 0, 1}, {c, -s, 0, 0}},  // taken modulo 4
        {2, 0, 0, 3, 0, {0, 0, 0}, {0, 1, 0}, {c, s, 0, 0}},
        {2, 1, 1, 2, 0, {0, 1, 0}, {1, 1, 1}, {0, 0, 1, 0}},
        {3, 1, 1, 1, 0, {1, 1, 1}, {1, 1, 1}, {c, 0, s, 0}},  // the centre turns in place
        {3, 0, 1, 4, 0, {0, 1, 2}, {0, 1, 2}, {}},
        {3, 0, 1, -1, 0, {0, 1, 2}, {0, 1, 2}, {}},
        {3, 3, 0, 1, -1, {0, 0, 0}, {0, 0, 0}, {}},
        {3, 0, 3, 1, -1, {2, 0, 0}, {2, 0, 0}, {}},
        {3, 1, -1, 1, -1, {0, 0, 0}, {0, 0, 0}, {}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(testing::Message() << "n=" << t.n << " axis=" << t.axis << " layer=" << t.layer << " dir=" << t.dir);
        InspectableCube cube;
        ASSERT_EQ(cube.init(t.n), 0);
        EXPECT_EQ(cube.rotate(t.axis, t.layer, t.dir), t.result);
        const Block& b = cube.at(t.cell[0], t.cell[1], t.cell[2]);
        EXPECT_EQ(std::tie(b.x, b.y, b.z), std::tie(t.home[0], t.home[1], t.home[2]));
        EXPECT_TRUE(sameRotation(b.rot, t.rot));
        expectOrientationsMatchCells(cube);
    }
}

// Random turns of every size: the invariant holds after every move, the last frame of a
// turn's animation is the committed state, and the inverse turns solve the cube again.
TEST(TwistblockTest, RandomTurnsKeepTheInvariantAndUnwind) {
    std::mt19937 random(12345);
    for (int n = 2; n <= 6; ++n) {
        SCOPED_TRACE(n);
        InspectableCube cube;
        cube.init(n);
        std::vector<std::tuple<int, int, int>> moves;
        for (int i = 0; i < 40; ++i) {
            const int axis = random() % 3, layer = random() % n, dir = 1 + random() % 3;
            const Array<Anim> animationEnd = cube.getAnim(axis, layer, dir, 0.2, 1.0);
            ASSERT_EQ(cube.rotate(axis, layer, dir), 0);
            moves.emplace_back(axis, layer, dir);
            expectOrientationsMatchCells(cube);
            expectSamePoses(animationEnd, cube.getAnim(axis, layer, dir, 0.2, 0.0));
        }
        for (auto it = moves.rbegin(); it != moves.rend(); ++it)
            cube.rotate(std::get<0>(*it), std::get<1>(*it), 4 - std::get<2>(*it));
        for (int z = 0; z < n; ++z)
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    const Block& b = cube.at(x, y, z);
                    ASSERT_EQ(std::tie(b.x, b.y, b.z), std::tie(x, y, z));
                    ASSERT_TRUE(sameRotation(b.rot, Quaternion()));
                }
    }
}

TEST(TwistblockTest, BadSizesAndCellsAreRefused) {
    InspectableCube cube;
    EXPECT_EQ(cube.rotate(0, 0, 1), -1);  // no cube yet
    EXPECT_TRUE(cube.getAnim(0, 0, 1, 0.2, 0.5).empty());
    ASSERT_EQ(cube.init(3), 0);
    cube.rotate(1, 2, 1);
    const Block moved = cube.at(0, 2, 0);
    EXPECT_EQ(cube.init(1), -1);  // the previous cube is kept
    EXPECT_EQ(cube.getSize(), 3);
    EXPECT_EQ(cube.at(0, 2, 0).x, moved.x);
    EXPECT_EQ(cube.at(0, 2, 0).z, moved.z);
    // x = 3 would alias the next row's first cell.
    for (const auto& [x, y, z] : {std::tuple{3, 1, 1}, {0, -1, 0}, {0, 0, 3}})
        EXPECT_THROW(cube.getRotation(x, y, z), IndexError);
}
