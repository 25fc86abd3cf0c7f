// Where windows are: client and window rectangles, the frame model's AdjustWindowRect,
// screen-to-client mapping and the cursor position.

#include <windows.h>

#include "platform/LayerState.h"

using namespace platform;

extern "C" {

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w || !rect) return FALSE;
    *rect = RECT{0, 0, clientWidth(*w), clientHeight(*w)};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w || !rect) return FALSE;
    *rect = w->rect;
    if (Window* p = (w->style & WS_CHILD) ? s.find(w->parent) : nullptr) {
        POINT o = clientOrigin(s, *p);
        rect->left += o.x;
        rect->right += o.x;
        rect->top += o.y;
        rect->bottom += o.y;
    }
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT rect, DWORD style, BOOL) {
    if (!rect) {
        setError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION;
    RECT f = frameFor(style);
    rect->left -= f.left;
    rect->top -= f.top;
    rect->right += f.right;
    rect->bottom += f.bottom;
    return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (!point) {
        setError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    LayerState& s = state();
    Lock lk(s.lock);
    *point = s.cursor;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w || !point) return FALSE;
    POINT o = clientOrigin(s, *w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

}  // extern "C"
