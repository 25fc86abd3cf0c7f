// The two threads of the game: a loop thread that loads, places and ends frames while the
// window thread serves the frames' own paints and paints by itself in between. Run under
// ThreadSanitizer too: a paint never reads the lists while they are written.

#include "RenderFixture.h"

#include "render/SPformat.h"

#include <Harness.h>

#include <atomic>
#include <thread>

namespace {

TEST(HandoverTest, SelfStartedPaintsAndFramePaintsNeverRaceTheLoopThread) {
    Harness::useVirtualClock(true, 0);
    GLWindow window;
    Sprite& sprite = window.getSprite();
    constexpr int kFrames = 40;
    std::atomic<bool> done = false;
    std::thread loop([&] {
        sprite.init(512, 8192, 32, 8192, &window.info);
        testing::internal::CaptureStdout();
        sprite.loadModel(TWISTBLOCKS_DATA_DIR "/3d_obj/block.obj", 0);
        testing::internal::GetCapturedStdout();
        sprite.loadPatternSheet(TWISTBLOCKS_DATA_DIR "/img_data/font8x16.png", 32, 8, 16, 16, 16);
        SPformat text(sprite, 32, 8, 16);
        for (int tick = 0; tick < kFrames; ++tick) {
            sprite.beginFrame();
            for (int i = 0; i < 100; ++i)
                sprite.addSprite3D(0, (i % 10) * 0.2 - 0.9, (i / 10) * 0.2 - 0.9, 0, 1, 1, 0, tick * 3.0, 0.1, 0.1,
                                   0.1, BLEND_NORMAL);
            text.print(8, 8, "fps=%d tick=%d", sprite.fps(), tick);
            sprite.endFrame();
        }
        done = true;
    });
    // The window thread: serve messages (the frames' paints arrive as sent messages) and
    // start paints of its own, as exposure would, while the loop thread works.
    while (!done) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        RedrawWindow(window.getHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        std::this_thread::yield();
    }
    loop.join();
    Harness::useVirtualClock(false);
    EXPECT_GE(window.paints, kFrames);
    // The last frame is whole: 100 blocks and the status line.
    EXPECT_EQ(sprite.sprite3DCount(), 100);
    EXPECT_EQ(sprite.sprite2DCount(), static_cast<int32_t>(std::string("fps=0 tick=39").size()));
    const Picture picture = window.draw();
    int drawn = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) drawn += !isBackground(picture, x, y);
    EXPECT_GT(drawn, 512 * 512 / 4);
}

}  // namespace
