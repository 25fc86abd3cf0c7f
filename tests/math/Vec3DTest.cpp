#include "math/Vec3D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

vec3D v(double x, double y, double z) {
    vec3D r;
    r.set(x, y, z);
    return r;
}

void expectNear(const vec3D& actual, const vec3D& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-12);
    EXPECT_NEAR(actual.y, expected.y, 1e-12);
    EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

}  // namespace

TEST(Vec3DTest, RotateIsRightHandedAboutEveryAxis) {
    struct Case {
        vec3D point, axis, expected;
    };
    const Case cases[] = {
        {v(1, 0, 0), v(0, 0, 1), v(0, 1, 0)}, {v(1, 0, 0), v(0, 0, -1), v(0, -1, 0)},
        {v(0, 0, 1), v(1, 0, 0), v(0, -1, 0)}, {v(0, 0, 1), v(0, 1, 0), v(1, 0, 0)},
        {v(0, 0, 1), v(0, 3, 0), v(1, 0, 0)},  // the axis is normalised
    };
    for (const Case& c : cases) {
        vec3D p = c.point;
        p.rotate(M_PI / 2, c.axis);
        expectNear(p, c.expected);
    }
}

TEST(Vec3DTest, CrossNormalizeAndLength) {
    vec3D a = v(1, 0, 0);
    a.cross(v(0, 1, 0));
    expectNear(a, v(0, 0, 1));
    vec3D b = v(1, 2, 3);
    b.cross(b);  // reads both before writing
    expectNear(b, v(0, 0, 0));
    vec3D c = v(3, 4, 0);
    EXPECT_EQ(c.normalize(), 5.0);
    expectNear(c, v(0.6, 0.8, 0));
    EXPECT_DOUBLE_EQ(v(1, 1, 1).distance(v(4, 5, 1)), 5.0);
}
