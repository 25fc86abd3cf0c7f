#pragma once
// Quaternion: the rotation type. w first; the unit quaternion (cos(θ/2), sin(θ/2)·a)
// is the right-handed rotation by θ radians about the unit axis a. a ⊗ b applies b
// first. No operation normalises the sign or the length.

#include "math/Vec3D.h"

class Matrix44;

struct Quaternion {
    double w = 1.0;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    void set(double nw, double nx, double ny, double nz);
    void set(double nw, const vec3D& v);
    void set(const Quaternion& q);
    // Rotation by angle about axis. A negative angle is made positive by negating the
    // axis, and this form negates the caller's vector itself.
    void setRotation(double angle, vec3D& axis);
    // Rotation by angle about (ax, ay, az); a zero axis means +Z.
    void setRotation(double angle, double ax, double ay, double az);
    // Keeps the direction of the vector part and replaces the angle.
    void setAngle(double angle);
    // this <- this ⊗ q (q may be this quaternion itself).
    void mul(const Quaternion& q);
    void conjugate();
    // 2·acos(w), from 0 to 2π.
    double getAngle() const;
    // Unit rotation axis; (1, 0, 0) for angle 0, (0, 0, 0) for a zero vector part.
    vec3D getAxis() const;
    void toMatrix(Matrix44& m) const;
    // "%f : %f, %f, %f\n" of w, x, y, z on standard output.
    void print() const;
};
