#include "render/FramePacer.h"

#include <mmsystem.h>

#include <chrono>
#include <thread>

void FramePacer::start() {
    frameCounter = 0;
    frameStart = 0;
    windowDuration = 0;
    frameInterval = 16;
    initTime = timeGetTime();
}

void FramePacer::beginFrame() {
    frameStart = timeGetTime();
    if (frameCounter == 0) windowStart = frameStart;
}

int32_t FramePacer::pollPause(const GameInfo& info) {
    const auto spaceHeld = [&info] { return (info.commandKeys & kKeySpace) != 0; };
    if (spaceHeld()) {
        // The window thread clears the bit on key-up. A window that closes meanwhile ends
        // the wait with the pause unchanged.
        while (spaceHeld()) {
            if (info.stopping.load(std::memory_order_acquire)) return pausedFlag;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        pausedFlag = pausedFlag ? 0 : 1;
    }
    return pausedFlag;
}

void FramePacer::endFrame() {
    lastFrameEnd = timeGetTime();
    frameDuration = lastFrameEnd - frameStart;
    DWORD target = frameInterval;
    while (frameInterval > 0 && frameDuration > target) target += frameInterval;
    if (target > frameDuration) Sleep(target - frameDuration);
    lastFrameEnd = timeGetTime();
    frameDuration = lastFrameEnd - frameStart;
    frameCounter = (frameCounter + 1) % 256;
    if (frameCounter == 255) windowDuration = lastFrameEnd - windowStart;
}

int32_t FramePacer::fps() const {
    if (windowDuration < 1) return 0;
    return static_cast<int32_t>(256000 / windowDuration);
}

int32_t FramePacer::elapsedTime() const { return static_cast<int32_t>(lastFrameEnd - initTime); }
