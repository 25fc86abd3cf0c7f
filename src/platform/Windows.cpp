// Window classes and window objects: registration, creation and destruction with their
// messages, showing and moving.

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/LayerState.h"
#include "platform/Video.h"

namespace platform {

namespace {

int nextDefaultPosition = 0;

std::u16string lowerAscii(std::u16string text) {
    for (auto& c : text)
        if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
    return text;
}

std::shared_ptr<WindowClass> findClass(LayerState& s, LPCWSTR name) {
    registerControlClasses(s);
    if (!name) return nullptr;
    if (IS_INTRESOURCE(name)) {
        ATOM atom = ATOM(reinterpret_cast<ULONG_PTR>(name));
        for (auto& [key, cls] : s.classes)
            if (cls->atom == atom) return cls;
        return nullptr;
    }
    auto it = s.classes.find(lowerAscii(name));
    return it == s.classes.end() ? nullptr : it->second;
}

LPARAM moveParam(LayerState& s, const Window& w) {
    POINT p = (w.style & WS_CHILD) ? POINT{w.rect.left, w.rect.top} : clientOrigin(s, w);
    return MAKELPARAM(WORD(SHORT(p.x)), WORD(SHORT(p.y)));
}

void sendSizeAndMove(Lock& lk, HWND hwnd) {
    LayerState& s = state();
    Window* w = s.find(hwnd);
    if (!w) return;
    w->sizeMoveSent = true;
    LPARAM size = MAKELPARAM(clientWidth(*w), clientHeight(*w));
    sendLocked(lk, hwnd, WM_SIZE, SIZE_RESTORED, size);
    if ((w = s.find(hwnd))) sendLocked(lk, hwnd, WM_MOVE, 0, moveParam(s, *w));
}

BOOL showLocked(Lock& lk, HWND hwnd, int cmd) {
    LayerState& s = state();
    Window* w = findOrFail(s, hwnd);
    if (!w) return FALSE;
    BOOL wasVisible = w->visible ? TRUE : FALSE;
    bool show = cmd != SW_HIDE;
    if (show != w->visible) {
        w->visible = show;
        if (show) {
            w->style |= WS_VISIBLE;
            invalidateLocked(s, *w, nullptr, true);
        } else {
            w->style &= ~DWORD(WS_VISIBLE);
        }
        syncSurface(*w);
    }
    if (w && show && !w->sizeMoveSent) sendSizeAndMove(lk, hwnd);
    return wasVisible;
}

void destroyAnyThread(Lock& lk, HWND hwnd) {
    Window* w = state().find(hwnd);
    if (!w) return;
    if (w->threadId == currentThreadId())
        destroyLocked(lk, hwnd);
    else
        sendAcross(lk, *w->queue, SentMessage::Destroy, hwnd, 0, 0, 0);
}

}  // namespace

// Non-client widths of the frame model: 4-pixel borders on framed top-level windows and a
// 19-pixel caption; child windows are all client.
RECT frameFor(DWORD style) {
    if (style & WS_CHILD) return RECT{0, 0, 0, 0};
    LONG border = (style & (WS_THICKFRAME | WS_BORDER | WS_DLGFRAME)) ? 4 : 0;
    LONG caption = ((style & WS_CAPTION) == WS_CAPTION) ? 19 : 0;
    return RECT{border, border + caption, border, border};
}

Window* findOrFail(LayerState& s, HWND hwnd) {
    Window* w = s.find(hwnd);
    if (!w) setError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}

WindowCall lockWindow(HWND hwnd, WithQueue queue) {
    LayerState& s = state();
    Lock lk(s.lock);
    if (queue == WithQueue::yes) currentQueue();
    Window* w = findOrFail(s, hwnd);
    return WindowCall{s, std::move(lk), w};
}

bool isDescendant(LayerState& s, HWND ancestor, HWND hwnd) {
    for (Window* w = s.find(hwnd); w && (w->style & WS_CHILD); w = s.find(w->parent))
        if (w->parent == ancestor) return true;
    return false;
}

bool visibleTree(LayerState& s, const Window& w) {
    const Window* p = &w;
    while (p) {
        if (!p->visible) return false;
        p = (p->style & WS_CHILD) ? s.find(p->parent) : nullptr;
    }
    return true;
}

void forgetWindow(Lock& lk, HWND hwnd) {
    (void)lk;
    LayerState& s = state();
    Window* w = s.find(hwnd);
    if (!w) return;
    if (Window* p = s.find(w->parent)) std::erase(p->children, hwnd);
    ThreadQueue& q = *w->queue;
    std::erase(q.windows, hwnd);
    std::erase_if(q.posted, [&](const MSG& m) { return m.hwnd == hwnd; });
    std::erase_if(q.input, [&](const MSG& m) { return m.hwnd == hwnd; });
    // Whoever still waits on a message to this window gets 0 back.
    for (auto it = q.incoming.begin(); it != q.incoming.end();) {
        if ((*it)->hwnd == hwnd) {
            completeSent(**it, 0);
            it = q.incoming.erase(it);
        } else {
            ++it;
        }
    }
    if (w->dc) s.dcs.erase(w->dc);
    if (s.lastTopLevel == hwnd) s.lastTopLevel = nullptr;
    std::shared_ptr<Surface> surface = std::move(w->surface);
    s.windows.erase(hwnd);
    if (surface) {
        std::lock_guard<std::recursive_mutex> video(videoLock());
        surface.reset();
    }
}

BOOL destroyLocked(Lock& lk, HWND hwnd) {
    LayerState& s = state();
    Window* w = findOrFail(s, hwnd);
    if (!w) return FALSE;
    if (w->threadId != currentThreadId()) {
        setError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (w->destroying) return TRUE;
    w->destroying = true;
    if (w->visible) {
        w->visible = false;
        syncSurface(*w);
    }
    std::vector<HWND> owned;
    for (auto& [h, other] : s.windows)
        if (other->owner == hwnd) owned.push_back(h);
    for (HWND h : owned) destroyAnyThread(lk, h);
    callProc(lk, hwnd, WM_DESTROY, 0, 0);
    if ((w = s.find(hwnd))) {
        std::vector<HWND> children = w->children;
        for (HWND c : children) destroyAnyThread(lk, c);
    }
    callProc(lk, hwnd, WM_NCDESTROY, 0, 0);
    forgetWindow(lk, hwnd);
    return TRUE;
}

}  // namespace platform

using namespace platform;

extern "C" {

ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXW) || !wc->lpfnWndProc || !wc->lpszClassName ||
        IS_INTRESOURCE(wc->lpszClassName) || !wc->lpszClassName[0] || wc->cbClsExtra < 0 || wc->cbWndExtra < 0) {
        setError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    LayerState& s = state();
    Lock lk(s.lock);
    registerControlClasses(s);
    std::u16string key = lowerAscii(wc->lpszClassName);
    if (s.classes.count(key)) {
        setError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto cls = std::make_shared<WindowClass>();
    cls->name = wc->lpszClassName;
    cls->info = *wc;
    cls->info.lpszClassName = nullptr;
    cls->info.lpszMenuName = nullptr;
    cls->atom = s.nextAtom++;
    s.classes[key] = cls;
    return cls->atom;
}

BOOL WINAPI UnregisterClassW(LPCWSTR name, HINSTANCE) {
    LayerState& s = state();
    Lock lk(s.lock);
    auto cls = findClass(s, name);
    if (!cls || cls->system) {
        setError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    for (auto& [h, w] : s.windows)
        if (w->cls == cls) {
            setError(ERROR_CLASS_HAS_WINDOWS);
            return FALSE;
        }
    s.classes.erase(lowerAscii(cls->name));
    return TRUE;
}

HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    LayerState& s = state();
    Lock lk(s.lock);
    ThreadQueue& q = currentQueue();
    auto cls = findClass(s, className);
    if (!cls) {
        setError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if ((style & WS_CHILD) && !parent) {
        setError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (parent && !s.find(parent)) {
        setError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    auto win = std::make_unique<Window>();
    Window& w = *win;
    w.handle = static_cast<HWND>(s.newHandle());
    w.cls = cls;
    w.proc = cls->info.lpfnWndProc;
    bool child = style & WS_CHILD;
    // Overlapped top-level windows always have a caption, as in Win32.
    if (!child && !(style & WS_POPUP)) style |= WS_CAPTION | WS_CLIPSIBLINGS;
    bool visibleAtEnd = style & WS_VISIBLE;
    w.style = style & ~DWORD(WS_VISIBLE);
    w.exStyle = exStyle;
    w.frame = frameFor(style);
    if (child) {
        w.parent = parent;
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
    } else {
        w.owner = parent;
        if (x == CW_USEDEFAULT) {
            if (style & WS_POPUP) {
                x = y = 0;
            } else {
                x = y = 32 + 24 * (nextDefaultPosition++ % 8);
            }
        }
        if (width == CW_USEDEFAULT) {
            if (style & WS_POPUP) {
                width = height = 0;
            } else {
                width = 800;
                height = 600;
            }
        }
    }
    width = std::max(0, width);
    height = std::max(0, height);
    w.rect = RECT{x, y, x + width, y + height};
    w.menu = menu;
    w.instance = instance;
    w.extra.assign(size_t(cls->info.cbWndExtra), 0);
    w.queue = &q;
    w.threadId = q.threadId;
    HWND hwnd = w.handle;
    s.windows[hwnd] = std::move(win);
    if (child) s.find(parent)->children.push_back(hwnd);
    q.windows.push_back(hwnd);

    CREATESTRUCTW cs{};
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = LONG(style & ~DWORD(WS_VISIBLE));
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!callProc(lk, hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (s.find(hwnd)) {
            callProc(lk, hwnd, WM_NCDESTROY, 0, 0);
            forgetWindow(lk, hwnd);
        }
        return nullptr;
    }
    if (!s.find(hwnd)) return nullptr;
    if (callProc(lk, hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        destroyLocked(lk, hwnd);
        return nullptr;
    }
    if (!s.find(hwnd)) return nullptr;
    if (!child) s.lastTopLevel = hwnd;
    if (visibleAtEnd) showLocked(lk, hwnd, SW_SHOW);
    return s.find(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    LayerState& s = state();
    Lock lk(s.lock);
    currentQueue();
    return destroyLocked(lk, hwnd);
}

BOOL WINAPI IsWindow(HWND hwnd) {
    LayerState& s = state();
    Lock lk(s.lock);
    return s.find(hwnd) ? TRUE : FALSE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    auto [s, lk, w] = lockWindow(hwnd, WithQueue::yes);
    if (!w) return FALSE;
    RECT old = w->rect;
    w->rect = RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
    bool moved = old.left != w->rect.left || old.top != w->rect.top;
    bool sized = old.right - old.left != w->rect.right - w->rect.left ||
                 old.bottom - old.top != w->rect.bottom - w->rect.top;
    syncSurface(*w);
    if (repaint) invalidateLocked(s, *w, nullptr, true);
    if (moved) sendLocked(lk, hwnd, WM_MOVE, 0, moveParam(s, *w));
    if (sized && (w = s.find(hwnd)))
        sendLocked(lk, hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(clientWidth(*w), clientHeight(*w)));
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmd) {
    LayerState& s = state();
    Lock lk(s.lock);
    currentQueue();
    return showLocked(lk, hwnd, cmd);
}

}  // extern "C"
