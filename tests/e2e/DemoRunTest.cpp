// The whole demo, headless on the virtual clock: what the controller shows frame by frame,
// the pictures it presents, pausing, and closing at any moment.

#include "E2eSupport.h"

#include "assets/PngWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <thread>

namespace {

const std::string kReferenceDir = TWISTBLOCKS_SOURCE_DIR "/tests/e2e/reference";

// Collects the pictures of chosen frames, counted from the first picture of the run.
class PictureTaker {
public:
    explicit PictureTaker(std::set<std::size_t> wanted) : wanted(std::move(wanted)) {
        Harness::setPictureHook([this](const Harness::Picture& picture) {
            if (this->wanted.count(next)) taken[next] = picture;
            ++next;
        });
    }
    std::map<std::size_t, Harness::Picture> taken;
    std::size_t next = 0;

private:
    std::set<std::size_t> wanted;
};

// Compares with the reference picture of that name, or writes it when
// TWISTBLOCKS_UPDATE_REFERENCES is set. A mismatch leaves the picture in the temp folder.
void expectLooksLikeReference(const Harness::Picture& picture, const std::string& name) {
    const std::string path = kReferenceDir + "/" + name;
    if (std::getenv("TWISTBLOCKS_UPDATE_REFERENCES")) {
        ASSERT_EQ(writePng(path, picture.width, picture.height, picture.pixels), "");
        return;
    }
    int width = 0, height = 0;
    std::vector<uint32_t> reference;
    ASSERT_TRUE(readPicture(path, width, height, reference)) << path;
    ASSERT_EQ(width, picture.width);
    ASSERT_EQ(height, picture.height);
    const PictureDifference difference = comparePictures(picture.pixels, reference, width, height, 12.0);
    const std::string actual = (std::filesystem::temp_directory_path() / ("twistblocks-actual-" + name)).string();
    if (difference.cellsOver > 0) writePng(actual, picture.width, picture.height, picture.pixels);
    EXPECT_EQ(difference.cellsOver, 0) << name << ": worst cell differs by " << difference.worstCell
                                       << "; the picture is in " << actual;
}

// Presses Space as a hand would: down now, up once the loop has stood still for a second
// (it waits for the release at its next frame start; no frame takes that long, even under
// a sanitizer), from another thread, since the loop thread is the one waiting. Join the
// hands before they go.
void pressSpace(ObservedGame& game, std::vector<std::thread>& hands) {
    Harness::injectKey(VK_SPACE, true);
    const std::size_t pressedAt = game.frames().size();
    hands.emplace_back([&game, pressedAt] {
        std::size_t seen = pressedAt;
        int stillFor = 0;
        for (int waited = 0; waited < 20000 && stillFor < 1000; waited += 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            const std::size_t now = game.frames().size();
            stillFor = now == seen ? stillFor + 10 : 0;
            seen = now;
        }
        Harness::injectKey(VK_SPACE, false);
    });
}

// One block as placed: where, and its orientation as a unit quaternion.
struct Placement {
    double x, y, z, w, qx, qy, qz;
};

std::vector<Placement> placements(const Sprite& sprite) {
    std::vector<Placement> result;
    for (int32_t i = 0; i < sprite.count3D; ++i) {
        const SP3D& s = sprite.sprites3D[i];
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

class DemoRunTest : public testing::Test {
protected:
    void SetUp() override { std::filesystem::current_path(TWISTBLOCKS_DATA_DIR); }
};

}  // namespace

TEST_F(DemoRunTest, OneCycleOfScrambleReplayAndRest) {
    constexpr std::size_t kReplayEnd = 100 * 20;   // the first frame at rest
    constexpr std::size_t kNextCycle = kReplayEnd + 320;
    ObservedGame game;
    PictureTaker pictures({0, 30, 2100});
    std::vector<Placement> previous;
    std::vector<std::size_t> jumps;  // frames (within the cycle) where a block jumped
    game.onFrame = [&](std::size_t frame, const PuzzleFrame&, Sprite& sprite) {
        std::vector<Placement> now = placements(sprite);
        if (frame > 0 && frame < kNextCycle && !continuous(previous, now)) jumps.push_back(frame);
        previous = std::move(now);
    };
    ASSERT_EQ(runObserved(game, kNextCycle + 1), 0);
    EXPECT_EQ(jumps, std::vector<std::size_t>{});
    const std::vector<PuzzleFrame> frames = game.frames();
    ASSERT_GE(frames.size(), kNextCycle + 1);
    // Frame k shows tick k. Each turn takes 20 frames, the committed state drawn from the
    // frame after t = 0.95; then 320 frames at rest, and the next scramble.
    for (std::size_t k = 0; k <= kNextCycle; ++k) {
        const std::size_t step = k == kNextCycle ? 0 : std::min<std::size_t>(k / 20, 100);
        const int rest = k < kReplayEnd || k == kNextCycle ? 0 : static_cast<int>((k - kReplayEnd) / 20);
        ASSERT_EQ(std::tuple(frames[k].tick, frames[k].step, frames[k].restWait), std::tuple(static_cast<int>(k), step, rest))
            << "frame " << k;
    }
    // The view spins 0.1 degree a frame.
    EXPECT_NEAR(frames[2000].spinAngle, 200.1, 1e-6);
    EXPECT_NEAR(frames[kNextCycle].spinAngle, 232.1, 1e-6);

    ASSERT_EQ(pictures.taken.size(), 3u);
    expectLooksLikeReference(pictures.taken[0], "tick-0000.png");
    expectLooksLikeReference(pictures.taken[30], "tick-0030-mid-turn.png");
    expectLooksLikeReference(pictures.taken[2100], "tick-2100-solved.png");
}

TEST_F(DemoRunTest, SpacePausesTheTickAndThePictureButNotTheSpin) {
    ObservedGame game;
    std::vector<std::thread> hands;
    game.onFrame = [&game, &hands](std::size_t frame, const PuzzleFrame&, Sprite&) {
        if (frame == 10 || frame == 30) pressSpace(game, hands);
    };
    PictureTaker pictures({12, 13, 14, 15, 16, 17, 18, 19, 20});
    ASSERT_EQ(runObserved(game, 60), 0);
    for (std::thread& hand : hands) hand.join();
    const std::vector<PuzzleFrame> frames = game.frames();
    ASSERT_GE(frames.size(), 60u);

    const auto paused = [](const PuzzleFrame& f) { return f.paused; };
    const std::size_t firstPaused = std::find_if(frames.begin(), frames.end(), paused) - frames.begin();
    const std::size_t lastPaused = frames.rend() - std::find_if(frames.rbegin(), frames.rend(), paused) - 1;
    ASSERT_GT(firstPaused, 10u);
    ASSERT_LE(firstPaused, 12u);  // the press counts when released, at the next frame start
    ASSERT_GE(lastPaused, 30u);
    ASSERT_LE(lastPaused, 32u);
    for (std::size_t k = firstPaused; k <= lastPaused; ++k) {
        ASSERT_TRUE(frames[k].paused) << "frame " << k;
        ASSERT_EQ(frames[k].tick, frames[firstPaused - 1].tick + 1) << "frame " << k;
        ASSERT_NEAR(frames[k].spinAngle, frames[k - 1].spinAngle + 0.1, 1e-9) << "frame " << k;
    }
    // Afterwards the tick carries on from where it stood, and the view from its new angle.
    EXPECT_EQ(frames[lastPaused + 1].tick, frames[firstPaused].tick);
    EXPECT_FALSE(frames[lastPaused + 1].paused);
    // The paused pictures do not change.
    for (std::size_t k = 13; k <= 20; ++k)
        EXPECT_EQ(pictures.taken[k].pixels, pictures.taken[12].pixels) << "frame " << k;
}

// The user closes the window from another thread at a random real moment: during loading,
// inside a frame or between two. The run ends normally every time.
TEST_F(DemoRunTest, ClosingAtRandomMomentsEndsNormally) {
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
