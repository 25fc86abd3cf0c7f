// The sprite store: init and the context, placements and their limits, pixel conversions.

#include "RenderFixture.h"

#include "base/Error.h"

#include <atomic>
#include <thread>

namespace {

using SpriteStoreTest = RenderFixture;

TEST_F(SpriteStoreTest, InitReleasesTheContextAndPlacementsStopAtTheCapacity) {
    bool taken = false;  // released: another thread can take the context at once
    std::thread([&] {
        taken = wglMakeCurrent(window.info.hDC, window.info.hGLRC) != FALSE;
        wglMakeCurrent(nullptr, nullptr);
    }).join();
    EXPECT_TRUE(taken);
    EXPECT_THROW(sprite.init(1, 1, 1, 1, &window.info), Error);
    for (int32_t i = 0; i < 8192; ++i) ASSERT_EQ(sprite.addSprite2D(1, i, -i), i);
    EXPECT_EQ(sprite.addSprite2D(1, 0, 0), -1);
    EXPECT_EQ(sprite.sprites2D[8191].x, 8191);
    EXPECT_EQ(sprite.addSprite3D(-1, 0, 0, 0), -1);
    for (int32_t i = 0; i < 8192; ++i) ASSERT_EQ(sprite.addSprite3D(0, i, 0, 0), i);
    EXPECT_EQ(sprite.addSprite3DAt(0, 1, 1, 1), -1);
    sprite.clearSprites();
    EXPECT_EQ(sprite.addSprite2D(-1, 0, 0), -1);
    EXPECT_EQ(sprite.addSprite2D(3, 1, 2), 0);
}

TEST_F(SpriteStoreTest, PixelPlacementsConvertWithTheDesignHeightAsUnit) {
    const struct {
        int32_t width;
        double x, y, z, wx, wy, wz;
    } cases[] = {
        {512, 256, 256, 0, 0, 0, 0},      {512, 0, 0, 0, -1, 1, 0},   {512, 256, 512, 256, 0, -1, -1},
        {511, 255, 256, -128, 0, 0, 0.5}, {511, 511, 256, 0, 1, 0, 0}, {1024, 1024, 0, 0, 2, 1, 0},
    };
    for (const auto& c : cases) {
        sprite.clearSprites();
        window.info.width = c.width;
        ASSERT_EQ(sprite.addSprite3DAt(1, c.x, c.y, c.z), 0);
        const SP3D& s = sprite.sprites3D[0];
        EXPECT_EQ(std::tuple(s.x, s.y, s.z + 0.0), std::tuple(c.wx, c.wy, c.wz)) << c.width << ": " << c.x << "," << c.y;
    }
}

// A context current on another thread: init says so instead of setting up half a renderer.
TEST(SpriteInitTest, AContextHeldByAnotherThreadFailsInit) {
    GLWindow window;
    Sprite sprite;
    std::atomic<bool> held = false, release = false;
    std::thread holder([&] {
        wglMakeCurrent(window.info.hDC, window.info.hGLRC);
        held = true;
        while (!release) std::this_thread::yield();
        wglMakeCurrent(nullptr, nullptr);
    });
    while (!held) std::this_thread::yield();
    EXPECT_THROW(sprite.init(4, 4, 4, 4, &window.info), Error);
    release = true;
    holder.join();
    EXPECT_EQ(sprite.initialized, 0);
}

}  // namespace
