#include "cube/Twistblock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

namespace {

// Exposes the grid of a Twistblock to the tests.
class InspectableCube : public Twistblock {
public:
    const Block& at(int x, int y, int z) { return blocks[z][y * getSize() + x]; }
};

// The same rotation: q and -q stand for the same one.
bool sameRotation(const Quaternion& a, const Quaternion& b) {
    return std::fabs(std::fabs(a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z) - 1.0) < 1e-9;
}

// For every block: its home offset from the centre, rotated by rot, is its cell's offset;
// and every home cell occurs exactly once.
void expectOrientationsMatchCells(InspectableCube& cube) {
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
                ASSERT_LT(std::hypot(offset.x - (x - centre), offset.y - (y - centre), offset.z - (z - centre)), 1e-6)
                    << "cell " << x << "," << y << "," << z;
            }
    ASSERT_EQ(std::count(homes.begin(), homes.end(), 1), n * n * n);
}

// Every pose of `a` has one of `b` at the same place in the same orientation.
void expectSamePoses(const Array<Anim>& a, const Array<Anim>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_TRUE(std::any_of(b.begin(), b.end(), [&](const Anim& o) {
            return std::hypot(a[i].pos.x - o.pos.x, a[i].pos.y - o.pos.y, a[i].pos.z - o.pos.z) < 1e-9 &&
                   sameRotation(a[i].rot, o.rot);
        })) << "pose " << i;
}

}  // namespace

// One quarter turn of each axis, and the arguments that mean the same or nothing: where the
// block from one home cell goes and the orientation it takes (X and Z turn clockwise seen
// from their positive end, Y counter-clockwise).
TEST(TwistblockTest, TurnsMoveBlocksTheirWay) {
    const double c = std::cos(M_PI / 4), s = std::sin(M_PI / 4);
    const struct {
        int n, axis, layer, dir, result;
        int home[3], cell[3];
        Quaternion rot;
    } cases[] = {
        {2, 0, 0, 1, 0, {0, 0, 0}, {0, 0, 1}, {c, -s, 0, 0}},
        {2, 1, 0, 1, 0, {1, 0, 0}, {0, 0, 0}, {c, 0, s, 0}},
        {2, 2, 0, 1, 0, {0, 0, 0}, {0, 1, 0}, {c, 0, 0, -s}},
        {2, 2, 1, 1, 0, {0, 0, 0}, {0, 0, 0}, {}},  // another layer
        {2, 0, 0, 5, 0, {0, 0, 0}, {0, 0, 1}, {c, -s, 0, 0}},  // taken modulo 4
        {2, 0, 0, 3, 0, {0, 0, 0}, {0, 1, 0}, {c, s, 0, 0}},
        {2, 1, 1, 2, 0, {0, 1, 0}, {1, 1, 1}, {0, 0, 1, 0}},
        {3, 1, 1, 1, 0, {1, 1, 1}, {1, 1, 1}, {c, 0, s, 0}},  // the centre turns in place
        {3, 0, 1, 4, 0, {0, 1, 2}, {0, 1, 2}, {}},
        {3, 0, 1, -1, 0, {0, 1, 2}, {0, 1, 2}, {}},
        {3, 3, 0, 1, -1, {0, 0, 0}, {0, 0, 0}, {}},
        {3, 0, 3, 1, -1, {2, 0, 0}, {2, 0, 0}, {}},
        {3, 1, -1, 1, -1, {0, 0, 0}, {0, 0, 0}, {}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << "n=" << t.n << " axis=" << t.axis << " layer=" << t.layer << " dir=" << t.dir);
        InspectableCube cube;
        ASSERT_EQ(cube.init(t.n), 0);
        EXPECT_EQ(cube.rotate(t.axis, t.layer, t.dir), t.result);
        const Block& b = cube.at(t.cell[0], t.cell[1], t.cell[2]);
        EXPECT_EQ(std::tie(b.x, b.y, b.z), std::tie(t.home[0], t.home[1], t.home[2]));
        EXPECT_TRUE(sameRotation(b.rot, t.rot));
        expectOrientationsMatchCells(cube);
    }
}

// Random turns of every size: the invariant holds after every move, the last frame of a
// turn's animation is the committed state, and the inverse turns solve the cube again.
TEST(TwistblockTest, RandomTurnsKeepTheInvariantAndUnwind) {
    std::mt19937 random(12345);
    for (int n = 2; n <= 6; ++n) {
        SCOPED_TRACE(n);
        InspectableCube cube;
        cube.init(n);
        std::vector<std::tuple<int, int, int>> moves;
        for (int i = 0; i < 40; ++i) {
            const int axis = random() % 3, layer = random() % n, dir = 1 + random() % 3;
            const Array<Anim> animationEnd = cube.getAnim(axis, layer, dir, 0.2, 1.0);
            ASSERT_EQ(cube.rotate(axis, layer, dir), 0);
            moves.emplace_back(axis, layer, dir);
            expectOrientationsMatchCells(cube);
            expectSamePoses(animationEnd, cube.getAnim(axis, layer, dir, 0.2, 0.0));
        }
        for (auto it = moves.rbegin(); it != moves.rend(); ++it)
            cube.rotate(std::get<0>(*it), std::get<1>(*it), 4 - std::get<2>(*it));
        for (int cell = 0; cell < n * n * n; ++cell) {
            const Block& b = cube.at(cell % n, cell / n % n, cell / (n * n));
            ASSERT_EQ(std::tuple(b.x, b.y, b.z), std::tuple(cell % n, cell / n % n, cell / (n * n)));
            ASSERT_TRUE(sameRotation(b.rot, Quaternion()));
        }
    }
}

TEST(TwistblockTest, BadSizesAndCellsAreRefused) {
    InspectableCube cube;
    EXPECT_EQ(cube.rotate(0, 0, 1), -1);  // no cube yet
    EXPECT_TRUE(cube.getAnim(0, 0, 1, 0.2, 0.5).empty());
    ASSERT_EQ(cube.init(3), 0);
    cube.rotate(1, 2, 1);
    const Block moved = cube.at(0, 2, 0);
    EXPECT_EQ(cube.init(1), -1);  // the previous cube is kept
    EXPECT_EQ(cube.getSize(), 3);
    EXPECT_EQ(cube.at(0, 2, 0).x, moved.x);
    EXPECT_EQ(cube.at(0, 2, 0).z, moved.z);
    // x = 3 would alias the next row's first cell.
    for (const auto& [x, y, z] : {std::tuple{3, 1, 1}, {0, -1, 0}, {0, 0, 3}})
        EXPECT_THROW(cube.getRotation(x, y, z), IndexError);
}
