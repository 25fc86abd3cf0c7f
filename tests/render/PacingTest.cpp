// Frame pacing on the harness's virtual clock, the space-key pause, and the synchronous
// paint inside endFrame.

#include "RenderFixture.h"

#include <Harness.h>
#include <mmsystem.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class PacingTest : public RenderFixture {
protected:
    void SetUp() override {
        Harness::useVirtualClock(true, 5000);
        RenderFixture::SetUp();
    }
    void TearDown() override { Harness::useVirtualClock(false); }

    // One frame whose work takes workMs; returns how long the frame lasted.
    DWORD frame(DWORD workMs) {
        const DWORD start = timeGetTime();
        sprite.beginFrame();
        Sleep(workMs);
        sprite.endFrame();
        return timeGetTime() - start;
    }

    // Space held as a frame starts, let go by another thread 100 ms later: the frame must not
    // start before. Returns what that beginFrame returned.
    int32_t pressAndRelease() {
        window.info.commandKeys |= kKeySpace;
        std::atomic<bool> returned = false;
        std::thread hand([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            EXPECT_FALSE(returned);
            window.info.commandKeys &= ~kKeySpace;
        });
        const int32_t pausedFlag = sprite.beginFrame();
        returned = true;
        hand.join();
        return pausedFlag;
    }
};

TEST_F(PacingTest, FramesLastWholeMultiplesOfSixteenMilliseconds) {
    const std::pair<DWORD, DWORD> cases[] = {{0, 16}, {1, 16}, {16, 16}, {17, 32}, {32, 32}, {33, 48}, {100, 112}};
    for (auto [work, expected] : cases) EXPECT_EQ(frame(work), expected) << work << " ms of work";
}

// Each window measures 255 frames from the first one's start to the last one's end; the
// frame after it belongs to none. A window with a few slow frames at its start tells the
// whole window's rate from one taken over its last frames. The windows' lengths leave
// 256000 / length and 255000 / length on either side of a whole number.
TEST_F(PacingTest, FramesPerSecondComeFromTheWholeLastWindow) {
    for (int i = 0; i < 3; ++i) frame(20);  // 32 ms each
    for (int i = 0; i < 251; ++i) frame(3);
    EXPECT_EQ(sprite.fps(), 0);  // the first window is still open
    frame(3);
    EXPECT_EQ(sprite.fps(), 62);  // 256000 / (252 x 16 + 3 x 32), 62.02
    EXPECT_EQ(sprite.elapsedTime(), 252 * 16 + 3 * 32);
    frame(3);
    for (int i = 0; i < 5; ++i) frame(100);  // 112 ms each
    for (int i = 0; i < 249; ++i) frame(3);
    EXPECT_EQ(sprite.fps(), 62);  // the new window is still open
    frame(3);
    EXPECT_EQ(sprite.fps(), 56);  // 256000 / (250 x 16 + 5 x 112), 56.14
}

// endFrame paints before it returns; holding space stalls the next frame until the key is
// let go, and its release toggles the pause, during which the last lists stay and are drawn.
TEST_F(PacingTest, EndFramePaintsAndSpacePausesWithTheLastLists) {
    loadSolid(1, 8, 8, rgb(255, 0, 0));
    sprite.beginFrame();
    sprite.addSprite2D(1, 40, 40);
    sprite.addSprite3D(0, 0, 0, 0);
    const int before = window.paints;
    sprite.endFrame();
    EXPECT_EQ(window.paints, before + 1);
    EXPECT_EQ(window.lastPicture.at(40, 40), rgb(255, 0, 0));

    EXPECT_EQ(pressAndRelease(), 1);
    window.lastPicture = {};
    sprite.endFrame();
    EXPECT_EQ(window.lastPicture.at(40, 40), rgb(255, 0, 0));
    EXPECT_EQ(sprite.beginFrame(), 1);
    EXPECT_EQ(std::pair(sprite.sprite2DCount(), sprite.sprite3DCount()), std::pair(1, 1));
    sprite.endFrame();

    EXPECT_EQ(pressAndRelease(), 0);  // resumed: the lists are emptied again
    EXPECT_EQ(std::pair(sprite.sprite2DCount(), sprite.sprite3DCount()), std::pair(0, 0));
}

}  // namespace
