// The installation's block model and font sheet: they load without a message, every
// triangle is complete, and the stickers give one colour per face direction, so that a
// solved cube of identical blocks shows six uniform faces.

#include "assets/Image.h"
#include "assets/OBJ3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <algorithm>
#include <map>
#include <string>

namespace {

struct DataDir {
    DataDir() : saved(std::filesystem::current_path()) { std::filesystem::current_path(TWISTBLOCKS_DATA_DIR); }
    ~DataDir() { std::filesystem::current_path(saved); }
    std::filesystem::path saved;
};

// The largest difference of the red, green or blue bytes of two pixels.
int channelDistance(uint32_t a, uint32_t b) {
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8)
        largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return largest;
}

}  // namespace

TEST(BlockModelTest, BlockLoadsCompleteWithOneStickerColourPerFaceDirection) {
    DataDir inData;
    OBJ3D loader;
    testing::internal::CaptureStdout();
    loader.open("3d_obj/block.obj");
    loader.load();
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output.find("not found"), std::string::npos) << output;
    const Object3D& mesh = *loader.mesh;
    ASSERT_EQ(mesh.materialIndex.size(), 2u);
    const int body = mesh.materialIndex.at("body"), stickers = mesh.materialIndex.at("stickers");
    EXPECT_TRUE(mesh.materials[body].textureFile.empty());
    Image texture;
    ASSERT_EQ(texture.open(mesh.materials[stickers].textureFile, "r"), 0) << mesh.materials[stickers].textureFile;
    const int width = texture.getWidth(), height = texture.getHeight();
    const Array<uint32_t> pixels = texture.readPixels(height);

    int triangles = 0;
    for (int m : {body, stickers}) {
        triangles += mesh.faceCounts[m];
        for (int j = 0; j < mesh.faceCounts[m]; ++j) {
            const face3D& p = mesh.vertexFaces[m][j];
            const face3D& n = mesh.normalFaces[m][j];
            for (int k : {p.a, p.b, p.c, n.a, n.b, n.c}) EXPECT_GE(k, 0);
            for (int k : {p.a, p.b, p.c})
                for (double c : {mesh.vertices[k].x, mesh.vertices[k].y, mesh.vertices[k].z})
                    EXPECT_LE(std::abs(c), 1.0 + 1e-9);
        }
    }
    // Every sticker triangle lies on one face of the box and shows one swatch of the texture;
    // the face directions (axis and sign) must get six different colours, one each.
    std::map<std::pair<int, int>, uint32_t> colourOf;
    for (int j = 0; j < mesh.faceCounts[stickers]; ++j) {
        const face3D& p = mesh.vertexFaces[stickers][j];
        const face3D& t = mesh.texCoordFaces[stickers][j];
        std::pair<int, int> direction{-1, 0};
        for (int axis = 0; axis < 3; ++axis) {
            auto coordinate = [&](int k) {
                const vec3D& v = mesh.vertices[k];
                return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
            };
            if (std::abs(coordinate(p.a)) == 1.0 && coordinate(p.a) == coordinate(p.b) && coordinate(p.b) == coordinate(p.c))
                direction = {axis, coordinate(p.a) > 0 ? 1 : -1};
        }
        ASSERT_GE(direction.first, 0) << "sticker triangle " << j << " is not on a face";
        const double u = (mesh.texCoords[t.a].x + mesh.texCoords[t.b].x + mesh.texCoords[t.c].x) / 3;
        const double v = (mesh.texCoords[t.a].y + mesh.texCoords[t.b].y + mesh.texCoords[t.c].y) / 3;
        const uint32_t colour = pixels[static_cast<int>(v * height) * width + static_cast<int>(u * width)];
        const auto [known, added] = colourOf.emplace(direction, colour);
        // The swatches have a grain: the same colour is near, not equal.
        EXPECT_TRUE(added || channelDistance(known->second, colour) <= 40) << "two colours on one face";
    }
    ASSERT_EQ(colourOf.size(), 6u);
    for (auto a = colourOf.begin(); a != colourOf.end(); ++a)
        for (auto b = std::next(a); b != colourOf.end(); ++b)
            EXPECT_GT(channelDistance(a->second, b->second), 60) << "two faces of one colour";
    // Lean enough for 152 blocks a frame on software GL.
    EXPECT_LE(triangles, 300);
}

TEST(BlockModelTest, FontSheetIsRgbaGlyphCellsOnTransparency) {
    DataDir inData;
    Image font;
    ASSERT_EQ(font.open("img_data/font8x16.png", "r"), 0);
    ASSERT_EQ(font.getWidth(), 128);
    ASSERT_EQ(font.getHeight(), 256);
    EXPECT_EQ(font.getBitsPerPixel(), 32);
    const Array<uint32_t> pixels = font.readPixels(256);
    auto inkOf = [&](int code) {
        int ink = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 8; ++x) ink += (pixels[(code / 16 * 16 + y) * 128 + code % 16 * 8 + x] >> 24) != 0;
        return ink;
    };
    EXPECT_EQ(inkOf(' '), 0);
    EXPECT_EQ(inkOf(0), 0);
    for (int code = 33; code < 127; ++code) EXPECT_GT(inkOf(code), 0) << static_cast<char>(code);
    EXPECT_NE(inkOf('0'), inkOf('8'));
}
