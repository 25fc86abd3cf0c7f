// The screen texture after a frame with a background holds that frame's 3D picture, whether
// the driver lets the 3D pass draw into it or the window's picture is copied, and the 2D pass
// lies over it.

#include "RenderFixture.h"

#include "glload/glut.h"
#include "render/RenderContext.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>

namespace {

PROC WINAPI withoutFramebufferObjects(LPCSTR name) {
    return std::strstr(name, "buffer") != nullptr ? nullptr : wglGetProcAddress(name);
}

class ScreenTextureTest : public RenderFixture, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        if (!GetParam()) glut::setProcAddressQuery(withoutFramebufferObjects);
        RenderFixture::SetUp();
        writeTempFile("screen.mtl", "newmtl red\nKd 0.8 0.2 0.1\n");
        ASSERT_EQ(sprite.loadModel(writeTempFile("screen.obj", squareObj("screen.mtl", "red")), 0), 0);
        loadSolid(1, 20, 20, rgb(0, 255, 0));
    }
    void TearDown() override { glut::setProcAddressQuery(nullptr); }

    // One frame of the square model at depth z and a green 2D square at (40, 40) of the given alpha.
    Picture drawFrame(int32_t alpha, double z, double scale) {
        sprite.clearSprites();
        sprite.addSprite3D(0, 0.2, -0.1, z, 1, 1, 0, 40, scale, scale, scale, BLEND_NORMAL);
        sprite.addSprite2D(1, 40, 40, 0, alpha, 1.0);
        return window.draw();
    }

    // The texture's texels, RGB, bottom row first.
    std::vector<uint8_t> readTexture() {
        RenderContext gl(window.info);
        EXPECT_TRUE(gl.current());
        std::vector<uint8_t> texels(512 * 512 * 3);
        glBindTexture(GL_TEXTURE_2D, sprite.screenTexture);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    }
};

// After a frame whose last 2D sprite was drawn with alpha a < 255, the next frame's
// background is the texture at a over the clear colour; beyond the green square the frame
// shows just that. At alpha 255 the 3D pass goes straight into the window, and the frame
// shows the picture the texture held. The last model reaches behind the eye.
TEST_P(ScreenTextureTest, TheTextureHoldsTheThreeDimensionalPictureUnderTheOverlay) {
    for (const auto& [z, scale] : {std::pair{0.0, 0.5}, {2.5, 1.0}}) {
        SCOPED_TRACE(testing::Message() << "z " << z);
        const int alpha = 128;
        drawFrame(alpha, z, scale);
        const Picture picture = drawFrame(alpha, z, scale);
        const std::vector<uint8_t> texels = readTexture();
        drawFrame(255, z, scale);
        const Picture opaque = drawFrame(255, z, scale);
        int wrong = 0, wrongOpaque = 0, model = 0, overlay = 0;
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x) {
                const uint8_t* texel = &texels[(static_cast<std::size_t>(511 - y) * 512 + x) * 3];
                const bool underSquare = x >= 30 && x < 50 && y >= 30 && y < 50;
                model += texel[0] > 150;
                overlay += underSquare && picture.green(x, y) > picture.red(x, y) + 100;
                overlay += underSquare && opaque.green(x, y) > opaque.red(x, y) + 100;
                if (underSquare) continue;
                const double expected = (texel[0] * alpha + 255 * 0.3 * (255 - alpha)) / 255;
                wrong += std::abs(picture.red(x, y) - expected) > 2;
                wrongOpaque += std::abs(opaque.red(x, y) - texel[0]) > 1;  // the rasteriser's rounding
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(wrongOpaque, 0);
        EXPECT_GT(model, 1000);  // the red square is in the texture, the green one is not
        EXPECT_EQ(overlay, 800);
    }
}

INSTANTIATE_TEST_SUITE_P(FramebufferObjectsOrCopy, ScreenTextureTest, testing::Bool());  // true: objects used

}  // namespace
