// Textures: whole-image patterns, sheets cut into cells, and their bad input.

#include "RenderFixture.h"

#include "render/RenderContext.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <functional>

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

// Whether pattern pcg is a loaded w x h pattern filled with exactly colour.
testing::AssertionResult isCell(Sprite& sprite, int32_t pcg, int w, int h, uint32_t colour) {
    const PCG2D& pattern = sprite.pcg2D[pcg];
    if (pattern.texture == 0) return testing::AssertionFailure() << "pattern " << pcg << " has no texture";
    if (pattern.width != w || pattern.height != h || pattern.pixels.size() != static_cast<std::size_t>(w * h))
        return testing::AssertionFailure() << "pattern " << pcg << " is " << pattern.width << " x " << pattern.height;
    for (uint32_t pixel : pattern.pixels)
        if (pixel != colour)
            return testing::AssertionFailure() << "pattern " << pcg << " holds " << std::hex << pixel << " not " << colour;
    return testing::AssertionSuccess();
}

int loadedPatterns(Sprite& sprite) {
    int count = 0;
    for (const PCG2D& pattern : sprite.pcg2D) count += pattern.texture != 0;
    return count;
}

TEST_F(TextureTest, AFontSizedSheetFillsPatternsInCodeOrder) {
    const std::string path = writeSheet("font.png", 128, 256, 8, 16);
    ASSERT_EQ(sprite.loadPatternSheet(path, 32, 8, 16, 16, 16), 0);
    EXPECT_EQ(loadedPatterns(sprite), 256);
    EXPECT_EQ(sprite.pcg2D[31].texture, 0u);
    EXPECT_EQ(sprite.pcg2D[288].texture, 0u);
    EXPECT_TRUE(isCell(sprite, 32, 8, 16, cellColour(0, 0)));
    EXPECT_TRUE(isCell(sprite, 65, 8, 16, cellColour(2, 1)));
    EXPECT_TRUE(isCell(sprite, 287, 8, 16, cellColour(15, 15)));
    // Each pattern has its own mipmapped texture, left as GL's pattern parameters.
    RenderContext gl(window.info);
    ASSERT_TRUE(gl.current());
    glBindTexture(GL_TEXTURE_2D, sprite.pcg2D[65].texture);
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR_MIPMAP_NEAREST);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_CLAMP_TO_EDGE);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 3, GL_TEXTURE_WIDTH, &value);
    EXPECT_EQ(value, 1);  // 8 x 16: levels down to 1 x 2
    EXPECT_NE(sprite.pcg2D[64].texture, sprite.pcg2D[65].texture);
}

TEST_F(TextureTest, PartialCellsAtTheEdgesAndCellsBeyondTheMaximaAreLeftOut) {
    const std::string odd = writeSheet("odd.png", 100, 40, 8, 16);
    ASSERT_EQ(sprite.loadPatternSheet(odd, 100, 8, 16, 16, 16), 0);
    EXPECT_EQ(loadedPatterns(sprite), 24);  // 12 columns, 2 rows
    EXPECT_TRUE(isCell(sprite, 111, 8, 16, cellColour(0, 11)));
    EXPECT_TRUE(isCell(sprite, 112, 8, 16, cellColour(1, 0)));
    EXPECT_TRUE(isCell(sprite, 123, 8, 16, cellColour(1, 11)));
    EXPECT_EQ(sprite.pcg2D[124].texture, 0u);

    const std::string large = writeSheet("large.png", 64, 64, 8, 16);
    ASSERT_EQ(sprite.loadPatternSheet(large, 200, 8, 16, 3, 2), 0);
    EXPECT_EQ(loadedPatterns(sprite), 24 + 6);
    EXPECT_TRUE(isCell(sprite, 202, 8, 16, cellColour(0, 2)));
    EXPECT_TRUE(isCell(sprite, 203, 8, 16, cellColour(1, 0)));
    EXPECT_EQ(sprite.pcg2D[206].texture, 0u);

    const std::string narrow = writeSheet("narrow.png", 7, 40, 8, 16);
    EXPECT_EQ(sprite.loadPatternSheet(narrow, 300, 8, 16, 16, 16), 0);
    EXPECT_EQ(loadedPatterns(sprite), 30);
}

TEST_F(TextureTest, AWholeImageBecomesOnePattern) {
    std::vector<uint32_t> pixels(12 * 5);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = rgb(static_cast<uint32_t>(i), 1, 2);
    ASSERT_EQ(sprite.loadPattern(writeTempPng("whole.png", 12, 5, pixels), 511), 0);
    const PCG2D& pattern = sprite.pcg2D[511];
    EXPECT_EQ(pattern.width, 12);
    EXPECT_EQ(pattern.height, 5);
    EXPECT_EQ(std::vector<uint32_t>(pattern.pixels.begin(), pattern.pixels.end()), pixels);
    EXPECT_NE(pattern.texture, 0u);
    // Loading the entry again replaces it with a new texture.
    const uint32_t first = pattern.texture;
    ASSERT_EQ(sprite.loadPattern(writeTempPng("small.png", 2, 2, std::vector<uint32_t>(4, rgb(9, 9, 9))), 511), 0);
    EXPECT_TRUE(isCell(sprite, 511, 2, 2, rgb(9, 9, 9)));
    EXPECT_NE(sprite.pcg2D[511].texture, first);
}

TEST_F(TextureTest, BadInputIsRefusedWithMinusOneAndLoadsNothing) {
    const std::string sheet = writeSheet("sheet.png", 32, 32, 8, 16);
    struct Case {
        const char* name;
        std::function<int32_t()> call;
        std::string output;
    };
    const Case cases[] = {
        {"pattern at the table's end", [&] { return sprite.loadPattern(sheet, 512); }, ""},
        {"negative pattern", [&] { return sprite.loadPattern(sheet, -1); }, ""},
        {"missing image", [&] { return sprite.loadPattern("/nonexistent/x.png", 1); },
         "can not load texture png (/nonexistent/x.png)\n"},
        {"not an image", [&] { return sprite.loadPattern(writeTempFile("text.png", "plain text"), 1); },
         "can not load texture png (" + writeTempFile("text.png", "plain text") + ")\n"},
        {"sheet at the table's end", [&] { return sprite.loadPatternSheet(sheet, 512, 8, 16, 16, 16); }, ""},
        {"negative first pattern", [&] { return sprite.loadPatternSheet(sheet, -3, 8, 16, 16, 16); }, ""},
        {"zero cell width", [&] { return sprite.loadPatternSheet(sheet, 0, 0, 16, 16, 16); }, ""},
        {"zero cell height", [&] { return sprite.loadPatternSheet(sheet, 0, 8, 0, 16, 16); }, ""},
        {"negative cell width", [&] { return sprite.loadPatternSheet(sheet, 0, -8, 16, 16, 16); }, ""},
        {"negative cell height", [&] { return sprite.loadPatternSheet(sheet, 0, 8, -16, 16, 16); }, ""},
        {"missing sheet", [&] { return sprite.loadPatternSheet("missing.jpg", 0, 8, 16, 16, 16); },
         "can not load texture png (missing.jpg)\n"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStdout();
        const int32_t result = c.call();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output) << c.name;
        EXPECT_EQ(result, -1) << c.name;
        EXPECT_EQ(loadedPatterns(sprite), 0) << c.name;
    }
}

}  // namespace
