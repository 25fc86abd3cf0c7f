#include "render/MeshSides.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace MeshSides {

namespace {

using Point = std::array<double, 3>;
using Triangle = std::array<Point, 3>;

// Positions are compared with a tolerance this fine against the model's size: far below a
// pixel, far above the rounding of numbers read from text.
constexpr double kTolerance = 1e-9;
// The convexity check compares every corner with every face: blocks have a few dozen faces,
// and a model of many thousands is no block.
constexpr std::size_t kMostTriangles = 2048;

Point point(const vec3D& v) { return {v.x, v.y, v.z}; }

Point minus(const Point& a, const Point& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Point cross(const Point& a, const Point& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double dot(const Point& a, const Point& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Whether p lies on the cube's side (+x, -x, +y, -y, +z, -z) of this half size.
bool onSide(const Point& p, int side, double half) {
    const double level = side % 2 == 0 ? half : -half;
    return std::abs(p[side / 2] - level) <= kTolerance * half;
}

// Every triangle the renderer draws: those with all three corners in the positions.
std::vector<Triangle> drawnTriangles(const Object3D& mesh) {
    std::vector<Triangle> triangles;
    const auto inside = [&](int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < mesh.vertices.size(); };
    for (std::size_t m = 0; m < mesh.vertexFaces.size(); ++m)
        for (const face3D& f : mesh.vertexFaces[m])
            if (inside(f.a) && inside(f.b) && inside(f.c))
                triangles.push_back({point(mesh.vertices[f.a]), point(mesh.vertices[f.b]), point(mesh.vertices[f.c])});
    return triangles;
}

// Every edge is met once in each direction: no hole, no edge shared by three faces, and
// neighbouring faces wound the same way.
bool closed(const std::vector<Triangle>& triangles) {
    std::vector<std::array<Point, 2>> forward, backward;
    for (const Triangle& t : triangles)
        for (int k = 0; k < 3; ++k) {
            forward.push_back({t[k], t[(k + 1) % 3]});
            backward.push_back({t[(k + 1) % 3], t[k]});
        }
    std::sort(forward.begin(), forward.end());
    std::sort(backward.begin(), backward.end());
    return forward == backward;
}

// No corner lies in front of any face: convex, and wound so that front faces look outwards.
bool convexOutwards(const std::vector<Triangle>& triangles, double size) {
    for (const Triangle& t : triangles) {
        const Point normal = cross(minus(t[1], t[0]), minus(t[2], t[0]));
        const double length = std::sqrt(dot(normal, normal));
        if (length == 0) return false;
        for (const Triangle& other : triangles)
            for (const Point& p : other)
                if (dot(normal, minus(p, t[0])) > kTolerance * size * length) return false;
    }
    return true;
}

// The half size of the centred bounding cube, or 0 when the box is not one.
double centredCubeHalfSize(const std::vector<Triangle>& triangles) {
    Point low = triangles[0][0], high = low;
    for (const Triangle& t : triangles)
        for (const Point& p : t)
            for (int axis = 0; axis < 3; ++axis) {
                low[axis] = std::min(low[axis], p[axis]);
                high[axis] = std::max(high[axis], p[axis]);
            }
    const double half = high[0];
    for (int axis = 0; axis < 3; ++axis)
        if (std::abs(high[axis] - half) > kTolerance * half || std::abs(low[axis] + half) > kTolerance * half)
            return 0;
    return half > 0 ? half : 0;
}

// The corners on one side, in the side's own two coordinates.
std::vector<std::array<double, 2>> cornersOnSide(const std::vector<Triangle>& triangles, int side, double half) {
    const int axis = side / 2;
    std::vector<std::array<double, 2>> corners;
    for (const Triangle& t : triangles)
        for (const Point& p : t)
            if (onSide(p, side, half)) corners.push_back({p[(axis + 1) % 3], p[(axis + 2) % 3]});
    return corners;
}

// The side's face is the square |u|, |v| <= square: on a convex model the face in a side is
// the hull of the corners on it, and here those reach no further than the square and include
// its four corners.
bool sideIsSquare(const std::vector<std::array<double, 2>>& corners, double square, double half) {
    const double tolerance = kTolerance * half;
    for (const auto& c : corners)
        if (std::abs(c[0]) > square + tolerance || std::abs(c[1]) > square + tolerance) return false;
    for (const double u : {-square, square})
        for (const double v : {-square, square})
            if (std::none_of(corners.begin(), corners.end(), [&](const auto& c) {
                    return std::abs(c[0] - u) <= tolerance && std::abs(c[1] - v) <= tolerance;
                }))
                return false;
    return true;
}

}  // namespace

double touchingHalfSize(const Object3D& mesh) {
    std::size_t count = 0;
    for (const Array<face3D>& faces : mesh.vertexFaces) count += faces.size();
    if (count > kMostTriangles) return 0;  // before copying the triangles of a large model
    const std::vector<Triangle> triangles = drawnTriangles(mesh);
    if (triangles.empty()) return 0;
    const double half = centredCubeHalfSize(triangles);
    if (half == 0) return 0;
    const std::vector<std::array<double, 2>> first = cornersOnSide(triangles, 0, half);
    double square = 0;
    for (const auto& c : first) square = std::max({square, std::abs(c[0]), std::abs(c[1])});
    if (square <= kTolerance * half) return 0;
    for (int side = 0; side < kSides; ++side)
        if (!sideIsSquare(cornersOnSide(triangles, side, half), square, half)) return 0;
    return closed(triangles) && convexOutwards(triangles, half) ? half : 0;
}

int sideOf(const vec3D& a, const vec3D& b, const vec3D& c, double halfSize) {
    const Point corners[3] = {point(a), point(b), point(c)};
    for (int side = 0; side < kSides; ++side)
        if (std::all_of(std::begin(corners), std::end(corners), [&](const Point& p) { return onSide(p, side, halfSize); }))
            return side;
    return kNoSide;
}

}  // namespace MeshSides
