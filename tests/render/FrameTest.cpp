// Frame drawing read back from the framebuffer: where 2D sprites land, their order,
// blending, rotation and scale, the background copy, and frames that must draw nothing.

#include "RenderFixture.h"

#include "base/Error.h"
#include "render/RenderContext.h"

#include <GL/gl.h>

#include <cstdlib>

namespace {

class FrameTest : public RenderFixture {
protected:
    // A 16 x 8 pattern with four 8 x 4 quadrants: red, green on top; blue, white below.
    void loadQuadrants(int32_t pcg) {
        std::vector<uint32_t> pixels(16 * 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                pixels[static_cast<std::size_t>(y) * 16 + x] =
                    y < 4 ? (x < 8 ? rgb(255, 0, 0) : rgb(0, 255, 0)) : (x < 8 ? rgb(0, 0, 255) : rgb(255, 255, 255));
        ASSERT_EQ(sprite.loadPattern(writeTempPng("quadrants.png", 16, 8, pixels), pcg), 0);
    }

    // The bounding box of pixels that are not background.
    struct Box {
        int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    };
    static Box covered(const Picture& picture) {
        Box box;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                if (!isBackground(picture, x, y)) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x);
                    box.bottom = std::max(box.bottom, y);
                }
        return box;
    }

    // Two frames: the first one's copy holds the initial black clear colour.
    Picture drawSettled() {
        window.draw(sprite);
        return window.draw(sprite);
    }
};

TEST_F(FrameTest, APatternCoversExactlyItsPixelsTheRightWayUp) {
    loadQuadrants(3);
    sprite.addSprite2D(3, 100, 50);
    const Picture picture = drawSettled();
    picture.savePng("/tmp/render-quadrants.png");
    // 16 x 8 centred on (100, 50): columns 92 to 107, rows 46 to 53.
    for (int y = 40; y < 60; ++y) {
        for (int x = 85; x < 115; ++x) {
            const bool inside = x >= 92 && x <= 107 && y >= 46 && y <= 53;
            if (!inside) {
                EXPECT_TRUE(isBackground(picture, x, y)) << x << "," << y;
                continue;
            }
            const uint32_t expected = y < 50 ? (x < 100 ? rgb(255, 0, 0) : rgb(0, 255, 0))
                                             : (x < 100 ? rgb(0, 0, 255) : rgb(255, 255, 255));
            EXPECT_EQ(picture.at(x, y) | 0xFF000000u, expected) << x << "," << y;
        }
    }
    const Box box = covered(picture);
    EXPECT_EQ(std::tuple(box.left, box.top, box.right, box.bottom), std::tuple(92, 46, 107, 53));
}

TEST_F(FrameTest, TheFirstPlacedOfTwoOverlappingSpritesIsOnTop) {
    loadSolid(1, 20, 20, rgb(255, 0, 0));
    loadSolid(2, 20, 20, rgb(0, 0, 255));
    sprite.addSprite2D(1, 200, 200);
    sprite.addSprite2D(2, 210, 200);
    const Picture picture = drawSettled();
    EXPECT_EQ(picture.at(205, 200) | 0xFF000000u, rgb(255, 0, 0));  // both cover it
    EXPECT_EQ(picture.at(215, 200) | 0xFF000000u, rgb(0, 0, 255));  // only the second
    EXPECT_EQ(picture.at(195, 200) | 0xFF000000u, rgb(255, 0, 0));
}

TEST_F(FrameTest, AlphaAndAdditiveBlendingMixWithTheBackground) {
    loadSolid(1, 10, 10, rgb(255, 0, 0));
    loadSolid(2, 10, 10, rgb(100, 0, 0));
    loadSolid(3, 10, 10, rgb(0, 200, 0) & 0x80FFFFFFu);  // texel alpha 128
    sprite.addSprite2D(1, 50, 50, 0.0, 128, 1.0);
    sprite.addSprite2D(2, 100, 50, 0.0, 255, BLEND_ADD, 1.0, 1.0);
    sprite.addSprite2D(3, 150, 50);
    const Picture picture = drawSettled();
    const int grey = picture.red(5, 5);
    const double a = 128 / 255.0;
    EXPECT_NEAR(picture.red(50, 50), 255 * a + grey * (1 - a), 2);
    EXPECT_NEAR(picture.green(50, 50), grey * (1 - a), 2);
    EXPECT_NEAR(picture.red(100, 50), grey + 100, 1);
    EXPECT_NEAR(picture.green(100, 50), grey, 1);
    EXPECT_NEAR(picture.green(150, 50), 200 * (128 / 255.0) + grey * (127 / 255.0), 2);
    EXPECT_NEAR(picture.red(150, 50), grey * (127 / 255.0), 2);
}

