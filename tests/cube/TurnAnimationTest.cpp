#include "CubeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

// The cell a record of the pose list stands for, from its resting position.
std::tuple<int, int, int> cellOf(const Anim& a, int n, double pitch) {
    const double c = pitch * (n - 1) * 0.5;
    return {static_cast<int>(std::lround((a.pos.x + c) / pitch)), static_cast<int>(std::lround((a.pos.y + c) / pitch)),
            static_cast<int>(std::lround((a.pos.z + c) / pitch))};
}

void expectPosesEqual(const Array<Anim>& a, const Array<Anim>& b, bool allowNegated) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].pos.x, b[i].pos.x, 1e-12) << i;
        EXPECT_NEAR(a[i].pos.y, b[i].pos.y, 1e-12) << i;
        EXPECT_NEAR(a[i].pos.z, b[i].pos.z, 1e-12) << i;
        if (allowNegated)
            EXPECT_TRUE(sameRotation(a[i].rot, b[i].rot, 1e-12)) << i;
        else
            EXPECT_TRUE(sameRotation(a[i].rot, b[i].rot, 1e-12) && std::fabs(a[i].rot.w - b[i].rot.w) < 1e-12) << i;
    }
}

}  // namespace

TEST(TurnAnimationTest, ListsOnlySurfaceBlocksInCellOrder) {
    const int expectedCounts[] = {8, 26, 56, 98, 152};
    for (int n = 2; n <= 6; ++n) {
        InspectableCube cube;
        cube.init(n);
        const Array<Anim> poses = cube.getAnim(0, 0, 1, 0.2, 0.0);
        ASSERT_EQ(poses.size(), static_cast<std::size_t>(expectedCounts[n - 2]));
        int previous = -1;
        for (const Anim& a : poses) {
            const auto [x, y, z] = cellOf(a, n, 0.2);
            EXPECT_TRUE(x == 0 || y == 0 || z == 0 || x == n - 1 || y == n - 1 || z == n - 1);
            const int order = (z * n + y) * n + x;
            EXPECT_GT(order, previous);  // z outer, then y, then x
            previous = order;
            EXPECT_TRUE(std::isnan(a.pos.w));
        }
    }
    InspectableCube two;
    two.init(2);
    const Array<Anim> eight = two.getAnim(1, 0, 1, 0.2, 0.0);
    const int cells[8][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, 1}, {1, 0, 1}, {0, 1, 1}, {1, 1, 1}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(eight[i].pos.x, cells[i][0] ? 0.1 : -0.1, 1e-15);
        EXPECT_NEAR(eight[i].pos.y, cells[i][1] ? 0.1 : -0.1, 1e-15);
        EXPECT_NEAR(eight[i].pos.z, cells[i][2] ? 0.1 : -0.1, 1e-15);
    }
    InspectableCube three;
    three.init(3);
    const Array<Anim> poses = three.getAnim(0, 0, 1, 0.2, 0.0);
    EXPECT_EQ(cellOf(poses[12], 3, 0.2), std::tuple(0, 1, 1));
    EXPECT_EQ(cellOf(poses[13], 3, 0.2), std::tuple(2, 1, 1));
}

TEST(TurnAnimationTest, AtRestForTZeroOrAnInvalidTurn) {
    InspectableCube cube;
    cube.init(4);
    cube.rotate(0, 1, 1);
    cube.rotate(2, 3, 2);
    const Array<Anim> rest = cube.getAnim(0, 0, 1, 0.2, 0.0);
    for (const Anim& a : rest) {
        const auto [x, y, z] = cellOf(a, 4, 0.2);
        const Quaternion q = cube.getRotation(x, y, z);
        EXPECT_EQ(std::tie(a.rot.w, a.rot.x, a.rot.y, a.rot.z), std::tie(q.w, q.x, q.y, q.z));
    }
    for (const auto& [axis, layer, dir] : {std::tuple{1, 2, 3}, {2, 0, 2}})
        expectPosesEqual(cube.getAnim(axis, layer, dir, 0.2, 0.0), rest, false);
    for (const auto& [axis, layer] : {std::pair{7, 0}, {-1, -1}, {0, 4}, {1, -1}})
        expectPosesEqual(cube.getAnim(axis, layer, 1, 0.2, 0.5), rest, false);
}

