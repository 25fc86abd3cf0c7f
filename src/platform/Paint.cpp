// Painting: update regions (kept as one rectangle per window), WM_PAINT on demand, and the
// synchronous repaint across threads that the frame hand-over relies on.

#include <windows.h>

#include <algorithm>

#include "platform/LayerState.h"
#include "platform/Unimplemented.h"

namespace platform {

void invalidateLocked(LayerState& s, Window& w, const RECT* rect, bool erase) {
    RECT client{0, 0, clientWidth(w), clientHeight(w)};
    RECT r = rect ? *rect : client;
    r.left = std::max(r.left, client.left);
    r.top = std::max(r.top, client.top);
    r.right = std::min(r.right, client.right);
    r.bottom = std::min(r.bottom, client.bottom);
    // A given rectangle outside the client area changes nothing; a null one always marks the
    // window, even with an empty client area.
    if (rect && (r.left >= r.right || r.top >= r.bottom)) return;
    if (!w.needsPaint) {
        w.update = r;
    } else {
        w.update.left = std::min(w.update.left, r.left);
        w.update.top = std::min(w.update.top, r.top);
        w.update.right = std::max(w.update.right, r.right);
        w.update.bottom = std::max(w.update.bottom, r.bottom);
    }
    w.needsPaint = true;
    w.erase = w.erase || erase;
    (void)s;
    wake(*w.queue);
}

void updateNow(Lock& lk, HWND hwnd) {
    LayerState& s = state();
    Window* w = s.find(hwnd);
    if (!w) return;
    if (w->threadId != currentThreadId()) {
        sendAcross(lk, *w->queue, SentMessage::UpdateNow, hwnd, 0, 0, 0);
        return;
    }
    if (w->needsPaint && visibleTree(s, *w)) callProc(lk, hwnd, WM_PAINT, 0, 0);
}

HDC dcOf(LayerState& s, Window& w) {
    if (!w.dc) {
        w.dc = static_cast<HDC>(s.newHandle());
        s.dcs[w.dc] = w.handle;
    }
    return w.dc;
}

}  // namespace platform

using namespace platform;

namespace {

void redrawTree(Lock& lk, HWND hwnd, const RECT* rect, UINT flags, bool top) {
    LayerState& s = state();
    Window* w = s.find(hwnd);
    if (!w) return;
    if (flags & (RDW_INVALIDATE | RDW_INTERNALPAINT)) invalidateLocked(s, *w, top ? rect : nullptr, flags & RDW_ERASE);
    if (flags & RDW_VALIDATE) {
        w->needsPaint = false;
        w->erase = false;
    }
    if (flags & RDW_ALLCHILDREN) {
        std::vector<HWND> children = w->children;
        for (HWND c : children) redrawTree(lk, c, nullptr, flags & ~UINT(RDW_UPDATENOW | RDW_ERASENOW), false);
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        updateNow(lk, hwnd);
        if (flags & RDW_ALLCHILDREN) {
            if (Window* again = s.find(hwnd)) {
                std::vector<HWND> children = again->children;
                for (HWND c : children) updateNow(lk, c);
            }
        }
    }
}

}  // namespace

extern "C" {

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w) return FALSE;
    invalidateLocked(s, *w, rect, erase);
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    auto [s, lk, w] = lockWindow(hwnd, WithQueue::yes);
    if (!w) return FALSE;
    updateNow(lk, hwnd);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    if (region) failUnimplemented("RedrawWindow with a region");
    auto [s, lk, w] = lockWindow(hwnd, WithQueue::yes);
    if (!w) return FALSE;
    redrawTree(lk, hwnd, rect, flags, true);
    return TRUE;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w || !ps) {
        if (!ps) setError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    *ps = PAINTSTRUCT{};
    HDC dc = dcOf(s, *w);
    ps->hdc = dc;
    ps->rcPaint = w->needsPaint ? w->update : RECT{0, 0, 0, 0};
    bool erase = w->erase;
    w->needsPaint = false;
    w->erase = false;
    if (erase) ps->fErase = callProc(lk, hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    return dc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* ps) { return ps ? TRUE : FALSE; }

}  // extern "C"
