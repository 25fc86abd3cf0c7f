// Default processing of window messages (DefWindowProcW) and calling a procedure
// (CallWindowProcW).

#include <windows.h>

#include "platform/LayerState.h"
#include "platform/Video.h"

using namespace platform;

extern "C" {

LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            LayerState& s = state();
            Lock lk(s.lock);
            auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            Window* w = s.find(hwnd);
            if (w && cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) {
                w->text = cs->lpszName;
                syncSurface(*w);
            }
            return TRUE;
        }
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_SETTEXT: {
            auto [s, lk, w] = lockWindow(hwnd);
            if (!w) return FALSE;
            auto text = reinterpret_cast<LPCWSTR>(lParam);
            w->text = text ? std::u16string(text) : std::u16string();
            syncSurface(*w);
            return TRUE;
        }
        case WM_GETTEXT: {
            auto [s, lk, w] = lockWindow(hwnd);
            return w ? copyText(w->text, reinterpret_cast<LPWSTR>(lParam), int(wParam)) : 0;
        }
        case WM_GETTEXTLENGTH: {
            auto [s, lk, w] = lockWindow(hwnd);
            return w ? LRESULT(w->text.size()) : 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: {
            LayerState& s = state();
            Lock lk(s.lock);
            Window* w = s.find(hwnd);
            return w && w->cls->info.hbrBackground ? 1 : 0;
        }
        default:
            return 0;
    }
}

LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, message, wParam, lParam);
}

}  // extern "C"
