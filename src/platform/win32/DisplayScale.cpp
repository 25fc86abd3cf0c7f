#include "platform/win32/DisplayScale.h"

#include <commctrl.h>

namespace {

SIZE designSize{};

// A user32 function newer than the oldest Windows the program runs on, or null.
template <typename Function>
Function newerUser32(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

void sizeForDpi(HWND window) {
    const UINT dpi = windowDpi(window);
    if (dpi == USER_DEFAULT_SCREEN_DPI) return;  // the window was made for that
    RECT frame{0, 0, MulDiv(designSize.cx, dpi, USER_DEFAULT_SCREEN_DPI), MulDiv(designSize.cy, dpi, USER_DEFAULT_SCREEN_DPI)};
    const DWORD style = GetWindowLongW(window, GWL_STYLE);
    const DWORD exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    // The frame's own size depends on the DPI too.
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = newerUser32<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi)) AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A window with a frame of its own. A popup (a full screen) or a child (someone else's
// window to fill) has its size given, whatever the DPI.
bool framed(HWND window) { return !(GetWindowLongW(window, GWL_STYLE) & (WS_CHILD | WS_POPUP)); }

LRESULT CALLBACK scaledWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_DPICHANGED && framed(window)) {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, scaledWindowProc, 0);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_CREATE && result == 0 && framed(window)) sizeForDpi(window);
    return result;
}

}  // namespace

void followDisplayScale(HWND window, SIZE design) {
    designSize = design;
    SetWindowSubclass(window, scaledWindowProc, 0, 0);
}

UINT windowDpi(HWND window) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = newerUser32<GetDpiForWindow>("GetDpiForWindow");
    if (const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0; dpi != 0) return dpi;
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}
