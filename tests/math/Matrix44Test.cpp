#include "math/Matrix44.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

vec3D v(double x, double y, double z) {
    vec3D r;
    r.set(x, y, z);
    return r;
}

void expectRow(const Matrix44& m, int row, double a, double b, double c, double d) {
    EXPECT_NEAR(m.m[row][0], a, 1e-12);
    EXPECT_NEAR(m.m[row][1], b, 1e-12);
    EXPECT_NEAR(m.m[row][2], c, 1e-12);
    EXPECT_NEAR(m.m[row][3], d, 1e-12);
}

}  // namespace

TEST(Matrix44Test, NewMatrixIsIdentityAndPrintsFourRows) {
    Matrix44 m;
    testing::internal::CaptureStdout();
    m.print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "1.000000,0.000000,0.000000,0.000000\n"
              "0.000000,1.000000,0.000000,0.000000\n"
              "0.000000,0.000000,1.000000,0.000000\n"
              "0.000000,0.000000,0.000000,1.000000\n");
    m.mul(5.0);
    m.identity();
    expectRow(m, 2, 0, 0, 1, 0);
}

TEST(Matrix44Test, SetRotationNormalisesTheAxis) {
    Matrix44 m;
    m.setRotation(M_PI / 2, v(0, 0, 2));
    expectRow(m, 0, 0, -1, 0, 0);
    expectRow(m, 1, 1, 0, 0, 0);
    expectRow(m, 2, 0, 0, 1, 0);
    expectRow(m, 3, 0, 0, 0, 1);
    m.setRotation(0.8, v(0, 0, 0));
    expectRow(m, 0, std::cos(0.8), 0, 0, 0);
    expectRow(m, 1, 0, std::cos(0.8), 0, 0);
    expectRow(m, 2, 0, 0, std::cos(0.8), 0);
}

TEST(Matrix44Test, TranslationThenRotationKeepsColumnThree) {
    Matrix44 m, r;
    m.setTranslation(v(1, 2, 3));
    r.setRotation(0.6, v(1, 1, 0));
    m.mul(r);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(m.m[i][j], r.m[i][j], 1e-15);
    expectRow(m, 3, 0, 0, 0, 1);
    EXPECT_EQ(m.m[0][3], 1.0);
    EXPECT_EQ(m.m[1][3], 2.0);
    EXPECT_EQ(m.m[2][3], 3.0);
}

TEST(Matrix44Test, ProductWithItselfSquares) {
    Matrix44 quarter, half;
    quarter.setRotation(M_PI / 2, v(0, 1, 0));
    half.setRotation(M_PI, v(0, 1, 0));
    quarter.mul(quarter);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(quarter.m[i][j], half.m[i][j], 1e-12);
    Matrix44 copy = half;
    half.mul(Matrix44());
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(half.m[i][j], copy.m[i][j]);
}

TEST(Matrix44Test, ElementWiseArithmetic) {
    Matrix44 m, t;
    t.setTranslation(v(2, 4, 6));
    m.add(t);  // identity + translation
    expectRow(m, 0, 2, 0, 0, 2);
    m.sub(t);
    expectRow(m, 0, 1, 0, 0, 0);
    m.mul(4.0);
    m.div(2.0);
    expectRow(m, 3, 0, 0, 0, 2);
    m.div(0.0);
    EXPECT_TRUE(std::isinf(m.m[0][0]));
    EXPECT_TRUE(std::isnan(m.m[0][1]));
}
