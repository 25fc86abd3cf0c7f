#pragma once
// Running the whole demo inside a test: the same runner, game frame and controller as the
// program, headless on the virtual clock, observed through the controller's per-frame
// state and the pictures it presents.

#include "app/Win32Frame.h"
#include "game/myGameFrame.h"
#include "win/WideText.h"

#include <Harness.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

// The demo's puzzle window, recording the controller's state after every pass.
class ObservedGame : public myGameFrame {
public:
    ObservedGame() : myGameFrame("Twistblocks Demo", "OpenGLtest") {}

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
        std::size_t index;
        {
            std::lock_guard<std::mutex> hold(lock);
            index = recorded.size();
            recorded.push_back(frame);
        }
        if (onFrame) onFrame(index, frame, *sprite);
    }

private:
    std::mutex lock;
    std::vector<PuzzleFrame> recorded;
};

// Runs the game in this thread's message loop until it closes (after `frames` presented
// frames when non-zero) and returns the runner's result. The working directory must hold
// the data files.
inline int runObserved(ObservedGame& game, unsigned long frames) {
    Harness::forceHeadless();
    Harness::useVirtualClock(true);
    Harness::closeAfterFrames(frames);
    game.setClientSize(512, 512);
    Win32Frame runner;
    runner.setFrame(&game);
    runner.setWindowRect(CW_USEDEFAULT, CW_USEDEFAULT, 520, 539);
    runner.setStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    const int result = runner.run();
    // The next run in this process registers the class again.
    UnregisterClassW(WideText("OpenGLtest").get(), GetModuleHandleW(nullptr));
    Harness::setPictureHook(nullptr);
    return result;
}

// Reads a PNG with the project's decoder into RGBA pixels; false when it cannot.
bool readPicture(const std::string& path, int& width, int& height, std::vector<uint32_t>& pixels);