TEST(TurnAnimationTest, HalfwayThroughAYTurn) {
    InspectableCube cube;
    cube.init(3);
    const Array<Anim> rest = cube.getAnim(1, 0, 1, 0.2, 0.0);
    const Array<Anim> half = cube.getAnim(1, 0, 1, 0.2, 0.5);
    vec3D up;
    up.set(0, 1, 0);
    int turning = 0;
    for (std::size_t i = 0; i < half.size(); ++i) {
        vec3D expected = rest[i].pos;
        if (std::get<1>(cellOf(rest[i], 3, 0.2)) == 0) {
            ++turning;
            expected.rotate(M_PI / 4, up);
            EXPECT_NEAR(half[i].rot.w, std::cos(M_PI / 8), 1e-15);
            EXPECT_NEAR(half[i].rot.y, std::sin(M_PI / 8), 1e-15);
        } else {
            EXPECT_EQ(half[i].rot.w, 1.0);
        }
        EXPECT_NEAR(half[i].pos.x, expected.x, 1e-15);
        EXPECT_NEAR(half[i].pos.y, expected.y, 1e-15);
        EXPECT_NEAR(half[i].pos.z, expected.z, 1e-15);
    }
    EXPECT_EQ(turning, 9);
}

TEST(TurnAnimationTest, DirThreeRunsAQuarterTheOtherWay) {
    InspectableCube cube;
    cube.init(3);
    const Array<Anim> half = cube.getAnim(0, 2, 3, 0.2, 0.5);
    for (const Anim& a : half) {
        if (std::get<0>(cellOf(a, 3, 0.2)) != 2) continue;
        // π/4 about +X
        EXPECT_NEAR(a.rot.w, std::cos(M_PI / 8), 1e-15);
        EXPECT_NEAR(a.rot.x, std::sin(M_PI / 8), 1e-15);
    }
}

TEST(TurnAnimationTest, FullAnimationEndsInTheCommittedState) {
    for (int n = 2; n <= 6; ++n)
        for (int axis = 0; axis < 3; ++axis)
            for (int layer = 0; layer < n; ++layer)
                for (int dir = 1; dir <= 3; ++dir) {
                    InspectableCube cube;
                    cube.init(n);
                    cube.rotate((axis + 2) % 3, n - 1, 1);
                    const Array<Anim> end = cube.getAnim(axis, layer, dir, 0.2, 1.0);
                    cube.rotate(axis, layer, dir);
                    const Array<Anim> committed = cube.getAnim(axis, layer, dir, 0.2, 0.0);
                    SCOPED_TRACE(testing::Message() << "n=" << n << " axis=" << axis << " layer=" << layer
                                                    << " dir=" << dir);
                    // The lists are ordered by cell: the block that ends in a cell after the
                    // animation appears where that cell's record is after the commit.
                    ASSERT_EQ(end.size(), committed.size());
                    for (const Anim& a : end) {
                        bool found = false;
                        for (const Anim& b : committed)
                            if (std::fabs(a.pos.x - b.pos.x) < 1e-9 && std::fabs(a.pos.y - b.pos.y) < 1e-9 &&
                                std::fabs(a.pos.z - b.pos.z) < 1e-9) {
                                EXPECT_TRUE(sameRotation(a.rot, b.rot, 1e-9));
                                found = true;
                            }
                        EXPECT_TRUE(found);
                    }
                }
}

TEST(TurnAnimationTest, LeavesTheCubeUnchanged) {
    InspectableCube cube;
    cube.init(3);
    cube.getAnim(2, 1, 2, 0.2, 0.7);
    expectOrientationsMatchCells(cube);
    EXPECT_EQ(cube.getRotation(1, 0, 1).w, 1.0);
}
