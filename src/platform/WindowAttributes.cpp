// What a window carries, read and set from outside: window longs and extra bytes, the
// parent or owner, enabling, and the window text.

#include <windows.h>

#include <algorithm>

#include "platform/LayerState.h"

namespace platform {

int copyText(const std::u16string& text, LPWSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    int n = std::min<int>(int(text.size()), size - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = 0;
    return n;
}

}  // namespace platform

using namespace platform;

extern "C" {

LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index) {
    auto [s, lk, w] = lockWindow(hwnd);
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
    auto [s, lk, w] = lockWindow(hwnd);
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
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w) return nullptr;
    if (w->style & WS_CHILD) return w->parent;
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    auto [s, lk, w] = lockWindow(hwnd, WithQueue::yes);
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
    auto [s, lk, w] = lockWindow(hwnd);
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
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w) return 0;
    if (w->threadId == currentThreadId()) return int(callProc(lk, hwnd, WM_GETTEXTLENGTH, 0, 0));
    return int(w->text.size());
}

}  // extern "C"
