#pragma once
// MeshSides: the sides of a block model that two blocks can stand on face to face.
//
// A model qualifies when it is closed and convex with its faces wound outwards, its bounding
// box is a cube centred on the origin, and on every side of that cube it has the same centred
// square face. When two such blocks touch square to square, each square is hidden for good: a
// ray reaching one of them from outside runs through the other block first, so it met a
// nearer front face on its way. The renderer leaves such squares out.

#include "assets/Object3D.h"

namespace MeshSides {

constexpr int kSides = 6;        // +x, -x, +y, -y, +z, -z of the model
constexpr int kNoSide = kSides;  // a triangle off the sides
constexpr int kPieces = kSides + 1;

// The half size of the model's bounding cube when blocks of it can touch as above, else 0.
double touchingHalfSize(const Object3D& mesh);

// The side the triangle lies in (all three corners on it), or kNoSide.
int sideOf(const vec3D& a, const vec3D& b, const vec3D& c, double halfSize);

}  // namespace MeshSides
