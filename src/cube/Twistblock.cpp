#include "cube/Twistblock.h"

#include <string>

namespace {

// r·π/2 for r = 1, 2, 3, as the double constants the turns have always used.
constexpr double kQuarterTurns[4] = {0.0, 1.5707963267948966, 3.141592653589793, 4.71238898038469};
constexpr long double kTwoPi = 6.283185307179586476925286766559L;

}  // namespace

int Twistblock::init(int n) {
    if (n < 2) return -1;
    blocks.release();
    buffer.release();
    blocks.resize(n);
    for (int z = 0; z < n; ++z) {
        Array<Block>& layer = blocks[z];
        layer.resize(static_cast<std::size_t>(n) * n);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                Block& block = layer[y * n + x];
                block.x = x;
                block.y = y;
                block.z = z;
                block.rot.setRotation(0.0, 1.0, 0.0, 0.0);
            }
    }
    buffer.resize(static_cast<std::size_t>(n) * n);
    size = n;
    return 0;
}

Quaternion Twistblock::getRotation(int x, int y, int z) {
    if (x < 0 || x >= size || y < 0 || y >= size || z < 0 || z >= size)
        throw IndexError("cell (" + std::to_string(x) + ", " + std::to_string(y) + ", " +
                             std::to_string(z) + ") outside a cube of " + std::to_string(size),
                         std::source_location::current());
    return blocks[z][y * size + x].rot;
}

int Twistblock::rotate(int axis, int layer, int dir) {
    switch (axis) {
    case 0: return rotateX(layer, dir);
    case 1: return rotateY(layer, dir);
    case 2: return rotateZ(layer, dir);
    default: return -1;
    }
}

int Twistblock::rotateX(int layer, int dir) { return turnLayer(Axis::X, layer, dir); }
int Twistblock::rotateY(int layer, int dir) { return turnLayer(Axis::Y, layer, dir); }
int Twistblock::rotateZ(int layer, int dir) { return turnLayer(Axis::Z, layer, dir); }

int Twistblock::getSize() { return size; }

// The three turns share one pattern. In the turned layer a cell is named by the pair
// (p, q) of its free coordinates, (y, z) for X, (x, z) for Y and (x, y) for Z; q is
// the outer loop and p the inner one, so buffer[q·N + p] holds the record of (p, q).
int Twistblock::turnLayer(Axis axis, int layer, int dir) {
    if (layer < 0 || layer >= size) return -1;
    const int n = size;
    auto cell = [&](int p, int q) -> Block& {
        switch (axis) {
        case Axis::X: return blocks[q][p * n + layer];
        case Axis::Y: return blocks[q][layer * n + p];
        default: return blocks[layer][q * n + p];
        }
    };
    for (int q = 0; q < n; ++q)
        for (int p = 0; p < n; ++p) buffer[q * n + p] = cell(p, q);

    const int r = dir % 4;
    if (r <= 0) return 0;

    // X and Z turn by the negative angle about their axis, Y by the positive one.
    const double angle = axis == Axis::Y ? kQuarterTurns[r] : -kQuarterTurns[r];
    Quaternion turn;
    turn.setRotation(angle, axis == Axis::X ? 1.0 : 0.0, axis == Axis::Y ? 1.0 : 0.0,
                     axis == Axis::Z ? 1.0 : 0.0);
    for (int q = 0; q < n; ++q)
        for (int p = 0; p < n; ++p) {
            int np, nq;
            switch (r) {
            case 1: np = q, nq = n - 1 - p; break;
            case 2: np = n - 1 - p, nq = n - 1 - q; break;
            default: np = n - 1 - q, nq = p; break;
            }
            Block& target = cell(np, nq);
            target = buffer[q * n + p];
            Quaternion product = turn;
            product.mul(target.rot);
            target.rot = product;
        }
    return 0;
}

Array<Anim> Twistblock::getAnim(int axis, int layer, int dir, double pitch, double t) {
    const int n = size;
    if (n < 2) return {};  // no cube yet: nothing to show
    const int inner = n - 2;
    Array<Anim> poses(static_cast<std::size_t>(n) * n * n - static_cast<std::size_t>(inner) * inner * inner);
    const double c = pitch * (n - 1) * 0.5;

    // dir 3 is shown as a quarter turn the other way, which ends in the same pose.
    const int d = dir == 3 ? -1 : dir;
    const double angle = static_cast<double>(kTwoPi * t * d * 0.25L);
    vec3D animAxis;
    animAxis.set(axis == 0 ? -1.0 : 0.0, axis == 1 ? 1.0 : 0.0, axis == 2 ? -1.0 : 0.0);
    Quaternion turn;
    turn.setRotation(angle, animAxis.x, animAxis.y, animAxis.z);

    auto onSurface = [n](int x, int y, int z) {
        return x == 0 || y == 0 || z == 0 || x == n - 1 || y == n - 1 || z == n - 1;
    };
    int m = 0;
    for (int z = 0; z < n; ++z)
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                if (!onSurface(x, y, z)) continue;
                Anim& pose = poses[m++];
                pose.pos.set(pitch * x - c, pitch * y - c, pitch * z - c);
                pose.rot = getRotation(x, y, z);
                const bool turning = (axis == 0 && x == layer) || (axis == 1 && y == layer) ||
                                     (axis == 2 && z == layer);
                if (turning) {
                    pose.pos.rotate(angle, animAxis);
                    Quaternion product = turn;
                    product.mul(pose.rot);
                    pose.rot = product;
                }
            }
    return poses;
}
