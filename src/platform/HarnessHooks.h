#pragma once
// What the layer's Win32 side asks of the harness (Harness.cpp): the clock behind timeGetTime
// and Sleep, and the picture hook and frame count around SwapBuffers.

#include <windows.h>

struct SDL_Window;

namespace platform {

// timeGetTime: real milliseconds, or the virtual clock's.
DWORD timeNow();

// With the virtual clock on, advances it by ms and returns true; false when the clock is real.
bool sleepVirtually(DWORD ms);

// Around the swap of hwnd's SDL window, on the presenting thread with its context current:
// beforeSwap hands the back buffer to the picture hook; afterSwap counts the frame and closes
// the window once the frames asked for are presented.
void beforeSwap(HWND hwnd, SDL_Window* window);
void afterSwap(HWND hwnd);

}  // namespace platform
