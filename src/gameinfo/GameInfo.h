#pragma once
// GameInfo: the record that the game window owns and fills and hands to the renderer
// (Sprite::init) by pointer; the window keeps these values nowhere else. Everything starts
// zero. A module of its own, so that the renderer and the game window both depend on it.
//
// - the design size width x height (pixels; 512 x 512 here), set by GameFrame::setClientSize,
//   and hWnd, hDC and hGLRC, written while the window is created: all before the loop
//   thread starts.
// - clientWidth, clientHeight: the client area in pixels, rewritten on every WM_SIZE.
// - commandKeys: keys held down; the renderer's pause reads the space bit, 16. Other keys,
//   the arrows and the cursor position are read by nothing, so the window keeps none of them.
// - stopping: set by the window thread when the window closes; the loop thread ends at its
//   next frame boundary, and a wait inside a frame (the pause check) gives up on it.
//
// The window thread writes the key and size words while the loop thread may read them,
// so they are atomic 32-bit words: a whole-word write or a bit set with |= / &= is never
// torn and never a data race.
//
// contextLock is held by whichever thread has hGLRC current (see render/RenderContext.h),
// so the context is never current on two threads at once. The paint handler takes it
// through a RenderContext around drawFrame and SwapBuffers, like the renderer's loaders.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>

// The bit of GameInfo::commandKeys set while Space is held.
inline constexpr int32_t kKeySpace = 16;

struct GameInfo {
    HWND hWnd = nullptr;
    HDC hDC = nullptr;
    HGLRC hGLRC = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    std::atomic<int32_t> clientWidth{0};
    std::atomic<int32_t> clientHeight{0};
    std::atomic<int32_t> commandKeys{0};
    std::atomic<bool> stopping{false};
    std::mutex contextLock;
};
