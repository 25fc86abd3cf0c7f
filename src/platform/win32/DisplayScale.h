#pragma once
// A DPI-aware program's window sized for the display: Windows no longer stretches it as a
// bitmap, so the program makes it larger itself.

#include <windows.h>

// From its WM_CREATE on, `window`, unless it is a popup or a child by then, gets a client
// area of `design` times its DPI / 96 (as it is at 96 DPI), and takes the rectangle Windows
// suggests when its DPI changes (moved to another display, or the display's scale changed).
void followDisplayScale(HWND window, SIZE design);

// The window's DPI: GetDpiForWindow where Windows has it (10, 1607 on), else the screen's
// LOGPIXELSY.
UINT windowDpi(HWND window);
