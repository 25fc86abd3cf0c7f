// The sides the renderer leaves out: which models may touch (MeshSides) and, frame by frame,
// which sides touch or are turned away from the eye (HiddenSides).

#include "assets/OBJ3D.h"
#include "render/HiddenSides.h"
#include "render/MeshSides.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

namespace {

using Corner = std::array<double, 3>;

Corner unmoved(Corner c) { return c; }

// A cube of half size 1 as 12 outward triangles of one material, each corner moved by `move`;
// `skip` leaves one triangle out, `inward` winds them all the other way.
std::unique_ptr<Object3D> cube(const std::function<Corner(Corner)>& move = unmoved,
                               int skip = -1, bool inward = false) {
    auto mesh = std::make_unique<Object3D>();
    mesh->addMaterial("m");
    mesh->endMaterials();
    int triangle = 0;
    for (int axis = 0; axis < 3; ++axis)
        for (const double sign : {1.0, -1.0}) {
            const int first = mesh->vertexCount + 1;
            for (const auto& [u, v] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
                Corner c{};
                c[axis] = sign;
                c[(axis + 1) % 3] = u;
                c[(axis + 2) % 3] = v * sign;  // outward for either sign
                c = move(c);
                mesh->addVertex(c[0], c[1], c[2]);
            }
            for (const auto& [b, c] : {std::pair{1, 2}, {2, 3}}) {
                const int32_t none[4] = {};
                const int32_t corners[4] = {first, first + (inward ? c : b), first + (inward ? b : c), 0};
                if (triangle++ != skip) mesh->addFace("m", corners, none, none);
            }
        }
    testing::internal::CaptureStdout();
    mesh->finish();
    testing::internal::GetCapturedStdout();
    return mesh;
}

}  // namespace

TEST(MeshSidesTest, TheDemosBlockAndACubeMayTouchWithTheirSidesSorted) {
    OBJ3D reader;
    testing::internal::CaptureStdout();
    reader.open(TWISTBLOCKS_DATA_DIR "/3d_obj/block.obj");
    reader.load();
    testing::internal::GetCapturedStdout();
    const Object3D& block = *reader.mesh;
    ASSERT_EQ(MeshSides::touchingHalfSize(block), 1.0);
    // The stickers are the squares, two triangles on each side; the bevelled body is on none.
    for (const auto& [name, m] : block.materialIndex) {
        std::array<int, MeshSides::kPieces> count{};
        for (const face3D& f : block.vertexFaces[m])
            ++count[MeshSides::sideOf(block.vertices[f.a], block.vertices[f.b], block.vertices[f.c], 1.0)];
        if (name == "stickers")
            EXPECT_EQ(count, (std::array{2, 2, 2, 2, 2, 2, 0}));
        else
            EXPECT_EQ(count[MeshSides::kNoSide], static_cast<int>(block.vertexFaces[m].size()));
    }
    EXPECT_EQ(MeshSides::touchingHalfSize(*cube([](Corner c) { return Corner{c[0] / 2, c[1] / 2, c[2] / 2}; })), 0.5);
}

TEST(MeshSidesTest, ModelsWhoseBlocksCannotTouchSquareToSquareAreRefused) {
    const struct {
        const char* what;
        std::unique_ptr<Object3D> mesh;
    } refused[] = {
        {"a hole", cube(unmoved, 7)},
        {"wound inwards", cube(unmoved, -1, true)},
        {"a box longer than wide", cube([](Corner c) { return Corner{2 * c[0], c[1], c[2]}; })},
        {"off centre", cube([](Corner c) { return Corner{c[0] + 0.1, c[1], c[2]}; })},
        // Convex and closed in a cube, but its +x square is smaller than its -x square.
        {"a frustum", cube([](Corner c) { return c[0] > 0 ? Corner{c[0], c[1] / 2, c[2] / 2} : c; })},
    };
    for (const auto& r : refused) EXPECT_EQ(MeshSides::touchingHalfSize(*r.mesh), 0) << r.what;
}

namespace {

SP3D block(double x, double y, double z, double angle = 0, Corner axis = {0, 0, 1}, double scale = 0.1) {
    return SP3D{0, BLEND_NORMAL, x, y, z, axis[0], axis[1], axis[2], angle, scale, scale, scale};
}

constexpr uint8_t kPlusX = 1, kMinusX = 2;

}  // namespace

TEST(HiddenSidesTest, SidesHideOnlyWhereTwoBlocksMeetSquareToSquare) {
    // A at the origin; the eye on the plane where they would meet, so that neither side is
    // turned away from it.
    const double eye[3] = {0.1, 0, 0};
    const struct {
        const char* what;
        SP3D other;
        bool hidden;
    } cases[] = {
        {"side by side", block(0.2, 0, 0), true},
        {"the other turned a quarter about the axis between them", block(0.2, 0, 0, 90, {1, 0, 0}), true},
        {"the other lying on another side", block(0.2, 0, 0, -90, {0, 2, 0}), true},
        {"a gap of a thousandth of a block", block(0.2002, 0, 0), false},
        {"the other turned an eighth: its square crosses A's", block(0.2, 0, 0, 45, {1, 0, 0}), false},
        {"the other tilted", block(0.2, 0, 0, 10, {0, 0, 1}), false},
        {"the other larger, touching", block(0.3, 0, 0, 0, {0, 0, 1}, 0.2), false},
    };
    HiddenSides sides;
    for (const auto& c : cases) {
        const SP3D pair[] = {block(0, 0, 0), c.other};
        const std::vector<uint8_t>& hidden = sides.find(pair, 1.0, eye);
        EXPECT_EQ((hidden[0] & kPlusX) != 0, c.hidden) << c.what;
    }
    const SP3D pair[] = {block(0, 0, 0), block(0.2, 0, 0)};
    EXPECT_NE(sides.find(pair, 1.0, eye)[1] & kMinusX, 0) << "both squares hide";
    SP3D uneven = block(0, 0, 0);
    uneven.scaleX = 0.2;
    const SP3D unevenPair[] = {uneven, block(0.2, 0, 0)};
    EXPECT_EQ(sides.find(unevenPair, 1.0, eye)[0], 0) << "a block scaled unevenly hides nothing";
}

TEST(HiddenSidesTest, SidesTurnedAwayFromTheEyeHide) {
    HiddenSides sides;
    const double eye[3] = {5, 5, 10};
    const SP3D upright[] = {block(0, 0, 0)};
    EXPECT_EQ(sides.find(upright, 1.0, eye)[0], 0b101010);  // -x, -y and -z
    // A quarter turn about y: the model's +z faces +x, its -x faces +z, its +x faces -z.
    const SP3D turned[] = {block(0, 0, 0, 90, {0, 3, 0})};
    EXPECT_EQ(sides.find(turned, 1.0, eye)[0], 0b101001);
    // Seen edge on, a side is left to the rasteriser.
    const double level[3] = {0.1, 5, 10};
    EXPECT_EQ(sides.find(upright, 1.0, level)[0] & kPlusX, 0);
    EXPECT_NE(sides.find(upright, 1.0, level)[0] & kMinusX, 0);
}
