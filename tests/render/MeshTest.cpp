// Models: lit drawing, a texture that fails while decoding, and triangles whose data is
// missing.

#include "RenderFixture.h"

#include "base/Error.h"

#include <cmath>
#include <filesystem>
#include <thread>
#include <tuple>

namespace {

class MeshTest : public RenderFixture {
protected:
    // Loads the square of one material into pattern pcg; mtl is the MTL text.
    int32_t loadSquare(const std::string& name, const std::string& mtl, int32_t pcg, bool withNormals = true) {
        writeTempFile(name + ".mtl", mtl);
        testing::internal::CaptureStdout();
        const int32_t result =
            sprite.loadModel(writeTempFile(name + ".obj", squareObj(name + ".mtl", "m", withNormals)), pcg);
        testing::internal::GetCapturedStdout();
        return result;
    }
};

// Light 0 at (1, 1, 4.5) with white diffuse and (0.5, 0.5, 0.5) ambient, GL's default
// material ambient 0.2 and global ambient 0.2: a corner at (x, y, 0) facing +z receives
// 0.04 + 0.1 ambient and n.L diffuse, lit per corner. The centre of a square of half side
// `half` lies on the diagonal of both triangles: the mean of the corners (-half, -half) and
// (half, half). Normals stay of unit length whatever the scale (they are renormalised).
int litCentre(double diffuse, double half = 1.0) {
    const auto nDotL = [](double x, double y) { return 4.5 / std::sqrt((1 - x) * (1 - x) + (1 - y) * (1 - y) + 4.5 * 4.5); };
    const double light = (nDotL(-half, -half) + nDotL(half, half)) / 2;
    return static_cast<int>(std::lround(std::min(1.0, 0.14 + light * diffuse) * 255));
}

TEST_F(MeshTest, AModelAtTheOriginCoversTheCentreLitInItsDiffuseColour) {
    ASSERT_EQ(loadSquare("lit", "newmtl m\nKd 0.5 0.25 0\n", 0), 0);
    // Half of the screen's height (z = 0 spans -1 to 1): 128 pixels either side, lit as
    // brightly as at full size (normals are renormalised after scaling).
    sprite.addSprite3D(0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0.5, 0.5, BLEND_NORMAL);
    const Picture picture = drawSettled();
    EXPECT_NEAR(picture.red(256, 256), litCentre(0.5, 0.5), 2);
    EXPECT_NEAR(picture.green(256, 256), litCentre(0.25, 0.5), 2);
    EXPECT_NEAR(picture.blue(256, 256), litCentre(0, 0.5), 2);
    for (const auto& [x, y, background] : {std::tuple{256 - 126, 256, false}, {256 - 130, 256, true},
                                           {256, 256 + 126, false}, {256, 256 + 130, true}})
        EXPECT_EQ(isBackground(picture, x, y), background) << x << ", " << y;
}

TEST_F(MeshTest, ATextureThatFailsWhileDecodingRaisesAndTheContextIsReleased) {
    // A PNG whose header is whole but whose image data is cut short.
    std::vector<uint32_t> noise(64 * 64);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint32_t>(i * 2654435761u) | 0xFF000000u;
    const std::string path = writeTempPng("cut.png", 64, 64, noise);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    EXPECT_THROW(loadSquare("cut", "newmtl m\nmap_Kd cut.png\n", 6), Error);
    std::thread([&] {
        EXPECT_TRUE(wglMakeCurrent(window.info.hDC, window.info.hGLRC));
        wglMakeCurrent(nullptr, nullptr);
    }).join();
    // The renderer goes on: the next load and frame work.
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(loadSquare("after", "newmtl m\nKd 1 0 0\n", 6), 0);
    sprite.addSprite3D(6, 0, 0, 0);
    EXPECT_GT(drawSettled().red(256, 256), 100);
}

TEST_F(MeshTest, TrianglesWithMissingDataAreDrawnWithoutItAndNeverReadOutside) {
    // Normals and texture coordinates absent (-1): drawn, lit with the face normal.
    writeTempPng("white.png", 2, 2, std::vector<uint32_t>(4, rgb(255, 255, 255)));
    ASSERT_EQ(loadSquare("bare", "newmtl m\nKd 0.5 0.5 0.5\nmap_Kd white.png\n", 4, false), 0);
    sprite.addSprite3D(4, 0, 0, 0);
    Picture picture = drawSettled();
    EXPECT_NEAR(picture.red(256, 256), litCentre(0.5), 2);

    // A mesh built by hand with indices past every array and missing positions.
    Object3D mesh;
    mesh.addMaterial("m");
    mesh.setDiffuse(0, 1, 0);
    mesh.endMaterials();
    for (auto [x, y] : {std::pair{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}}) mesh.addVertex(x, y, 0);
    mesh.addNormal(0, 0, 1);
    const int32_t lowerRight[4] = {1, 2, 3, 0};
    const int32_t upperLeft[4] = {1, 3, 4, 0};
    const int32_t past[4] = {99, 99, 99, 0};
    const int32_t none[4] = {0, 0, 0, 0};
    mesh.addFace("m", lowerRight, past, past);  // normals past the array: face normal
    mesh.addFace("m", upperLeft, none, none);
    mesh.vertexFaces[0].resize(mesh.faceCounts[0]);
    mesh.normalFaces[0].resize(1);  // the second triangle has no normal entry at all
    mesh.texCoordFaces[0].resize(mesh.faceCounts[0]);
    mesh.vertexFaces[0][1].c = 57;  // a corner past the positions: left out
    mesh.vertices.resize(static_cast<std::size_t>(mesh.vertexCount));
    mesh.normals.resize(1);
    ASSERT_EQ(sprite.compileModel(mesh, "hand-made", 5), 0);
    sprite.clearSprites();
    sprite.addSprite3D(5, 0, 0, 0, 0, 0, 0, 0, 0.5, 0.5, 0.5, BLEND_NORMAL);
    picture = drawSettled();
    EXPECT_NEAR(picture.green(256 + 60, 256 + 30), litCentre(1, 0.5), 2);  // lower right: drawn
    EXPECT_TRUE(isBackground(picture, 256 - 60, 256 - 30));            // upper left: left out
}

}  // namespace
