#include "render/HiddenSides.h"

#include "math/Matrix44.h"
#include "render/MeshSides.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Sides meet when their centres agree to a millionth of the block's size: a thousandth of a
// pixel or less, far below anything the rasteriser can show, far above the rounding of the
// placements.
constexpr double kMeet = 1e-6;
constexpr double kParallel = 1e-9;
// A side is turned away when the eye lies this far behind its plane, against the block's size:
// a side seen nearly edge on is left to the rasteriser's culling, which decides it in floats.
constexpr double kTurnedAway = 1e-4;
// glRotated leaves the matrix as it is for an axis shorter than this.
constexpr double kShortestAxis = 1e-4;

double dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The model's axes in the world: the columns of the rotation glRotated makes.
void rotationColumns(const SP3D& s, double columns[3][3]) {
    vec3D axis;
    axis.set(s.axisX, s.axisY, s.axisZ);
    Matrix44 rotation;
    rotation.setRotation(s.angle * std::numbers::pi / 180.0, axis);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row) columns[column][row] = rotation.m[row][column];
}

}  // namespace

const std::vector<uint8_t>& HiddenSides::find(std::span<const SP3D> sprites, double halfSize, const double eye[3]) {
    hidden.assign(sprites.size(), 0);
    sides.clear();
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const SP3D& s = sprites[i];
        const double axisLength = std::sqrt(s.axisX * s.axisX + s.axisY * s.axisY + s.axisZ * s.axisZ);
        if (!(s.scaleX > 0) || s.scaleY != s.scaleX || s.scaleZ != s.scaleX || !(axisLength > kShortestAxis))
            continue;
        double columns[3][3];
        rotationColumns(s, columns);
        const double position[3] = {s.x, s.y, s.z};
        const double reach = halfSize * s.scaleX;
        // Cells far larger than the tolerance: sides that meet share one, but for the rare
        // pair either side of a cell's edge, which is then drawn as if apart.
        const double cellSize = reach * 1e-3;
        for (int side = 0; side < MeshSides::kSides; ++side) {
            const double sign = side % 2 == 0 ? 1.0 : -1.0;
            Side entry{0, static_cast<int32_t>(i), side, {}, {}, {}};
            double toEye[3];
            for (int k = 0; k < 3; ++k) {
                entry.normal[k] = sign * columns[side / 2][k];
                entry.centre[k] = position[k] + reach * entry.normal[k];
                entry.across[k] = columns[(side / 2 + 1) % 3][k];
                entry.cell = entry.cell * 0x9E3779B97F4A7C15ull +
                             static_cast<uint64_t>(std::llround(entry.centre[k] / cellSize));
                toEye[k] = eye[k] - entry.centre[k];
            }
            if (dot(toEye, entry.normal) < -kTurnedAway * reach) hidden[i] |= static_cast<uint8_t>(1u << side);
            sides.push_back(entry);
        }
    }
    markTouching(sprites, halfSize);
    return hidden;
}

void HiddenSides::markTouching(std::span<const SP3D> sprites, double halfSize) {
    std::sort(sides.begin(), sides.end(), [](const Side& a, const Side& b) { return a.cell < b.cell; });
    for (std::size_t first = 0; first < sides.size();) {
        std::size_t end = first + 1;
        while (end < sides.size() && sides[end].cell == sides[first].cell) ++end;
        for (std::size_t a = first; a < end; ++a)
            for (std::size_t b = a + 1; b < end; ++b) {
                const Side& p = sides[a];
                const Side& q = sides[b];
                const double reach = halfSize * sprites[p.sprite].scaleX;
                double gap[3], qOther[3];  // between the centres; q's second edge direction
                for (int k = 0; k < 3; ++k) {
                    gap[k] = p.centre[k] - q.centre[k];
                    qOther[k] = q.normal[(k + 1) % 3] * q.across[(k + 2) % 3] -
                                q.normal[(k + 2) % 3] * q.across[(k + 1) % 3];
                }
                // Square to square: same size, same centre, facing each other, edges parallel.
                const bool meet = p.sprite != q.sprite && sprites[q.sprite].scaleX == sprites[p.sprite].scaleX &&
                                  std::sqrt(dot(gap, gap)) <= kMeet * reach &&
                                  dot(p.normal, q.normal) <= -1.0 + kParallel &&
                                  (std::abs(dot(p.across, q.across)) >= 1.0 - kParallel ||
                                   std::abs(dot(p.across, qOther)) >= 1.0 - kParallel);
                if (!meet) continue;
                hidden[p.sprite] |= static_cast<uint8_t>(1u << p.side);
                hidden[q.sprite] |= static_cast<uint8_t>(1u << q.side);
            }
        first = end;
    }
}
