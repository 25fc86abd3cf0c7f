// Textures: sheets cut into cells, and bad input; text output: where the glyph sprites go.

#include "RenderFixture.h"

#include "render/SPformat.h"

#include <algorithm>
#include <tuple>

namespace {

using TextureTest = RenderFixture;

// Cell (r, c) of a sheet is filled with a colour that names it: red = r, green = c.
uint32_t cellColour(int r, int c) { return rgb(static_cast<uint32_t>(r), static_cast<uint32_t>(c), 0x55); }

std::string writeSheet(const std::string& name, int width, int height, int cellWidth, int cellHeight) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = cellColour(y / cellHeight, x / cellWidth);
    return writeTempPng(name, width, height, pixels);
}

// Whether pattern pcg is a loaded 8 x 16 cell filled with exactly colour.
bool isCell(Sprite& sprite, int32_t pcg, uint32_t colour) {
    const PCG2D& p = sprite.pcg2D[pcg];
    return p.texture != 0 && p.width == 8 && p.height == 16 && p.pixels == Array<uint32_t>(128, colour);
}

int loadedPatterns(Sprite& sprite) {
    return static_cast<int>(std::count_if(sprite.pcg2D.begin(), sprite.pcg2D.end(), [](const PCG2D& p) { return p.texture != 0; }));
}

TEST_F(TextureTest, CellsFillPatternsInCodeOrderLeavingOutPartialCellsAndThoseBeyondTheMaxima) {
    const std::string odd = writeSheet("odd.png", 100, 40, 8, 16);
    ASSERT_EQ(sprite.loadPatternSheet(odd, 100, 8, 16, 16, 16), 0);
    EXPECT_EQ(loadedPatterns(sprite), 24);  // 12 columns, 2 rows
    EXPECT_TRUE(isCell(sprite, 111, cellColour(0, 11)));
    EXPECT_TRUE(isCell(sprite, 112, cellColour(1, 0)));
    EXPECT_TRUE(isCell(sprite, 123, cellColour(1, 11)));
    EXPECT_EQ(sprite.pcg2D[124].texture, 0u);
    EXPECT_NE(sprite.pcg2D[111].texture, sprite.pcg2D[112].texture);

    const std::string large = writeSheet("large.png", 64, 64, 8, 16);
    ASSERT_EQ(sprite.loadPatternSheet(large, 200, 8, 16, 3, 2), 0);
    EXPECT_EQ(loadedPatterns(sprite), 24 + 6);
    EXPECT_TRUE(isCell(sprite, 202, cellColour(0, 2)));
    EXPECT_TRUE(isCell(sprite, 203, cellColour(1, 0)));
    EXPECT_EQ(sprite.pcg2D[206].texture, 0u);
}

TEST_F(TextureTest, BadInputIsRefusedWithMinusOneAndLoadsNothing) {
    const std::string sheet = writeSheet("sheet.png", 32, 32, 8, 16);
    testing::internal::CaptureStdout();
    for (const int32_t pcg : {512, -1}) EXPECT_EQ(sprite.loadPattern(sheet, pcg), -1) << pcg;
    EXPECT_EQ(sprite.loadPattern(writeTempFile("text.png", "plain text"), 1), -1);
    for (const auto& [first, w, h] : {std::tuple{512, 8, 16}, {-3, 8, 16}, {0, 0, 16}, {0, 8, -16}})
        EXPECT_EQ(sprite.loadPatternSheet(sheet, first, w, h, 16, 16), -1) << first << " " << w << " " << h;
    EXPECT_EQ(sprite.loadPatternSheet("missing.jpg", 0, 8, 16, 16, 16), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "can not load texture png (" + tempFolder() + "/text.png)\ncan not load texture png (missing.jpg)\n");
    EXPECT_EQ(loadedPatterns(sprite), 0);
}

class SPformatTest : public RenderFixture {
protected:
    // (pattern, x, y) of every placed 2D sprite.
    std::vector<std::tuple<int32_t, int32_t, int32_t>> placed() {
        std::vector<std::tuple<int32_t, int32_t, int32_t>> result;
        for (const SP2D& s : sprite.lists.sprites2D()) result.emplace_back(s.pcg, s.x, s.y);
        return result;
    }

    SPformat text{sprite, 32, 8, 16};
};

using Placed = std::vector<std::tuple<int32_t, int32_t, int32_t>>;

TEST_F(SPformatTest, CharactersGoToTheCentresOfTheirCells) {
    text.print(100, 50, "A\nB");
    text.putc('Z');
    EXPECT_EQ(placed(), (Placed{{97, 104, 58}, {42, 104, 74}, {98, 112, 74}, {32 + 'Z', 120, 74}}));
    sprite.clearSprites();
    const std::string line(300, 'q');  // formatted whole, however long
    text.print(0, 0, "%s%d", line.c_str(), 7);
    ASSERT_EQ(sprite.sprite2DCount(), 301);
    EXPECT_EQ(placed()[300], std::tuple(32 + '7', 300 * 8 + 4, 8));
}

}  // namespace
