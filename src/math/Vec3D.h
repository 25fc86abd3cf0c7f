#pragma once
// vec3D, vec2D and face3D: the vector and triangle records of the system.
// All angles are radians; rotations are right-handed (counter-clockwise seen from
// the tip of the axis), the same sense as Quaternion::setRotation.

#include <cstdint>
#include <limits>

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct vec3D {
    double x = kNaN;
    double y = kNaN;
    double z = kNaN;
    double w = kNaN;  // carried along with copies; no operation reads or writes it

    void set(double nx, double ny, double nz);
    void add(vec3D v);
    void add(double s);
    void sub(vec3D v);
    void sub(double s);
    void negate();
    void scale(double s);
    bool equals(vec3D v) const;
    double distance(vec3D v) const;
    double length() const;
    // Scales to unit length (a zero vector stays zero); returns the length before.
    double normalize();
    // Turns the point about the axis through the origin; the axis is used as given
    // (not normalised), so callers pass unit axes.
    void rotate(double angle, vec3D axis);
    double dot(vec3D v) const;
    // this <- this x v
    void cross(vec3D v);
    // The point where the line origin + t*dir meets the plane through point with the
    // given normal, into this; false (and this unchanged) when the line is parallel.
    bool intersectPlane(vec3D origin, vec3D dir, vec3D point, vec3D normal);
    // Whether p, in the triangle's plane, lies inside a, b, c or on an edge. Reads not this.
    bool inTriangle(vec3D p, vec3D a, vec3D b, vec3D c) const;
    // "x=%f, y=%f, z=%f\n" on standard output.
    void print() const;
};

struct vec2D {
    double x = kNaN;
    double y = kNaN;
};

// A triangle: 0-based corner indices into one of a mesh's shared arrays, -1 where the
// model gave none. d is never written.
struct face3D {
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    int32_t d = 0;
};
