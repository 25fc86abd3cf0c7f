// The installation's block model and font sheet: they load without a message, every
// triangle is complete, and the stickers give one colour per face direction, so that a
// solved cube of identical blocks shows six uniform faces.

#include "assets/Image.h"
#include "assets/OBJ3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>

namespace {

struct DataDir {
    DataDir() : saved(std::filesystem::current_path()) { std::filesystem::current_path(TWISTBLOCKS_DATA_DIR); }
    ~DataDir() { std::filesystem::current_path(saved); }
    std::filesystem::path saved;
};

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

    // direction of each sticker: axis and sign
    const std::map<std::string, std::pair<int, double>> stickers = {
        {"red", {0, 1}}, {"orange", {0, -1}}, {"white", {1, 1}}, {"yellow", {1, -1}}, {"green", {2, 1}}, {"blue", {2, -1}}};
    ASSERT_EQ(mesh.materialIndex.size(), 7u);
    int triangles = 0;
    for (const auto& [name, i] : mesh.materialIndex) {
        SCOPED_TRACE(name);
        const Material& material = mesh.materials[i];
        EXPECT_FALSE(material.textureFile.empty());
        Image texture;
        EXPECT_EQ(texture.open(material.textureFile, "r"), 0) << material.textureFile;
        triangles += mesh.faceCounts[i];
        ASSERT_GT(mesh.faceCounts[i], 0);
        for (int j = 0; j < mesh.faceCounts[i]; ++j) {
            const face3D& p = mesh.vertexFaces[i][j];
            const face3D& n = mesh.normalFaces[i][j];
            const face3D& t = mesh.texCoordFaces[i][j];
            for (int k : {p.a, p.b, p.c, n.a, n.b, n.c, t.a, t.b, t.c}) EXPECT_GE(k, 0);
            for (int k : {p.a, p.b, p.c}) {
                const vec3D& v = mesh.vertices[k];
                for (double c : {v.x, v.y, v.z}) EXPECT_LE(std::abs(c), 1.0 + 1e-9);
                const auto sticker = stickers.find(name);
                if (sticker == stickers.end()) continue;
                const double coordinate[3] = {v.x, v.y, v.z};
                EXPECT_DOUBLE_EQ(coordinate[sticker->second.first], sticker->second.second);
            }
        }
    }
    // Six two-triangle stickers at least, and lean enough for 152 blocks a frame on
    // software GL.
    EXPECT_GE(triangles, 12);
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
