#include "CubeTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

namespace {

struct Snapshot {
    std::vector<Block> cells;
};

Snapshot snapshot(InspectableCube& cube) {
    Snapshot s;
    const int n = cube.getSize();
    for (int z = 0; z < n; ++z)
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) s.cells.push_back(cube.at(x, y, z));
    return s;
}

void expectSame(const Snapshot& a, const Snapshot& b, bool allowNegated = false) {
    ASSERT_EQ(a.cells.size(), b.cells.size());
    for (std::size_t i = 0; i < a.cells.size(); ++i) {
        const Block &p = a.cells[i], &q = b.cells[i];
        ASSERT_EQ(std::tie(p.x, p.y, p.z), std::tie(q.x, q.y, q.z)) << "cell " << i;
        if (allowNegated)
            ASSERT_TRUE(sameRotation(p.rot, q.rot)) << "cell " << i;
        else
            ASSERT_TRUE(p.rot.w == q.rot.w && p.rot.x == q.rot.x && p.rot.y == q.rot.y && p.rot.z == q.rot.z)
                << "cell " << i;
    }
}

}  // namespace

TEST(TwistblockTest, InitBuildsASolvedCubeAndRefusesSmallSizes) {
    InspectableCube cube;
    EXPECT_EQ(cube.getSize(), 0);
    // Before a successful init no layer is in range.
    EXPECT_EQ(cube.rotate(0, 0, 1), -1);
    EXPECT_EQ(cube.rotateY(0, 1), -1);
    EXPECT_TRUE(cube.getAnim(0, 0, 1, 0.2, 0.5).empty());

    ASSERT_EQ(cube.init(3), 0);
    EXPECT_EQ(cube.getSize(), 3);
    for (int z = 0; z < 3; ++z)
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                const Quaternion q = cube.getRotation(x, y, z);
                EXPECT_EQ(std::tie(q.w, q.x, q.y, q.z), std::tuple(1.0, 0.0, 0.0, 0.0));
                const Block& b = cube.at(x, y, z);
                EXPECT_EQ(std::tie(b.x, b.y, b.z), std::tie(x, y, z));
            }

    cube.rotate(1, 2, 1);
    const Snapshot turned = snapshot(cube);
    for (int bad : {1, 0, -3}) {
        EXPECT_EQ(cube.init(bad), -1);
        EXPECT_EQ(cube.getSize(), 3);
        expectSame(snapshot(cube), turned);
    }
    // init again goes back to the solved state.
    ASSERT_EQ(cube.init(3), 0);
    expectOrientationsMatchCells(cube);
    EXPECT_EQ(cube.at(2, 2, 0).x, 2);
}

TEST(TwistblockTest, RejectedTurnsChangeNothing) {
    InspectableCube cube;
    cube.init(3);
    cube.rotate(2, 1, 1);
    const Snapshot before = snapshot(cube);
    for (const auto& [axis, layer] : {std::pair{3, 0}, {-1, 0}, {0, 3}, {0, -1}, {1, 3}, {2, -1}})
        EXPECT_EQ(cube.rotate(axis, layer, 1), -1) << axis << "/" << layer;
    for (int dir : {0, 4, 8, -1, -2, -3, -5}) EXPECT_EQ(cube.rotate(0, 1, dir), 0) << dir;
    expectSame(snapshot(cube), before);
}

TEST(TwistblockTest, DirTakenModuloFour) {
    for (int axis = 0; axis < 3; ++axis)
        for (int dir = 1; dir <= 3; ++dir) {
            InspectableCube plain, wrapped;
            plain.init(3);
            wrapped.init(3);
            plain.rotate(axis, 0, dir);
            wrapped.rotate(axis, 0, dir + 4);
            expectSame(snapshot(wrapped), snapshot(plain));
        }
}

TEST(TwistblockTest, QuarterTurnOfXLayerOnATwoCube) {
    InspectableCube cube;
    cube.init(2);
    ASSERT_EQ(cube.rotateX(0, 1), 0);
    // (0,0,0) -> (0,0,1), (0,0,1) -> (0,1,1), (0,1,1) -> (0,1,0), (0,1,0) -> (0,0,0)
    const int moves[4][6] = {{0, 0, 0, 0, 0, 1}, {0, 0, 1, 0, 1, 1}, {0, 1, 1, 0, 1, 0}, {0, 1, 0, 0, 0, 0}};
    const double c = std::cos(M_PI / 4), s = std::sin(M_PI / 4);
    for (const auto& m : moves) {
        const Block& b = cube.at(m[3], m[4], m[5]);
        EXPECT_EQ(std::tie(b.x, b.y, b.z), std::tie(m[0], m[1], m[2]));
        EXPECT_NEAR(b.rot.w, c, 1e-15);
        EXPECT_NEAR(b.rot.x, -s, 1e-15);
        EXPECT_EQ(b.rot.y, 0.0);
        EXPECT_EQ(b.rot.z, 0.0);
    }
    // The other layer did not move.
    EXPECT_EQ(cube.at(1, 0, 1).z, 1);
    EXPECT_EQ(cube.at(1, 0, 1).rot.w, 1.0);
}

