// Text output: where glyph sprites go, and the status line drawn with the real font.

#include "RenderFixture.h"

#include "render/SPformat.h"

#include <cmath>

namespace {

class SPformatTest : public RenderFixture {
protected:
    // (pattern, x, y) of every placed 2D sprite.
    std::vector<std::tuple<int32_t, int32_t, int32_t>> placed() {
        std::vector<std::tuple<int32_t, int32_t, int32_t>> result;
        for (int32_t i = 0; i < sprite.sprite2DCount(); ++i)
            result.emplace_back(sprite.sprites2D[i].pcg, sprite.sprites2D[i].x, sprite.sprites2D[i].y);
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

TEST_F(SPformatTest, TheStatusLineIsLegibleInTheRealFont) {
    ASSERT_EQ(sprite.loadPatternSheet(dataPath("img_data/font8x16.png"), 32, 8, 16, 16, 16), 0);
    const char* status = "fps=62 tick=1234";
    text.print(8, 8, "fps=%d tick=%d", 62, 1234);
    window.draw();
    const Picture picture = window.draw();
    // Every pixel of every cell is its glyph's texel blended over the background.
    const int grey = picture.red(300, 300);
    int glyphPixels = 0;
    for (int n = 0; status[n] != 0; ++n) {
        const PCG2D& glyph = sprite.pcg2D[32 + static_cast<unsigned char>(status[n])];
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 8; ++x) {
                const uint32_t texel = glyph.pixels[y * 8 + x];
                const double alpha = (texel >> 24) / 255.0;
                const int expected = static_cast<int>(std::lround((texel & 0xFF) * alpha + grey * (1 - alpha)));
                ASSERT_NEAR(picture.red(8 + 8 * n + x, 8 + y), expected, 2) << status[n] << " " << x << "," << y;
                glyphPixels += alpha > 0.5;
            }
    }
    EXPECT_GT(glyphPixels, 100);  // the font really has ink
}

}  // namespace
