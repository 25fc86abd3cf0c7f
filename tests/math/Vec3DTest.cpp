#include "math/Vec3D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

vec3D v(double x, double y, double z) {
    vec3D r;
    r.set(x, y, z);
    return r;
}

void expectNear(const vec3D& actual, double x, double y, double z) {
    EXPECT_NEAR(actual.x, x, 1e-12);
    EXPECT_NEAR(actual.y, y, 1e-12);
    EXPECT_NEAR(actual.z, z, 1e-12);
}

}  // namespace

TEST(Vec3DTest, DefaultsAreNaNAndNeverEqual) {
    vec3D a, b;
    EXPECT_TRUE(std::isnan(a.x) && std::isnan(a.y) && std::isnan(a.z) && std::isnan(a.w));
    EXPECT_FALSE(a.equals(b));
    vec2D t;
    EXPECT_TRUE(std::isnan(t.x) && std::isnan(t.y));
    face3D f;
    EXPECT_EQ(f.d, 0);
    // Assigning x, y, z leaves w alone.
    a.set(1, 2, 3);
    EXPECT_TRUE(std::isnan(a.w));
    EXPECT_TRUE(a.equals(v(1, 2, 3)));
}

TEST(Vec3DTest, Arithmetic) {
    vec3D a = v(1, 2, 3);
    a.add(v(1, 1, 1));
    a.sub(0.5);
    a.scale(2);
    expectNear(a, 3, 5, 7);
    a.add(1.0);
    a.sub(v(4, 6, 8));
    a.negate();
    expectNear(a, 0, 0, 0);
    EXPECT_DOUBLE_EQ(v(1, 2, 2).length(), 3.0);
    EXPECT_DOUBLE_EQ(v(1, 1, 1).distance(v(4, 5, 1)), 5.0);
    EXPECT_DOUBLE_EQ(v(1, 2, 3).dot(v(4, -5, 6)), 12.0);
}

TEST(Vec3DTest, NormalizeReturnsTheOldLength) {
    vec3D zero = v(0, 0, 0);
    EXPECT_EQ(zero.normalize(), 0.0);
    expectNear(zero, 0, 0, 0);
    vec3D a = v(3, 4, 0);
    EXPECT_EQ(a.normalize(), 5.0);
    expectNear(a, 0.6, 0.8, 0);
}

TEST(Vec3DTest, RotateIsRightHanded) {
    vec3D a = v(1, 0, 0);
    a.rotate(M_PI / 2, v(0, 0, 1));
    expectNear(a, 0, 1, 0);
    vec3D b = v(1, 0, 0);
    b.rotate(M_PI / 2, v(0, 0, -1));
    expectNear(b, 0, -1, 0);
    vec3D c = v(0, 0, 1);
    c.rotate(M_PI / 2, v(1, 0, 0));
    expectNear(c, 0, -1, 0);
    // The zero axis keeps only the cosine terms.
    vec3D d = v(2, 3, 4);
    d.rotate(1.0, v(0, 0, 0));
    expectNear(d, 2 * std::cos(1.0), 3 * std::cos(1.0), 4 * std::cos(1.0));
}

TEST(Vec3DTest, CrossReadsBothBeforeWriting) {
    vec3D a = v(1, 0, 0);
    a.cross(v(0, 1, 0));
    expectNear(a, 0, 0, 1);
    vec3D b = v(1, 2, 3);
    b.cross(b);
    expectNear(b, 0, 0, 0);
}

TEST(Vec3DTest, IntersectPlane) {
    vec3D hit = v(9, 9, 9);
    EXPECT_FALSE(hit.intersectPlane(v(0, 0, 0), v(1, 0, 0), v(0, 1, 0), v(0, 1, 0)));
    expectNear(hit, 9, 9, 9);
    EXPECT_TRUE(hit.intersectPlane(v(0, 5, 0), v(0, -1, 0), v(0, 1, 0), v(0, 1, 0)));
    expectNear(hit, 0, 1, 0);
}

TEST(Vec3DTest, InTriangleCountsEdgesAsInside) {
    const vec3D a = v(0, 0, 0), b = v(1, 0, 0), c = v(0, 1, 0);
    vec3D any;
    EXPECT_TRUE(any.inTriangle(v(0.2, 0.2, 0), a, b, c));
    EXPECT_FALSE(any.inTriangle(v(1, 1, 0), a, b, c));
    EXPECT_TRUE(any.inTriangle(v(0.5, 0, 0), a, b, c));
    EXPECT_FALSE(any.inTriangle(v(-0.1, 0.5, 0), a, b, c));
}

TEST(Vec3DTest, Print) {
    testing::internal::CaptureStdout();
    v(1, 2, 3).print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "x=1.000000, y=2.000000, z=3.000000\n");
}
