// The whole demo, headless on the virtual clock: what the controller shows frame by frame
// (the pictures of some frames are compared by ExactPictureTest), pausing, and closing at
// any moment.

#include "E2eSupport.h"
#include "app/TwistblocksDemo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <thread>

namespace {

// One block as placed: where, and its orientation as a unit quaternion.
struct Placement {
    double x, y, z, w, qx, qy, qz;
};

std::vector<Placement> placements(const Sprite& sprite) {
    std::vector<Placement> result;
    for (const SP3D& s : sprite.lists.sprites3D()) {
        const double half = s.angle * M_PI / 360.0;
        const double length = std::sqrt(s.axisX * s.axisX + s.axisY * s.axisY + s.axisZ * s.axisZ);
        const double k = length > 0 ? std::sin(half) / length : 0.0;
        result.push_back({s.x, s.y, s.z, std::cos(half), s.axisX * k, s.axisY * k, s.axisZ * k});
    }
    return result;
}

// Whether a block may follow another from one frame to the next: close by, in nearly the
// same orientation (a frame turns a layer by at most 9 degrees, a half turn being shown
// over 20 frames, and the view by 0.1).
bool near(const Placement& a, const Placement& b) {
    const double dot = std::fabs(a.w * b.w + a.qx * b.qx + a.qy * b.qy + a.qz * b.qz);
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z) < 0.15 && dot > std::cos(12.0 * M_PI / 360.0);
}

// No block jumps between two frames. The same block is usually at the same index
// (placements go in cell order); only the blocks of a layer just committed are looked for
// among all.
bool continuous(const std::vector<Placement>& before, const std::vector<Placement>& after) {
    if (before.size() != after.size()) return false;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (!near(after[i], before[i]) &&
            std::none_of(before.begin(), before.end(), [&](const Placement& b) { return near(after[i], b); }))
            return false;
    return true;
}

}  // namespace

// The frames' bookkeeping (turns, commits, the rest, the spin) is the schedule test's part;
// here the blocks placed in one whole cycle move on from frame to frame without a jump.
TEST(DemoRunTest, OneCycleOfScrambleReplayAndRestRunsWithoutAJump) {
    constexpr std::size_t kNextCycle = 100 * 20 + 320;  // 100 turns of 20 frames, then the rest
    ObservedGame game;
    std::vector<Placement> previous;
    std::vector<std::size_t> jumps;  // frames (within the cycle) where a block jumped
    game.onFrame = [&](std::size_t frame, const PuzzleFrame&, Sprite& sprite) {
        std::vector<Placement> now = placements(sprite);
        if (frame > 0 && frame < kNextCycle && !continuous(previous, now)) jumps.push_back(frame);
        previous = std::move(now);
    };
    ASSERT_EQ(runObserved(game, kNextCycle + 1), 0);
    EXPECT_EQ(jumps, std::vector<std::size_t>{});
    ASSERT_GE(game.frames().size(), kNextCycle + 1);  // every frame of the cycle was compared
}

// Space, pressed through the window's key messages, pauses the tick and the picture at the
// next frame start while the view spins on. Resuming is the pacing and schedule tests' part.
TEST(DemoRunTest, SpacePausesTheTickAndThePictureButNotTheSpin) {
    ObservedGame game;
    std::thread hand;  // lets Space go once the loop has stood still for a second, waiting for that
    game.onFrame = [&game, &hand](std::size_t frame, const PuzzleFrame&, Sprite&) {
        if (frame != 10) return;
        Harness::injectKey(VK_SPACE, true);
        hand = std::thread([&game] {
            for (std::size_t seen = 0; seen != game.frames().size(); std::this_thread::sleep_for(std::chrono::seconds(1)))
                seen = game.frames().size();
            Harness::injectKey(VK_SPACE, false);
        });
    };
    std::vector<std::vector<uint32_t>> pictures;  // of frames 12 to 20, all paused
    int presented = 0;
    Harness::setPictureHook([&pictures, &presented](const Harness::Picture& picture) {
        if (++presented > 12 && presented <= 21) pictures.push_back(picture.pixels);
    });
    const int result = runObserved(game, 30);
    if (hand.joinable()) hand.join();
    ASSERT_EQ(result, 0);
    const std::vector<PuzzleFrame> frames = game.frames();
    ASSERT_GE(frames.size(), 30u);
    const std::size_t firstPaused =
        std::find_if(frames.begin(), frames.end(), [](const PuzzleFrame& f) { return f.paused; }) - frames.begin();
    ASSERT_GT(firstPaused, 10u);
    ASSERT_LE(firstPaused, 12u);  // the press counts when released, at the next frame start
    for (std::size_t k = firstPaused; k < frames.size(); ++k) {
        ASSERT_TRUE(frames[k].paused) << "frame " << k;
        ASSERT_EQ(frames[k].tick, frames[firstPaused - 1].tick + 1) << "frame " << k;
        ASSERT_NEAR(frames[k].spinAngle, frames[k - 1].spinAngle + 0.1, 1e-9) << "frame " << k;
    }
    ASSERT_EQ(pictures.size(), 9u);
    for (const std::vector<uint32_t>& picture : pictures) EXPECT_EQ(picture, pictures.front());
}

// The user closes the window from another thread at a random real moment: during loading,
// inside a frame or between two. The run ends normally every time.
TEST(DemoRunTest, ClosingAtRandomMomentsEndsNormally) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 10; ++round) {
        const auto delay = std::chrono::microseconds(random() % 400000);
        const bool holdSpace = round % 3 == 0;  // the loop thread then waits for its release
        SCOPED_TRACE(testing::Message() << "closed after " << delay.count() << " us, space held " << holdSpace);
        ObservedGame game;
        std::thread user;
        game.beforeLoading = [&] {
            const HWND hwnd = game.getGameInfo().hWnd;
            user = std::thread([hwnd, delay] {
                std::this_thread::sleep_for(delay);
                PostMessageW(hwnd, WM_CLOSE, 0, 0);
            });
        };
        game.onFrame = [&](std::size_t frame, const PuzzleFrame&, Sprite&) {
            if (holdSpace && frame == 3) Harness::injectKey(VK_SPACE, true);  // and never released
        };
        EXPECT_EQ(runObserved(game, 0), 0);
        user.join();
    }
}

// A failure that ends the game (here the model file is missing) is a failure of the program:
// exit code 1 with the reason, never the 0 of a normal close.
TEST(DemoRunTest, AFailedGameEndsWithExitCodeOneAndItsReason) {
    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "twistblocks-no-data";
    std::filesystem::create_directories(empty);
    std::filesystem::current_path(empty);
    Harness::forceHeadless();
    Harness::useVirtualClock(true);
    Harness::closeAfterFrames(0);
    std::string failure;
    testing::internal::CaptureStdout();
    EXPECT_EQ(runTwistblocksDemo(&failure), 1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("GameLoopError: can not open file 3d_obj/block.obj"),
              std::string::npos);
    EXPECT_EQ(failure, "the demo failed: can not open file 3d_obj/block.obj");
    std::filesystem::remove(empty);
}
