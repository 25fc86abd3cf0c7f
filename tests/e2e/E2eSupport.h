#pragma once
// Running the whole demo inside a test: the program's own entry with its game frame and
// controller, headless on the virtual clock, observed through the controller's per-frame
// state and the pictures it presents.

#include "app/TwistblocksDemo.h"
#include "game/myGameFrame.h"

#include <Harness.h>

#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// The demo's puzzle window, recording the controller's state after every pass.
class ObservedGame : public myGameFrame {
public:
    ObservedGame() : myGameFrame(kDemoCaption, kDemoWindowClass) {}

    // Runs on the loop thread after each pass, with the pass's frame number (from 0).
    std::function<void(std::size_t frame, const PuzzleFrame&, Sprite&)> onFrame;
    // Runs on the loop thread before the controller starts loading.
    std::function<void()> beforeLoading;

    std::vector<PuzzleFrame> frames() {
        std::lock_guard<std::mutex> hold(lock);
        return recorded;
    }

    int gameLoop() override {
        if (beforeLoading) beforeLoading();
        return myGameFrame::gameLoop();
    }

protected:
    void frameDone(const PuzzleFrame& frame, int) override {
        const std::size_t index = [&] {
            std::lock_guard<std::mutex> hold(lock);
            recorded.push_back(frame);
            return recorded.size() - 1;
        }();
        if (onFrame) onFrame(index, frame, *sprite);
    }

private:
    std::mutex lock;
    std::vector<PuzzleFrame> recorded;
};

// Runs the game from the data folder in this thread's message loop until it closes (after
// `frames` presented frames when non-zero) and returns the program's exit code.
inline int runObserved(ObservedGame& game, unsigned long frames) {
    std::filesystem::current_path(TWISTBLOCKS_DATA_DIR);
    Harness::forceHeadless();
    Harness::useVirtualClock(true);
    Harness::closeAfterFrames(frames);
    const int result = runTwistblocksDemo(game);
    Harness::setPictureHook(nullptr);
    return result;
}
