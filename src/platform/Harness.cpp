// The test and capture harness (Harness.h): the virtual clock, the picture hook and frame
// count around SwapBuffers, closing after N frames, key injection, headless on demand and
// what the layer still holds.

#include "Harness.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>

#include "platform/HarnessHooks.h"
#include "platform/Keys.h"
#include "platform/LayerState.h"
#include "platform/Video.h"

namespace platform {

namespace {

std::atomic<bool> virtualClock{false};
std::atomic<DWORD> virtualMs{0};

std::mutex hookLock;
Harness::PictureHook pictureHook;
std::atomic<uint64_t> presented{0};
std::atomic<uint64_t> closeAt{0};

// Reads the back buffer of the current context: top row first, R, G, B, A bytes.
void readBackBuffer(int width, int height, std::vector<uint32_t>& pixels) {
    pixels.assign(size_t(width) * size_t(height), 0);
    if (width <= 0 || height <= 0) return;
    GLint alignment, rowLength, skipRows, skipPixels, readBuffer;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_PACK_ROW_LENGTH, &rowLength);
    glGetIntegerv(GL_PACK_SKIP_ROWS, &skipRows);
    glGetIntegerv(GL_PACK_SKIP_PIXELS, &skipPixels);
    glGetIntegerv(GL_READ_BUFFER, &readBuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadBuffer(GL_BACK);
    std::vector<uint32_t> bottomUp(pixels.size());
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    glPixelStorei(GL_PACK_ROW_LENGTH, rowLength);
    glPixelStorei(GL_PACK_SKIP_ROWS, skipRows);
    glPixelStorei(GL_PACK_SKIP_PIXELS, skipPixels);
    glReadBuffer(GLenum(readBuffer));
    for (int y = 0; y < height; ++y)
        std::copy_n(bottomUp.data() + size_t(height - 1 - y) * width, width, pixels.data() + size_t(y) * width);
}

}  // namespace

DWORD timeNow() {
    if (virtualClock) return virtualMs.load();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now().time_since_epoch()).count();
    return DWORD(uint64_t(ms));
}

bool sleepVirtually(DWORD ms) {
    if (!virtualClock) return false;
    virtualMs += ms;
    return true;
}

void beforeSwap(HWND hwnd, SDL_Window* window) {
    Harness::PictureHook hook;
    {
        std::lock_guard<std::mutex> h(hookLock);
        hook = pictureHook;
    }
    if (!hook) return;
    Harness::Picture picture;
    picture.hwnd = hwnd;
    picture.frameIndex = presented.load();
    {
        std::lock_guard<std::recursive_mutex> v(videoLock());
        SDL_GL_GetDrawableSize(window, &picture.width, &picture.height);
    }
    readBackBuffer(picture.width, picture.height, picture.pixels);
    hook(picture);
}

void afterSwap(HWND hwnd) {
    uint64_t count = ++presented;
    uint64_t target = closeAt.load();
    if (target && count >= target && closeAt.compare_exchange_strong(target, 0)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

}  // namespace platform

using namespace platform;

namespace Harness {

void useVirtualClock(bool on, DWORD startMs) {
    if (on) virtualMs = startMs;
    virtualClock = on;
}

bool virtualClockOn() { return virtualClock; }

void setPictureHook(PictureHook hook) {
    std::lock_guard<std::mutex> h(hookLock);
    pictureHook = std::move(hook);
}

uint64_t presentedFrames() { return presented.load(); }

void closeAfterFrames(uint64_t frames) { closeAt = frames ? presented.load() + frames : 0; }

bool forceHeadless() { return requestHeadless(); }

bool headless() { return videoHeadless(); }

Holdings holdings() {
    LayerState& s = state();
    Lock lk(s.lock);
    Holdings h;
    h.windows = s.windows.size();
    h.threadHandles = s.objects.size();
    h.dcsTaken = size_t(s.dcsTaken);
    h.glContexts = liveGlContexts();
    for (const auto& [period, count] : s.periods) h.timerPeriods += size_t(count);
    return h;
}

bool injectKey(UINT vk, bool down, HWND target) {
    if (vk == 0 || vk > 0xFE) return false;
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = s.find(target ? target : s.lastTopLevel);
    if (!w) return false;
    bool wasDown = s.keyDown[vk];
    s.keyDown[vk] = down;
    postLocked(*w->queue, w->handle, down ? WM_KEYDOWN : WM_KEYUP, vk, keyLParam(vk, down, wasDown), true);
    return true;
}

}  // namespace Harness
