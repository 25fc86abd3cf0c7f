#include "math/Matrix44.h"
#include "math/Quaternion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectQuat(const Quaternion& q, double w, double x, double y, double z, double tolerance = 1e-12) {
    EXPECT_NEAR(q.w, w, tolerance);
    EXPECT_NEAR(q.x, x, tolerance);
    EXPECT_NEAR(q.y, y, tolerance);
    EXPECT_NEAR(q.z, z, tolerance);
}

Quaternion rotation(double angle, double ax, double ay, double az) {
    Quaternion q;
    q.setRotation(angle, ax, ay, az);
    return q;
}

}  // namespace

TEST(QuaternionTest, DefaultIsIdentity) { expectQuat(Quaternion(), 1, 0, 0, 0, 0); }

TEST(QuaternionTest, SetRotationFromAngleAndAxis) {
    expectQuat(rotation(0.0, 1, 0, 0), 1, 0, 0, 0, 0);
    const double c = std::cos(M_PI / 4), s = std::sin(M_PI / 4);
    // A negative angle about +X is the positive angle about -X, with w >= 0.
    expectQuat(rotation(-1.5707963267948966, 1, 0, 0), c, -s, 0, 0);
    const Quaternion reversed = rotation(1.5707963267948966, -1, 0, 0);
    const Quaternion negative = rotation(-1.5707963267948966, 1, 0, 0);
    EXPECT_EQ(reversed.w, negative.w);
    EXPECT_EQ(reversed.x, negative.x);
    // The axis is normalised, and a zero axis means +Z.
    expectQuat(rotation(0.7, 0, 2, 0), std::cos(0.35), 0, std::sin(0.35), 0);
    expectQuat(rotation(0.7, 0, 0, 0), std::cos(0.35), 0, 0, std::sin(0.35));
    // 120 degrees about the space diagonal.
    expectQuat(rotation(2 * M_PI / 3, 1, 1, 1), 0.5, 0.5, 0.5, 0.5);
}

TEST(QuaternionTest, VectorFormNegatesTheCallersAxisForNegativeAngles) {
    vec3D axis;
    axis.set(1, 2, 3);
    Quaternion q;
    q.setRotation(-1.0, axis);
    EXPECT_EQ(axis.x, -1.0);
    EXPECT_EQ(axis.y, -2.0);
    EXPECT_EQ(axis.z, -3.0);
    const Quaternion expected = rotation(-1.0, 1, 2, 3);
    expectQuat(q, expected.w, expected.x, expected.y, expected.z, 0);
    q.setRotation(1.0, axis);  // a positive angle leaves the axis alone
    EXPECT_EQ(axis.x, -1.0);
}

TEST(QuaternionTest, MulIsTheHamiltonProduct) {
    Quaternion i, j;
    i.set(0, 1, 0, 0);
    j.set(0, 0, 1, 0);
    Quaternion ij = i;
    ij.mul(j);
    expectQuat(ij, 0, 0, 0, 1, 0);
    Quaternion ji = j;
    ji.mul(i);
    expectQuat(ji, 0, 0, 0, -1, 0);
    // Multiplying by itself squares: i·i = -1.
    i.mul(i);
    expectQuat(i, -1, 0, 0, 0, 0);
    // q times its conjugate is the identity.
    Quaternion q = rotation(1.234, 0.3, -0.5, 0.8);
    Quaternion conj = q;
    conj.conjugate();
    q.mul(conj);
    expectQuat(q, 1, 0, 0, 0);
}

TEST(QuaternionTest, ComposedRotationsMatchSequentialVectorRotations) {
    // a ⊗ b applies b first: rotate a point by b, then by a, and compare with the product.
    const Quaternion a = rotation(0.9, 0, 1, 0), b = rotation(-0.4, 1, 0, 0);
    Quaternion ab = a;
    ab.mul(b);
    vec3D p;
    p.set(0.3, -0.7, 1.1);
    vec3D yAxis, xAxis;
    yAxis.set(0, 1, 0);
    xAxis.set(1, 0, 0);
    vec3D sequential = p;
    sequential.rotate(-0.4, xAxis);
    sequential.rotate(0.9, yAxis);
    vec3D composed = p;
    composed.rotate(ab.getAngle(), ab.getAxis());
    EXPECT_NEAR(composed.x, sequential.x, 1e-12);
    EXPECT_NEAR(composed.y, sequential.y, 1e-12);
    EXPECT_NEAR(composed.z, sequential.z, 1e-12);
}

TEST(QuaternionTest, AngleAndAxisReadBack) {
    const Quaternion identity;
    EXPECT_EQ(identity.getAngle(), 0.0);
    const vec3D ax = identity.getAxis();
    EXPECT_EQ(ax.x, 1.0);
    EXPECT_EQ(ax.y, 0.0);
    EXPECT_EQ(ax.z, 0.0);
    EXPECT_TRUE(std::isnan(ax.w));

    Quaternion minusOne;
    minusOne.set(-1, 0, 0, 0);
    EXPECT_DOUBLE_EQ(minusOne.getAngle(), 2 * M_PI);
    const vec3D zero = minusOne.getAxis();
    EXPECT_EQ(zero.x, 0.0);
    EXPECT_EQ(zero.y, 0.0);
    EXPECT_EQ(zero.z, 0.0);

    const Quaternion q = rotation(2.5, 0, -3, 4);
    EXPECT_NEAR(q.getAngle(), 2.5, 1e-12);
    const vec3D axis = q.getAxis();
    EXPECT_NEAR(axis.y, -0.6, 1e-12);
    EXPECT_NEAR(axis.z, 0.8, 1e-12);
}

TEST(QuaternionTest, SetAngleKeepsTheDirection) {
    Quaternion identity;
    identity.setAngle(1.0);
    expectQuat(identity, std::cos(0.5), 0, 0, 0, 0);
    Quaternion q = rotation(0.5, 0, 0, 1);
    q.setAngle(2.0);
    expectQuat(q, std::cos(1.0), 0, 0, std::sin(1.0));
}

TEST(QuaternionTest, SetForms) {
    Quaternion q;
    vec3D v;
    v.set(2, 3, 4);
    q.set(1.5, v);
    expectQuat(q, 1.5, 2, 3, 4, 0);
    Quaternion copy;
    copy.set(q);
    expectQuat(copy, 1.5, 2, 3, 4, 0);
}

TEST(QuaternionTest, Print) {
    testing::internal::CaptureStdout();
    Quaternion().print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "1.000000 : 0.000000, 0.000000, 0.000000\n");
}

TEST(QuaternionTest, ToMatrixMatchesTheAxisAngleMatrix) {
    Matrix44 fromIdentity;
    fromIdentity.mul(3.0);
    Quaternion().toMatrix(fromIdentity);
    const Matrix44 identity;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(fromIdentity.m[i][j], identity.m[i][j]);

    for (const auto& [angle, ax, ay, az] : {std::tuple{M_PI / 2, 0.0, 0.0, 1.0}, {1.1, 1.0, -2.0, 0.5}, {-2.0, 0.0, 1.0, 1.0}}) {
        Matrix44 fromQuaternion, expected;
        rotation(angle, ax, ay, az).toMatrix(fromQuaternion);
        vec3D axis;
        axis.set(ax, ay, az);
        expected.setRotation(angle, axis);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) EXPECT_NEAR(fromQuaternion.m[i][j], expected.m[i][j], 1e-12) << i << "," << j;
    }
}
