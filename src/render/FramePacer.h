#pragma once
// FramePacer: the frame cycle of the loop thread: frame start, the space-key pause, the
// paced frame end and the frame rate. Times are milliseconds of timeGetTime, 32-bit and
// wrapping.

#include "gameinfo/GameInfo.h"

#include <windows.h>

#include <cstdint>

class FramePacer {
public:
    // At init: counters cleared, a 16 ms interval, elapsed time counted from now.
    void start();
    // Time stamp of the frame's start (and of a new 256-frame window).
    void beginFrame();
    // While space is held, waits for its release and then toggles the pause; a close of
    // the window (GameInfo::stopping) ends the wait and leaves the pause as it was. Returns
    // the paused flag.
    int32_t pollPause(const GameInfo& info);
    int32_t paused() const { return pausedFlag; }
    // After the frame's repaint: sleeps to the next multiple of the interval after the
    // frame's start.
    void endFrame();
    // 256000 / the time of the last measured window (255 frames of every 256); 0 before the first.
    int32_t fps() const;
    // Milliseconds from start to the end of the last frame.
    int32_t elapsedTime() const;

private:
    int32_t frameCounter = 0;  // 0 to 255
    DWORD initTime = 0;
    DWORD lastFrameEnd = 0;
    DWORD frameStart = 0;
    DWORD frameDuration = 0;
    DWORD windowStart = 0;
    DWORD windowDuration = 0;  // of the last measured 255-frame window
    DWORD frameInterval = 16;
    int32_t pausedFlag = 0;
};
