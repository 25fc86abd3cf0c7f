// Sprite: the frame cycle of the loop thread: frame start, pause, paced frame end, frame rate.
#include "render/Sprite.h"

#include <mmsystem.h>

#include <chrono>
#include <thread>

int32_t Sprite::beginFrame() {
    frameStart = timeGetTime();
    if (frameCounter == 0) windowStart = frameStart;
    if (pollPause() == 0) clearSprites();
    return paused;
}

int32_t Sprite::pollPause() {
    const auto spaceHeld = [this] {
        std::lock_guard lock(criticalSection());
        return (info->commandKeys & kKeySpace) != 0;
    };
    if (spaceHeld()) {
        // The window thread clears the bit on key-up. A window that closes meanwhile ends
        // the wait with the pause unchanged.
        while (spaceHeld()) {
            if (info->stopping.load(std::memory_order_acquire)) return paused;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        paused = paused ? 0 : 1;
    }
    return paused;
}

int32_t Sprite::endFrame() {
    // The window thread paints this frame before the call returns; no lock is held here.
    RedrawWindow(info->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    lastFrameEnd = timeGetTime();
    frameDuration = lastFrameEnd - frameStart;
    DWORD target = frameInterval;
    while (frameInterval > 0 && frameDuration > target) target += frameInterval;
    if (target > frameDuration) Sleep(target - frameDuration);
    lastFrameEnd = timeGetTime();
    frameDuration = lastFrameEnd - frameStart;
    frameCounter = (frameCounter + 1) % 256;
    if (frameCounter == 255) windowDuration = lastFrameEnd - windowStart;
    return 0;
}

int32_t Sprite::fps() {
    if (windowDuration < 1) return 0;
    return static_cast<int32_t>(256000 / windowDuration);
}

int32_t Sprite::elapsedTime() {
    return static_cast<int32_t>(lastFrameEnd - initTime);
}
