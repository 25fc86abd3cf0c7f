// Window procedures' side of windows: default processing, window longs, geometry queries,
// enabling, text, the cursor, and the few resource and module calls.

#include <windows.h>

#include <algorithm>

#include "platform/LayerState.h"
#include "platform/Video.h"

using namespace platform;

namespace {

const HINSTANCE moduleInstance = reinterpret_cast<HINSTANCE>(0x400000);

int copyText(const std::u16string& text, LPWSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    int n = std::min<int>(int(text.size()), size - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
    return n;
}

}  // namespace

extern "C" {

LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LayerState& s = state();
    switch (message) {
        case WM_NCCREATE: {
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
            Lock lk(s.lock);
            Window* w = findOrFail(s, hwnd);
            if (!w) return FALSE;
            auto text = reinterpret_cast<LPCWSTR>(lParam);
            w->text = text ? std::u16string(text) : std::u16string();
            syncSurface(*w);
            return TRUE;
        }
        case WM_GETTEXT: {
            Lock lk(s.lock);
            Window* w = findOrFail(s, hwnd);
            return w ? copyText(w->text, reinterpret_cast<LPWSTR>(lParam), int(wParam)) : 0;
        }
        case WM_GETTEXTLENGTH: {
            Lock lk(s.lock);
            Window* w = findOrFail(s, hwnd);
            return w ? LRESULT(w->text.size()) : 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: {
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

LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
    if (!w) return 0;
    switch (index) {
        case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
        case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
        case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>((w->style & WS_CHILD) ? w->parent : w->owner);
        case GWLP_ID: return reinterpret_cast<LONG_PTR>(w->menu);
        case GWL_STYLE: return LONG_PTR(LONG(w->style));
        case GWL_EXSTYLE: return LONG_PTR(LONG(w->exStyle));
        case GWLP_USERDATA: return w->userData;
        default:
            if (index >= 0 && size_t(index) + sizeof(LONG_PTR) <= w->extra.size()) {
                LONG_PTR v;
                std::copy_n(w->extra.data() + index, sizeof v, reinterpret_cast<unsigned char*>(&v));
                return v;
            }
            setError(ERROR_INVALID_INDEX);
            return 0;
    }
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
    if (!w) return 0;
    LONG_PTR old = 0;
    switch (index) {
        case GWLP_WNDPROC:
            if (!value) {
                setError(ERROR_INVALID_PARAMETER);
                return 0;
            }
            old = reinterpret_cast<LONG_PTR>(w->proc);
            w->proc = reinterpret_cast<WNDPROC>(value);
            return old;
        case GWLP_HINSTANCE:
            old = reinterpret_cast<LONG_PTR>(w->instance);
            w->instance = reinterpret_cast<HINSTANCE>(value);
            return old;
        case GWLP_ID:
            old = reinterpret_cast<LONG_PTR>(w->menu);
            w->menu = reinterpret_cast<HMENU>(value);
            return old;
        case GWL_STYLE:
            old = LONG_PTR(LONG(w->style));
            w->style = DWORD(value);
            return old;
        case GWL_EXSTYLE:
            old = LONG_PTR(LONG(w->exStyle));
            w->exStyle = DWORD(value);
            return old;
        case GWLP_USERDATA:
            old = w->userData;
            w->userData = value;
            return old;
        default:
            if (index >= 0 && size_t(index) + sizeof(LONG_PTR) <= w->extra.size()) {
                std::copy_n(w->extra.data() + index, sizeof old, reinterpret_cast<unsigned char*>(&old));
                std::copy_n(reinterpret_cast<unsigned char*>(&value), sizeof value, w->extra.data() + index);
                return old;
            }
            setError(ERROR_INVALID_INDEX);
            return 0;
    }
}

HWND WINAPI GetParent(HWND hwnd) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
    if (!w) return nullptr;
    if (w->style & WS_CHILD) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
    if (!w || !rect) return FALSE;
    *rect = RECT{0, 0, clientWidth(*w), clientHeight(*w)};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
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

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    LayerState& s = state();
    Lock lk(s.lock);
    currentQueue();
    Window* w = findOrFail(s, hwnd);
    if (!w) return FALSE;
    bool wasDisabled = w->style & WS_DISABLED;
    if (wasDisabled == bool(enable)) {
        if (enable)
            w->style &= ~DWORD(WS_DISABLED);
        else
            w->style |= WS_DISABLED;
        sendLocked(lk, hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
    if (!w) {
        buffer[0] = 0;
        return 0;
    }
    // Own windows answer WM_GETTEXT; another thread's window text is read directly, as Win32 does.
    if (w->threadId == currentThreadId())
        return int(callProc(lk, hwnd, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(buffer)));
    return copyText(w->text, buffer, size);
}

int WINAPI GetWindowTextLengthW(HWND hwnd) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
    if (!w) return 0;
    if (w->threadId == currentThreadId()) return int(callProc(lk, hwnd, WM_GETTEXTLENGTH, 0, 0));
    return int(w->text.size());
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
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = findOrFail(s, hwnd);
    if (!w || !point) return FALSE;
    POINT o = clientOrigin(s, *w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

// Only the system's icons and cursors exist (the program carries no resources).
HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (instance || !IS_INTRESOURCE(name) || id < 32512 || id > 32518) {
        setError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HICON>(0x20000 + id);
}

HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
    if (instance || !IS_INTRESOURCE(name) || id < 32512 || id > 32651) {
        setError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(0x30000 + id);
}

HACCEL WINAPI LoadAcceleratorsW(HINSTANCE, LPCWSTR) {
    setError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

int WINAPI TranslateAcceleratorW(HWND, HACCEL accelerators, LPMSG message) {
    if (!accelerators || !message) setError(ERROR_INVALID_PARAMETER);
    return 0;
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR name) {
    if (name) {
        setError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return moduleInstance;
}

}  // extern "C"
