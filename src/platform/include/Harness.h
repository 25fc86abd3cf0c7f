#pragma once
// Test and capture harness of the platform layer. Not part of Win32: the program itself never
// calls it; tests and the capture tool do, before or while the program runs.
//
// - Virtual clock: timeGetTime returns a counter and Sleep(ms) advances it by ms instead of
//   waiting, so paced loops run as fast as the machine allows and their timing is exact.
//   Wait timeouts keep real time.
// - Picture hook: receives every presented picture, read back from the back buffer just before
//   SwapBuffers swaps it. Pixels are the client area, top row first, bytes R, G, B, A in memory
//   order (one uint32_t per pixel). The hook runs on the thread that calls SwapBuffers, with
//   that thread's GL context current.
// - Key injection: a key-down or key-up of a Windows virtual-key code arrives in the target
//   window's queue as if typed (WM_KEYDOWN/WM_KEYUP with the lParam Windows builds; a second
//   key-down without a key-up is an auto-repeat).
// - Headless on demand: the offscreen SDL driver even where a display exists.
// - Closing after N presented frames: after the N-th SwapBuffers the presenting window gets
//   WM_CLOSE, as from its close button.
// - Holdings: what the layer still holds for the program (windows, thread handles, DCs, GL
//   contexts, timer periods), to check that nothing is left behind at close.
//
// Missing: mouse and resize injection (tests push SDL events instead), a virtual clock for
// wait timeouts, pictures of windows that never call SwapBuffers.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace Harness {

struct Picture {
    HWND hwnd = nullptr;          // the window whose DC was presented
    uint64_t frameIndex = 0;      // 0 for the first picture presented by the process
    int width = 0;                // client width in pixels
    int height = 0;               // client height in pixels
    std::vector<uint32_t> pixels; // width * height, top row first, bytes R, G, B, A
};

using PictureHook = std::function<void(const Picture&)>;

// Virtual clock on or off; switching it on starts the counter at startMs.
void useVirtualClock(bool on, DWORD startMs = 0);
bool virtualClockOn();

// Installs (or, with an empty function, removes) the picture hook.
void setPictureHook(PictureHook hook);

// Number of SwapBuffers calls so far in this process.
uint64_t presentedFrames();

// After `frames` more presented frames the presenting window receives WM_CLOSE; 0 cancels.
void closeAfterFrames(uint64_t frames);

// Queues a key-down (down = true) or key-up of virtual-key code vk for target, or, when target
// is null, for the most recently created top-level window that still exists. Returns false when
// there is no such window or vk is not a key the layer knows (0 or above 0xFE).
bool injectKey(UINT vk, bool down, HWND target = nullptr);

// Uses SDL's offscreen driver even where a display exists. Takes effect if called before the
// first window gets its pixel format (when video starts); returns whether video is or will be
// headless.
bool forceHeadless();

// True once video is running on the offscreen driver.
bool headless();

// What the layer holds for the program right now; a program that has closed its windows
// and cleaned up holds nothing.
struct Holdings {
    size_t windows = 0;         // windows not yet destroyed
    size_t threadHandles = 0;   // thread handles not yet closed
    size_t dcsTaken = 0;        // GetDC calls not yet matched by ReleaseDC
    size_t glContexts = 0;      // GL contexts not yet deleted
    size_t timerPeriods = 0;    // timeBeginPeriod calls not yet matched by timeEndPeriod
};
Holdings holdings();

}  // namespace Harness
