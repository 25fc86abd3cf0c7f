#include "math/Quaternion.h"

#include <gtest/gtest.h>

#include <cmath>

// Rotations are right-handed, and a·b applies b first: a point rotated by b and then by a
// lands where the product's angle and axis take it.
TEST(QuaternionTest, RotationsAreRightHandedAndTheProductAppliesTheRightFactorFirst) {
    Quaternion a, b;
    a.setRotation(M_PI / 2, 0, 0, 1);
    b.setRotation(M_PI / 2, 1, 0, 0);
    vec3D x, axis = a.getAxis();
    x.set(1, 0, 0);
    x.rotate(a.getAngle(), axis);
    EXPECT_NEAR(x.y, 1.0, 1e-12);  // +X about +Z goes to +Y
    Quaternion ab = a;
    ab.mul(b);
    vec3D p, sequential;
    p.set(0.3, -0.7, 1.1);
    sequential = p;
    sequential.rotate(b.getAngle(), b.getAxis());
    sequential.rotate(a.getAngle(), a.getAxis());
    p.rotate(ab.getAngle(), ab.getAxis());
    EXPECT_NEAR(p.x, sequential.x, 1e-12);
    EXPECT_NEAR(p.y, sequential.y, 1e-12);
    EXPECT_NEAR(p.z, sequential.z, 1e-12);
}
