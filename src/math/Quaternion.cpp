#include "math/Quaternion.h"

#include "math/Matrix44.h"

#include <cmath>
#include <cstdio>

void Quaternion::set(double nw, double nx, double ny, double nz) {
    w = nw;
    x = nx;
    y = ny;
    z = nz;
}

void Quaternion::set(double nw, const vec3D& v) { set(nw, v.x, v.y, v.z); }

void Quaternion::set(const Quaternion& q) { set(q.w, q.x, q.y, q.z); }

void Quaternion::setRotation(double angle, vec3D& axis) {
    if (angle < 0.0) axis.negate();
    // The axis is already turned round, so only the angle's sign is left to drop.
    setRotation(angle < 0.0 ? -angle : angle, axis.x, axis.y, axis.z);
}

void Quaternion::setRotation(double angle, double ax, double ay, double az) {
    if (angle < 0.0) {
        angle = -angle;
        ax = -ax;
        ay = -ay;
        az = -az;
    }
    const double h = angle * 0.5;
    const double s = std::sin(h);
    const double n = std::sqrt(ax * ax + ay * ay + az * az);
    if (n == 0.0)
        set(std::cos(h), 0.0, 0.0, s);
    else
        set(std::cos(h), ax / n * s, ay / n * s, az / n * s);
}

void Quaternion::setAngle(double angle) {
    const double h = angle * 0.5;
    const double s = std::sin(h);
    const double n = std::sqrt(x * x + y * y + z * z);
    if (n == 0.0)
        set(std::cos(h), 0.0, 0.0, 0.0);
    else
        set(std::cos(h), x / n * s, y / n * s, z / n * s);
}

void Quaternion::mul(const Quaternion& b) {
    const Quaternion a = *this;
    const Quaternion c = b;  // b may be *this
    w = a.w * c.w - a.x * c.x - a.y * c.y - a.z * c.z;
    x = a.w * c.x + c.w * a.x + a.y * c.z - c.y * a.z;
    y = a.w * c.y + a.y * c.w + c.x * a.z - a.x * c.z;
    z = c.w * a.z + a.w * c.z + a.x * c.y - c.x * a.y;
}

void Quaternion::conjugate() { set(w, -x, -y, -z); }

double Quaternion::getAngle() const { return static_cast<double>(2.0L * std::acos(static_cast<long double>(w))); }

vec3D Quaternion::getAxis() const {
    vec3D axis;
    if (getAngle() == 0.0) {
        axis.set(1.0, 0.0, 0.0);
    } else {
        axis.set(x, y, z);
        axis.normalize();
    }
    return axis;
}

void Quaternion::toMatrix(Matrix44& target) const {
    double (&m)[4][4] = target.m;
    m[0][0] = 1 - 2 * (y * y + z * z);
    m[0][1] = 2 * (x * y - w * z);
    m[0][2] = 2 * (x * z + w * y);
    m[0][3] = 0;
    m[1][0] = 2 * (x * y + w * z);
    m[1][1] = 1 - 2 * (x * x + z * z);
    m[1][2] = 2 * (y * z - w * x);
    m[1][3] = 0;
    m[2][0] = 2 * (x * z - w * y);
    m[2][1] = 2 * (y * z + w * x);
    m[2][2] = 1 - 2 * (x * x + y * y);
    m[2][3] = 0;
    m[3][0] = 0;
    m[3][1] = 0;
    m[3][2] = 0;
    m[3][3] = 1;
}

void Quaternion::print() const { std::printf("%f : %f, %f, %f\n", w, x, y, z); }
