#include "game/GameFrame.h"

#include <Harness.h>

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <stdexcept>
#include <thread>

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

// A game whose loop runs until the window closes, doing what the test asks each pass. Every
// close stops the loop before the context goes.
class ScriptedGame : public GameFrame {
public:
    // A class of its own each, so that the tests can run in one process; headless, on the
    // virtual clock.
    ScriptedGame() : GameFrame("scripted", "ScriptedGame" + std::to_string(++created)) {
        Harness::forceHeadless();
        Harness::useVirtualClock(true);
    }
    ~ScriptedGame() override { EXPECT_TRUE(destroyed); }
    static inline int created = 0;

    int gameLoop() override {
        if (presentAtOnce) startPresenting();
        while (holdUntil && !*holdUntil) std::this_thread::yield();
        if (failOnStart) throw std::runtime_error("the game broke");
        while (!stopping()) {
            ++passes;
            Sleep(1);
        }
        stoppedCleanly = true;
        return 0;
    }
    int onDestroy() override {
        // The loop thread has stopped by now, and the context is still there.
        EXPECT_TRUE(stoppedCleanly || failOnStart);
        EXPECT_NE(gameInfo.hGLRC, nullptr);
        destroyed = true;
        return 0;
    }

    bool failOnStart = false;
    bool presentAtOnce = false;
    const std::atomic<bool>* holdUntil = nullptr;  // the loop starts once this is true
    std::atomic<int> passes{0};
    std::atomic<bool> stoppedCleanly{false};
    bool destroyed = false;
};

// Closes `closing` when given, then serves messages until the quit; GetMessageW's last result.
int runUntilClosed(HWND closing = nullptr) {
    if (closing) PostMessageW(closing, WM_CLOSE, 0, 0);
    MSG message;
    int result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) DispatchMessageW(&message);
    return result;
}

}  // namespace

// Windows can deliver a cross-thread RedrawWindow as a sent WM_PAINT after a queued one has
// already drawn and validated the window; that second paint must not draw the frame again.
TEST(GameFrameTest, APaintWithNothingToUpdateDrawsNothing) {
    ScriptedGame game;
    game.presentAtOnce = true;
    ASSERT_EQ(game.open(kStyle, 0, 0, 520, 539, nullptr, nullptr), 0);
    while (game.passes < 1) Sleep(1);
    UpdateWindow(game.getHwnd());  // the paint the window was shown with
    const uint64_t before = Harness::presentedFrames();
    SendMessageW(game.getHwnd(), WM_PAINT, 0, 0);
    EXPECT_EQ(Harness::presentedFrames(), before);
    RedrawWindow(game.getHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Harness::presentedFrames(), before + 1);
    EXPECT_EQ(runUntilClosed(game.getHwnd()), 0);
}

TEST(GameFrameTest, AFailureAtTheMomentOfAUsersCloseEndsNormally) {
    std::mt19937 random(99);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        std::atomic<bool> go = false;
        ScriptedGame game;
        game.failOnStart = true;
        game.holdUntil = &go;
        testing::internal::CaptureStdout();
        ASSERT_EQ(game.open(kStyle, 0, 0, 520, 539, nullptr, nullptr), 0);
        const auto lead = std::chrono::microseconds(random() % 200);
        std::thread closer([&] {
            if (round % 2) std::this_thread::sleep_for(lead);
            PostMessageW(game.getHwnd(), WM_CLOSE, 0, 0);
        });
        if (round % 2 == 0) std::this_thread::sleep_for(lead);
        go = true;
        EXPECT_EQ(runUntilClosed(), 0);
        closer.join();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "GameLoopError: the game broke\n");
        EXPECT_FALSE(IsWindow(game.getHwnd()));
    }
}

// Space held, then the focus goes to another window, where Space is released: this window
// never sees the WM_KEYUP, and the held keys must not stay down (the game would stay paused).
TEST(GameFrameTest, LosingTheFocusReleasesTheHeldKeys) {
    ScriptedGame game;
    ASSERT_EQ(game.open(kStyle, 0, 0, 520, 539, nullptr, nullptr), 0);
    for (const UINT leaving : {WM_KILLFOCUS, WM_ACTIVATEAPP}) {
        SendMessageW(game.getHwnd(), WM_KEYDOWN, VK_SPACE, 0);
        ASSERT_EQ(game.getGameInfo().commandKeys, kKeySpace);
        SendMessageW(game.getHwnd(), leaving, 0, 0);
        EXPECT_EQ(game.getGameInfo().commandKeys, 0) << leaving;
    }
    EXPECT_EQ(runUntilClosed(game.getHwnd()), 0);
}
