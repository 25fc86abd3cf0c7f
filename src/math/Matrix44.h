#pragma once
// Matrix44: a 4 x 4 double matrix, row-major m[row][column], acting on column vectors
// (v' = m·v), so a translation lies in column 3. Operations work in place.

#include "math/Vec3D.h"

class Matrix44 {
public:
    Matrix44();
    virtual ~Matrix44() = default;

    // Four lines "%f,%f,%f,%f\n", one per row, on standard output.
    virtual void print() const;
    virtual void identity();
    // Right-handed rotation by angle (radians) about the axis, which is normalised
    // here; a zero axis leaves the diagonal (cos, cos, cos, 1).
    virtual void setRotation(double angle, vec3D axis);
    // The identity with column 3 = (v.x, v.y, v.z, 1).
    virtual void setTranslation(vec3D v);
    virtual void add(const Matrix44& o);
    virtual void sub(const Matrix44& o);
    virtual void mul(double s);
    virtual void div(double s);
    // m <- m·o (o may be this matrix).
    virtual void mul(const Matrix44& o);

    double m[4][4];
};
