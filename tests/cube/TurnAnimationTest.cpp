#include "CubeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(TurnAnimationTest, ListsTheSurfaceBlocksInCellOrderAtTheirCentres) {
    const std::size_t surfaceCounts[] = {8, 26, 56, 98, 152};
    for (int n = 2; n <= 6; ++n) {
        InspectableCube cube;
        cube.init(n);
        const Array<Anim> poses = cube.getAnim(0, 0, 1, 0.2, 0.0);
        ASSERT_EQ(poses.size(), surfaceCounts[n - 2]);
        // z outer, then y, then x: the cell index grows and every cell is on the surface.
        int previous = -1;
        for (const Anim& a : poses) {
            int cell[3];
            const double coordinates[3] = {a.pos.x, a.pos.y, a.pos.z};
            for (int i = 0; i < 3; ++i) cell[i] = static_cast<int>(std::lround(coordinates[i] / 0.2 + (n - 1) * 0.5));
            EXPECT_TRUE(std::count(cell, cell + 3, 0) + std::count(cell, cell + 3, n - 1) > 0);
            const int order = (cell[2] * n + cell[1]) * n + cell[0];
            EXPECT_GT(order, previous);
            previous = order;
        }
    }
    InspectableCube two;
    two.init(2);
    const Array<Anim> poses = two.getAnim(1, 0, 1, 0.2, 0.0);
    EXPECT_NEAR(poses[1].pos.x, 0.1, 1e-15);
    EXPECT_NEAR(poses[1].pos.y, -0.1, 1e-15);
    EXPECT_NEAR(poses[6].pos.z, 0.1, 1e-15);
}

// Halfway through a turn, the turning layer stands at half the committed rotation, about the
// same axis in the same sense; dir 3 is shown as a quarter turn the other way, and dir 2 as
// a half turn the same way as dir 1.
TEST(TurnAnimationTest, HalfwayIsHalfTheCommittedTurn) {
    for (int axis = 0; axis < 3; ++axis)
        for (int dir : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "axis " << axis << " dir " << dir);
            InspectableCube cube;
            cube.init(3);
            const Array<Anim> half = cube.getAnim(axis, 2, dir, 0.2, 0.5);
            InspectableCube turned;
            turned.init(3);
            turned.rotate(axis, 2, dir);
            // The committed rotation of that layer, taken the short way, halved.
            Quaternion expected = turned.getRotation(2, 2, 2);
            if (expected.w < 0) expected.set(-expected.w, -expected.x, -expected.y, -expected.z);
            expected.setAngle(expected.getAngle() / 2);
            int turning = 0;
            for (const Anim& a : half) {
                const bool inLayer = std::fabs((axis == 0 ? a.pos.x : axis == 1 ? a.pos.y : a.pos.z) - 0.2) < 1e-9;
                EXPECT_TRUE(sameRotation(a.rot, inLayer ? expected : Quaternion()));
                turning += inLayer;
            }
            EXPECT_EQ(turning, 9);
        }
}
