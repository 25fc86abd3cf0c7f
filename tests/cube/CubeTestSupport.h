#pragma once
// Helpers shared by the cube tests: reading the whole grid back and checking the
// invariant that ties each block's orientation to the cell it occupies.

#include "cube/Twistblock.h"

#include <gtest/gtest.h>

#include <cmath>

// Exposes the grid of a Twistblock to the tests.
class InspectableCube : public Twistblock {
public:
    const Block& at(int x, int y, int z) { return blocks[z][y * getSize() + x]; }
};

inline bool sameRotation(const Quaternion& a, const Quaternion& b, double tolerance = 1e-9) {
    const bool same = std::fabs(a.w - b.w) < tolerance && std::fabs(a.x - b.x) < tolerance &&
                      std::fabs(a.y - b.y) < tolerance && std::fabs(a.z - b.z) < tolerance;
    const bool negated = std::fabs(a.w + b.w) < tolerance && std::fabs(a.x + b.x) < tolerance &&
                         std::fabs(a.y + b.y) < tolerance && std::fabs(a.z + b.z) < tolerance;
    return same || negated;
}

// For every block: its home offset from the centre, rotated by rot, is its cell's offset.
inline void expectOrientationsMatchCells(InspectableCube& cube) {
    const int n = cube.getSize();
    const double centre = (n - 1) * 0.5;
    for (int z = 0; z < n; ++z)
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const Block& b = cube.at(x, y, z);
                vec3D home;
                home.set(b.x - centre, b.y - centre, b.z - centre);
                // Rotate by q·v·q*, written out as vectors to stay independent of Twistblock.
                const Quaternion& q = b.rot;
                vec3D u;
                u.set(q.x, q.y, q.z);
                vec3D t = u;
                t.cross(home);
                t.scale(2.0);
                vec3D rotated = home;
                vec3D w = t;
                w.scale(q.w);
                rotated.add(w);
                vec3D ut = u;
                ut.cross(t);
                rotated.add(ut);
                ASSERT_NEAR(rotated.x, x - centre, 1e-9) << "cell " << x << "," << y << "," << z;
                ASSERT_NEAR(rotated.y, y - centre, 1e-9) << "cell " << x << "," << y << "," << z;
                ASSERT_NEAR(rotated.z, z - centre, 1e-9) << "cell " << x << "," << y << "," << z;
            }
}
