#include "math/Quaternion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectQuat(const Quaternion& q, double w, double x, double y, double z) {
    EXPECT_NEAR(q.w, w, 1e-12);
    EXPECT_NEAR(q.x, x, 1e-12);
    EXPECT_NEAR(q.y, y, 1e-12);
    EXPECT_NEAR(q.z, z, 1e-12);
}

Quaternion rotation(double angle, double ax, double ay, double az) {
    Quaternion q;
    q.setRotation(angle, ax, ay, az);
    return q;
}

}  // namespace

TEST(QuaternionTest, SetRotationFromAngleAndAxis) {
    const double c = std::cos(M_PI / 4), s = std::sin(M_PI / 4);
    expectQuat(rotation(-M_PI / 2, 1, 0, 0), c, -s, 0, 0);
    expectQuat(rotation(0.7, 0, 2, 0), std::cos(0.35), 0, std::sin(0.35), 0);  // normalised axis
    expectQuat(rotation(0.7, 0, 0, 0), std::cos(0.35), 0, 0, std::sin(0.35));  // zero axis: +Z
    expectQuat(rotation(2 * M_PI / 3, 1, 1, 1), 0.5, 0.5, 0.5, 0.5);
    const Quaternion q = rotation(2.5, 0, -3, 4);
    EXPECT_NEAR(q.getAngle(), 2.5, 1e-12);
    EXPECT_NEAR(q.getAxis().z, 0.8, 1e-12);
}

TEST(QuaternionTest, MulIsTheHamiltonProductAndAppliesTheRightFactorFirst) {
    Quaternion i, j;
    i.set(0, 1, 0, 0);
    j.set(0, 0, 1, 0);
    Quaternion ij = i;
    ij.mul(j);
    expectQuat(ij, 0, 0, 0, 1);
    j.mul(i);
    expectQuat(j, 0, 0, 0, -1);
    i.mul(i);  // multiplying by itself squares
    expectQuat(i, -1, 0, 0, 0);

    // Rotate a point by b, then by a; the product a·b read back as angle and axis agrees.
    const Quaternion a = rotation(0.9, 0, 1, 0), b = rotation(-0.4, 1, 0, 0);
    Quaternion ab = a;
    ab.mul(b);
    vec3D p, xAxis, yAxis;
    p.set(0.3, -0.7, 1.1);
    xAxis.set(1, 0, 0);
    yAxis.set(0, 1, 0);
    vec3D sequential = p;
    sequential.rotate(-0.4, xAxis);
    sequential.rotate(0.9, yAxis);
    p.rotate(ab.getAngle(), ab.getAxis());
    EXPECT_NEAR(p.x, sequential.x, 1e-12);
    EXPECT_NEAR(p.y, sequential.y, 1e-12);
    EXPECT_NEAR(p.z, sequential.z, 1e-12);
}