TEST_F(FrameTest, RotationAndScaleTurnAndStretchAboutTheCentre) {
    loadSolid(1, 32, 8, rgb(255, 255, 0));
    sprite.addSprite2D(1, 100, 100, 90.0, 255, 1.0);                     // upright bar
    sprite.addSprite2D(1, 300, 100, 0.0, 255, BLEND_NORMAL, 2.0, 3.0);   // 64 x 24
    Picture picture = drawSettled();
    picture.savePng("/tmp/render-rotate-scale.png");
    EXPECT_FALSE(isBackground(picture, 100, 100 - 14));
    EXPECT_FALSE(isBackground(picture, 100, 100 + 14));
    EXPECT_TRUE(isBackground(picture, 100 - 10, 100));
    EXPECT_TRUE(isBackground(picture, 100 + 10, 100));
    EXPECT_FALSE(isBackground(picture, 300 - 31, 100 - 11));
    EXPECT_FALSE(isBackground(picture, 300 + 31, 100 + 11));
    EXPECT_TRUE(isBackground(picture, 300 - 33, 100));
    EXPECT_TRUE(isBackground(picture, 300, 100 + 13));

    sprite.clearSprites();
    loadQuadrants(2);
    sprite.addSprite2D(2, 256, 256, 90.0, 255, 2.0);
    picture = drawSettled();
    // Turned a quarter counter-clockwise, the red top-left quadrant is now bottom left.
    EXPECT_EQ(picture.at(256 - 4, 256 + 8) | 0xFF000000u, rgb(255, 0, 0));
    EXPECT_EQ(picture.at(256 - 4, 256 - 8) | 0xFF000000u, rgb(0, 255, 0));
}

TEST_F(FrameTest, EmptyListsShowTheClearColourAndUnloadedPatternsDrawNothing) {
    sprite.addSprite2D(7, 256, 256);  // pattern 7 was never loaded: size 0
    const Picture picture = drawSettled();
    EXPECT_EQ(covered(picture).right, -1);
}

TEST_F(FrameTest, TheBackgroundGivesTheThreeDimensionalPictureBackUnchanged) {
    const std::string mtl = writeTempFile("copy.mtl", "newmtl red\nKd 0.8 0.2 0.1\n");
    ASSERT_EQ(sprite.loadModel(writeTempFile("copy.obj", squareObj("copy.mtl", "red")), 0), 0);
    sprite.addSprite3D(0, 0.2, -0.1, 0, 1, 1, 0, 40, 0.5, 0.5, 0.5, BLEND_NORMAL);
    const Picture picture = drawSettled();
    // The screen texture holds the 3D pass as copied; the frame shows exactly that.
    RenderContext gl(window.info);
    ASSERT_TRUE(gl.current());
    std::vector<uint8_t> copy(512 * 512 * 3);
    glBindTexture(GL_TEXTURE_2D, sprite.screenTexture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, copy.data());
    int differing = 0;
    int drawn = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const uint8_t* texel = &copy[(static_cast<std::size_t>(511 - y) * 512 + x) * 3];
            differing += picture.at(x, y) != rgb(texel[0], texel[1], texel[2]);
            drawn += !isBackground(picture, x, y);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(drawn, 1000);
}

TEST_F(FrameTest, NothingIsDrawnBeforeInitOrIntoAnEmptyClientArea) {
    Sprite fresh;
    loadSolid(1, 10, 10, rgb(255, 0, 0));
    {
        RenderContext gl(window.info);
        ASSERT_TRUE(gl.current());
        glClearColor(0, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        EXPECT_EQ(fresh.drawFrame(512, 512), 0);
        EXPECT_EQ(window.readBack().at(10, 10), rgb(0, 255, 0));
    }
    // A minimised window: no pixels, and no zero divisor reaches GL.
    sprite.addSprite2D(1, 20, 20);
    {
        RenderContext gl(window.info);
        EXPECT_EQ(sprite.drawFrame(512, 0), 0);
        EXPECT_EQ(sprite.drawFrame(0, 512), 0);
        window.info.clientHeight = 0;
        EXPECT_EQ(sprite.drawFrame(512, 512), 0);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        window.info.clientHeight = 512;
    }
    // Restored: the next paint draws as usual.
    const Picture picture = drawSettled();
    EXPECT_EQ(picture.at(20, 20) | 0xFF000000u, rgb(255, 0, 0));
}

TEST_F(FrameTest, APatternBeyondItsTableIsAProgrammingErrorThatLeavesTheRendererUsable) {
    loadSolid(1, 10, 10, rgb(255, 0, 0));
    sprite.addSprite2D(512, 20, 20);
    {
        RenderContext gl(window.info);
        EXPECT_THROW(sprite.drawFrame(512, 512), IndexError);
    }
    sprite.clearSprites();
    sprite.addSprite3D(32, 0, 0, 0);
    {
        RenderContext gl(window.info);
        EXPECT_THROW(sprite.drawFrame(512, 512), IndexError);
    }
    sprite.clearSprites();
    sprite.addSprite2D(1, 20, 20);  // the lists are not left locked
    const Picture picture = drawSettled();
    EXPECT_EQ(picture.at(20, 20) | 0xFF000000u, rgb(255, 0, 0));
}

}  // namespace
