// Frame drawing read back from the framebuffer: 2D sprites' order, blending, rotation and
// scale, which way up they land, and frames that must draw nothing. (Exact pixel extents show
// in the status line of the exact picture test's frames.)

#include "RenderFixture.h"

#include "render/RenderContext.h"

#include <GL/gl.h>

#include <tuple>

namespace {

class FrameTest : public RenderFixture {
protected:
    // A 16 x 8 pattern with four 8 x 4 quadrants: red, green on top; blue, white below.
    void loadQuadrants(int32_t pcg) {
        std::vector<uint32_t> pixels(16 * 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x) pixels[y * 16 + x] = quadrant(x >= 8, y >= 4);
        ASSERT_EQ(sprite.loadPattern(writeTempPng("quadrants.png", 16, 8, pixels), pcg), 0);
    }
    static uint32_t quadrant(bool right, bool bottom) {
        return bottom ? (right ? rgb(255, 255, 255) : rgb(0, 0, 255)) : (right ? rgb(0, 255, 0) : rgb(255, 0, 0));
    }
};

TEST_F(FrameTest, OrderBlendingRotationAndScale) {
    loadSolid(1, 20, 20, rgb(255, 0, 0));
    loadSolid(2, 20, 20, rgb(0, 0, 255));
    loadSolid(6, 10, 10, rgb(100, 0, 0));
    loadSolid(3, 10, 10, rgb(0, 200, 0) & 0x80FFFFFFu);  // texel alpha 128
    loadSolid(4, 32, 8, rgb(255, 255, 0));
    loadQuadrants(5);
    sprite.addSprite2D(1, 200, 200);
    sprite.addSprite2D(2, 210, 200);
    sprite.addSprite2D(6, 100, 50, 0.0, 255, BLEND_ADD, 1.0, 1.0);
    sprite.addSprite2D(1, 50, 50, 0.0, 128, 1.0);
    sprite.addSprite2D(3, 150, 50);
    sprite.addSprite2D(4, 100, 300, 90.0, 255, 1.0);                  // an upright bar
    sprite.addSprite2D(4, 300, 300, 0.0, 255, BLEND_NORMAL, 2.0, 3.0);  // 64 x 24
    sprite.addSprite2D(5, 400, 100, 90.0, 255, 2.0);
    const Picture picture = drawSettled();
    const int grey = picture.red(5, 5);
    const double half = 128 / 255.0;
    EXPECT_EQ(picture.at(205, 200), rgb(255, 0, 0));  // the first placed is on top
    EXPECT_EQ(picture.at(215, 200), rgb(0, 0, 255));
    EXPECT_NEAR(picture.red(100, 50), grey + 100, 1);
    EXPECT_NEAR(picture.red(50, 50), 255 * half + grey * (1 - half), 2);
    EXPECT_NEAR(picture.green(150, 50), 200 * half + grey * (1 - half), 2);
    for (const auto& [x, y, background] : {std::tuple{100, 300 - 14, false}, {100 + 10, 300, true},
                                           {300 + 31, 300 + 11, false}, {300 - 33, 300, true}, {300, 300 + 13, true}})
        EXPECT_EQ(isBackground(picture, x, y), background) << x << ", " << y;
    // Turned a quarter counter-clockwise, the red top-left quadrant is now bottom left.
    EXPECT_EQ(picture.at(400 - 4, 100 + 8), rgb(255, 0, 0));
    EXPECT_EQ(picture.at(400 - 4, 100 - 8), rgb(0, 255, 0));
}

TEST_F(FrameTest, NothingIsDrawnBeforeInitOrIntoAnEmptyClientArea) {
    loadSolid(1, 10, 10, rgb(255, 0, 0));
    sprite.addSprite2D(1, 20, 20);
    {
        RenderContext gl(window.info);
        ASSERT_TRUE(gl.current());
        glClearColor(0, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        EXPECT_EQ(Sprite().drawFrame(512, 512), 0);
        EXPECT_EQ(sprite.drawFrame(512, 0), 0);  // minimised: no zero divisor reaches GL
        EXPECT_EQ(sprite.drawFrame(0, 512), 0);
        uint32_t pixel = 0;  // of the back buffer, still all green
        glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
        EXPECT_EQ(pixel | 0xFF000000u, rgb(0, 255, 0));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    EXPECT_EQ(drawSettled().at(20, 20), rgb(255, 0, 0));  // restored: drawn as usual
}

}  // namespace
