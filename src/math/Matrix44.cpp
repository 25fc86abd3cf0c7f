#include "math/Matrix44.h"

#include <cmath>
#include <cstdio>

Matrix44::Matrix44() { Matrix44::identity(); }

void Matrix44::print() const {
    for (const auto& row : m) std::printf("%f,%f,%f,%f\n", row[0], row[1], row[2], row[3]);
}

void Matrix44::identity() {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) m[i][j] = i == j ? 1.0 : 0.0;
}

void Matrix44::setRotation(double angle, vec3D a) {
    const double n = a.length();
    vec3D u;
    if (n == 0.0)
        u.set(0.0, 0.0, 0.0);
    else
        u.set(a.x / n, a.y / n, a.z / n);
    const double s = std::sin(angle), c = std::cos(angle), t = 1.0 - c;
    const double rows[4][4] = {
        {u.x * u.x * t + c, u.x * u.y * t - u.z * s, u.x * u.z * t + u.y * s, 0},
        {u.x * u.y * t + u.z * s, u.y * u.y * t + c, u.y * u.z * t - u.x * s, 0},
        {u.x * u.z * t - u.y * s, u.y * u.z * t + u.x * s, u.z * u.z * t + c, 0},
        {0, 0, 0, 1},
    };
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) m[i][j] = rows[i][j];
}

void Matrix44::setTranslation(vec3D v) {
    identity();
    m[0][3] = v.x;
    m[1][3] = v.y;
    m[2][3] = v.z;
}

void Matrix44::add(const Matrix44& o) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) m[i][j] += o.m[i][j];
}

void Matrix44::sub(const Matrix44& o) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) m[i][j] -= o.m[i][j];
}

void Matrix44::mul(double s) {
    for (auto& row : m)
        for (double& e : row) e *= s;
}

void Matrix44::div(double s) {
    for (auto& row : m)
        for (double& e : row) e /= s;
}

void Matrix44::mul(const Matrix44& o) {
    double product[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += m[i][k] * o.m[k][j];
            product[i][j] = sum;
        }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) m[i][j] = product[i][j];
}
