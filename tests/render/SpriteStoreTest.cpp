// The sprite store: init and the context, placements and their limits.

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
    EXPECT_EQ(sprite.lists.sprites2D()[8191].x, 8191);
    EXPECT_EQ(sprite.addSprite3D(-1, 0, 0, 0), -1);
    for (int32_t i = 0; i < 8192; ++i) ASSERT_EQ(sprite.addSprite3D(0, i, 0, 0), i);
    EXPECT_EQ(sprite.addSprite3DAt(0, 1, 1, 1), -1);
    sprite.clearSprites();
    EXPECT_EQ(sprite.addSprite2D(-1, 0, 0), -1);
    EXPECT_EQ(sprite.addSprite2D(3, 1, 2), 0);
}

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
