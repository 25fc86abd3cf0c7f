#pragma once
// Helpers shared by the cube tests: reading the grid back, the invariant that ties each
// block's orientation to the cell it occupies, and pose lists compared as sets.

#include "cube/Twistblock.h"

#include <gtest/gtest.h>

#include <cmath>

// Exposes the grid of a Twistblock to the tests.
class InspectableCube : public Twistblock {
public:
    const Block& at(int x, int y, int z) { return blocks[z][y * getSize() + x]; }
};

// The same rotation: q and -q stand for the same one.
inline bool sameRotation(const Quaternion& a, const Quaternion& b, double tolerance = 1e-9) {
    return std::fabs(std::fabs(a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z) - 1.0) < tolerance;
}

// For every block: its home offset from the centre, rotated by rot, is its cell's offset;
// and every home cell occurs exactly once.
inline void expectOrientationsMatchCells(InspectableCube& cube) {
    const int n = cube.getSize();
    const double centre = (n - 1) * 0.5;
    std::vector<int> homes(static_cast<std::size_t>(n) * n * n, 0);
    for (int z = 0; z < n; ++z)
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const Block& b = cube.at(x, y, z);
                ++homes.at(static_cast<std::size_t>((b.z * n + b.y) * n + b.x));
                vec3D offset;
                offset.set(b.x - centre, b.y - centre, b.z - centre);
                offset.rotate(b.rot.getAngle(), b.rot.getAxis());  // acos: good to about 1e-8
                ASSERT_NEAR(offset.x, x - centre, 1e-6) << "cell " << x << "," << y << "," << z;
                ASSERT_NEAR(offset.y, y - centre, 1e-6) << "cell " << x << "," << y << "," << z;
                ASSERT_NEAR(offset.z, z - centre, 1e-6) << "cell " << x << "," << y << "," << z;
            }
    ASSERT_EQ(std::count(homes.begin(), homes.end(), 1), n * n * n);
}

// Every pose of `a` has one of `b` at the same place in the same orientation.
inline void expectSamePoses(const Array<Anim>& a, const Array<Anim>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        bool found = false;
        for (const Anim& other : b)
            found = found || (std::fabs(a[i].pos.x - other.pos.x) < 1e-9 && std::fabs(a[i].pos.y - other.pos.y) < 1e-9 &&
                              std::fabs(a[i].pos.z - other.pos.z) < 1e-9 && sameRotation(a[i].rot, other.rot));
        ASSERT_TRUE(found) << "pose " << i;
    }
}
