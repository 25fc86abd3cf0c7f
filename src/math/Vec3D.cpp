#include "math/Vec3D.h"

#include <cmath>
#include <cstdio>

void vec3D::set(double nx, double ny, double nz) {
    x = nx;
    y = ny;
    z = nz;
}

void vec3D::add(vec3D v) { set(x + v.x, y + v.y, z + v.z); }
void vec3D::add(double s) { set(x + s, y + s, z + s); }
void vec3D::sub(vec3D v) { set(x - v.x, y - v.y, z - v.z); }
void vec3D::sub(double s) { set(x - s, y - s, z - s); }
void vec3D::negate() { set(-x, -y, -z); }
void vec3D::scale(double s) { set(x * s, y * s, z * s); }

bool vec3D::equals(vec3D v) const { return x == v.x && y == v.y && z == v.z; }

double vec3D::distance(vec3D v) const {
    v.sub(*this);
    return v.length();
}

double vec3D::length() const { return std::sqrt(x * x + y * y + z * z); }

double vec3D::normalize() {
    const double n = length();
    if (n == 0.0)
        set(0.0, 0.0, 0.0);
    else
        set(x / n, y / n, z / n);
    return n;
}

void vec3D::rotate(double angle, vec3D a) {
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    const double t = 1.0 - c;
    const double nx = (a.x * a.x * t + c) * x + (a.x * a.y * t - a.z * s) * y + (a.x * a.z * t + a.y * s) * z;
    const double ny = (a.x * a.y * t + a.z * s) * x + (a.y * a.y * t + c) * y + (a.y * a.z * t - a.x * s) * z;
    const double nz = (a.x * a.z * t - a.y * s) * x + (a.y * a.z * t + a.x * s) * y + (a.z * a.z * t + c) * z;
    set(nx, ny, nz);
}

double vec3D::dot(vec3D v) const { return v.x * x + v.y * y + v.z * z; }

void vec3D::cross(vec3D b) {
    const vec3D a = *this;
    set(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

bool vec3D::intersectPlane(vec3D origin, vec3D dir, vec3D point, vec3D normal) {
    const double den = dir.dot(normal);
    if (den == 0.0) return false;
    point.sub(origin);
    const double t = point.dot(normal) / den;
    set(origin.x + t * dir.x, origin.y + t * dir.y, origin.z + t * dir.z);
    return true;
}

bool vec3D::inTriangle(vec3D p, vec3D a, vec3D b, vec3D c) const {
    a.sub(p);
    b.sub(p);
    c.sub(p);
    vec3D u1 = a, u2 = b, u3 = c;
    u1.cross(b);
    u2.cross(c);
    u3.cross(a);
    // 0 and NaN count as positive.
    auto sign = [](double d) { return d < 0.0 ? -1 : 1; };
    const int s1 = sign(u1.dot(u2));
    const int s2 = sign(u2.dot(u3));
    const int s3 = sign(u3.dot(u1));
    return s1 == s2 && s2 == s3;
}

void vec3D::print() const { std::printf("x=%f, y=%f, z=%f\n", x, y, z); }
