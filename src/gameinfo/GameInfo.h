#pragma once
// GameInfo: the record that the game window owns and fills and hands to the renderer
// (Sprite::init) by pointer; the window keeps these values nowhere else. Everything starts
// zero. A module of its own, so that the renderer and the game window both depend on it.
//
// - the design size width x height (pixels; 512 x 512 here), set by GameFrame::setClientSize,
//   and hWnd, hDC, hGLRC and sprite, written while the window is created: all before the
//   loop thread starts.
// - clientWidth, clientHeight: the client area in pixels, rewritten on every WM_SIZE.
// - cursorKeys: arrow keys held down, 1 left, 2 right, 4 down, 8 up.
// - commandKeys: further keys held down, 16 space, 32 C, 64 Z, 128 X.
// - mouseX, mouseY: last cursor position in client pixels.
// - stopping: set by the window thread when the window closes; the loop thread ends at its
//   next frame boundary, and a wait inside a frame (the pause check) gives up on it.
//
// The window thread writes the input and size words while the loop thread may read them,
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

class Sprite;

// Bits of GameInfo::cursorKeys and GameInfo::commandKeys.
inline constexpr int32_t kKeyLeft = 1;
inline constexpr int32_t kKeyRight = 2;
inline constexpr int32_t kKeyDown = 4;
inline constexpr int32_t kKeyUp = 8;
inline constexpr int32_t kKeySpace = 16;
inline constexpr int32_t kKeyC = 32;
inline constexpr int32_t kKeyZ = 64;
inline constexpr int32_t kKeyX = 128;

struct GameInfo {
    HWND hWnd = nullptr;
    HDC hDC = nullptr;
    HGLRC hGLRC = nullptr;
    Sprite* sprite = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    std::atomic<int32_t> clientWidth{0};
    std::atomic<int32_t> clientHeight{0};
    std::atomic<int32_t> cursorKeys{0};
    std::atomic<int32_t> commandKeys{0};
    std::atomic<int32_t> mouseX{0};
    std::atomic<int32_t> mouseY{0};
    std::atomic<bool> stopping{false};
    std::mutex contextLock;
};
