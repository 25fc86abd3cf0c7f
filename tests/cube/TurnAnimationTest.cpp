#include "CubeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

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