TEST(TwistblockTest, MiddleLayerCentreTurnsInPlace) {
    for (int axis = 0; axis < 3; ++axis) {
        InspectableCube cube;
        cube.init(3);
        cube.rotate(axis, 1, 1);
        const Block& centre = cube.at(1, 1, 1);
        EXPECT_EQ(std::tie(centre.x, centre.y, centre.z), std::tuple(1, 1, 1));
        EXPECT_NEAR(std::fabs(centre.rot.w), std::cos(M_PI / 4), 1e-15);
        expectOrientationsMatchCells(cube);
    }
}

TEST(TwistblockTest, EveryTurnIsUndoneByItsInverse) {
    for (int n = 2; n <= 6; ++n)
        for (int axis = 0; axis < 3; ++axis)
            for (int layer = 0; layer < n; ++layer)
                for (int dir = 1; dir <= 3; ++dir) {
                    InspectableCube cube;
                    cube.init(n);
                    cube.rotate((axis + 1) % 3, 0, 1);  // start from a non-trivial state
                    const Snapshot before = snapshot(cube);
                    cube.rotate(axis, layer, dir);
                    expectOrientationsMatchCells(cube);
                    cube.rotate(axis, layer, 4 - dir);
                    expectSame(snapshot(cube), before, true);
                }
}

TEST(TwistblockTest, RandomSequencesKeepTheInvariantAndUnwind) {
    std::mt19937 random(12345);
    for (int n = 2; n <= 6; ++n) {
        InspectableCube cube;
        cube.init(n);
        const Snapshot solved = snapshot(cube);
        std::vector<std::tuple<int, int, int>> moves;
        for (int i = 0; i < 200; ++i) {
            const int axis = random() % 3, layer = random() % n, dir = 1 + random() % 3;
            ASSERT_EQ(cube.rotate(axis, layer, dir), 0);
            moves.emplace_back(axis, layer, dir);
        }
        expectOrientationsMatchCells(cube);
        // Every home cell still occurs exactly once.
        std::vector<int> seen(n * n * n, 0);
        for (const Block& b : snapshot(cube).cells) ++seen[(b.z * n + b.y) * n + b.x];
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), n * n * n);
        for (auto it = moves.rbegin(); it != moves.rend(); ++it)
            cube.rotate(std::get<0>(*it), std::get<1>(*it), 4 - std::get<2>(*it));
        const Snapshot back = snapshot(cube);
        for (std::size_t i = 0; i < back.cells.size(); ++i) {
            ASSERT_EQ(std::tie(back.cells[i].x, back.cells[i].y, back.cells[i].z),
                      std::tie(solved.cells[i].x, solved.cells[i].y, solved.cells[i].z));
            ASSERT_TRUE(sameRotation(back.cells[i].rot, Quaternion(), 1e-9)) << "n=" << n << " cell " << i;
        }
    }
}

TEST(TwistblockTest, FullTurnNegatesOrientations) {
    InspectableCube cube;
    cube.init(4);
    for (int i = 0; i < 4; ++i) cube.rotateZ(3, 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const Block& b = cube.at(x, y, 3);
            EXPECT_EQ(std::tie(b.x, b.y), std::tie(x, y));
            EXPECT_NEAR(b.rot.w, -1.0, 1e-15);
        }
}

TEST(TwistblockTest, CellOutsideTheCubeIsAnIndexError) {
    Twistblock cube;
    cube.init(3);
    EXPECT_THROW(cube.getRotation(3, 0, 0), IndexError);
    EXPECT_THROW(cube.getRotation(0, -1, 0), IndexError);
    EXPECT_THROW(cube.getRotation(0, 0, 3), IndexError);
    // x = 3 would otherwise alias the next row's first cell: the guard must catch it.
    EXPECT_THROW(cube.getRotation(3, 1, 1), IndexError);
}
