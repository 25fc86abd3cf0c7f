// SDL side of the layer: video start-up, the SDL windows behind top-level windows, waking a
// thread that waits in SDL, and input events turned into window messages.

#include "platform/Video.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unordered_map>

#include "base/Utf.h"
#include "platform/DesktopWindow.h"
#include "platform/Keys.h"

namespace platform {

namespace {

struct VideoState {
    bool started = false;
    bool failed = false;
    bool headless = false;
    bool forceHeadless = false;
    std::thread::id thread;
    Uint32 wakeEvent = 0;
    std::unordered_map<Uint32, HWND> windowsById;  // SDL window id -> HWND, under the layer lock
};

VideoState& video() {
    static VideoState* v = new VideoState;
    return *v;
}

bool startDriver(const char* driver) {
    if (driver) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver, SDL_HINT_OVERRIDE);
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
}

}  // namespace

void setGlAttributes() {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

std::recursive_mutex& videoLock() {
    static auto* m = new std::recursive_mutex;
    return *m;
}

Surface::~Surface() {
    if (window) {
        video().windowsById.erase(SDL_GetWindowID(window));
        SDL_DestroyWindow(window);
    }
}

bool ensureVideo() {
    std::lock_guard<std::recursive_mutex> v(videoLock());
    VideoState& vs = video();
    if (vs.started) return true;
    if (vs.failed) return false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    bool noDisplay = !set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("SDL_VIDEODRIVER");
    bool ok = false;
    watchDisplayConnection();  // before SDL opens the display: the loss may come at any moment
    if (!vs.forceHeadless && !noDisplay) ok = startDriver(nullptr);
    if (!ok) {
        ok = startDriver("offscreen");
        if (ok) {
            vs.headless = true;
            std::fprintf(stderr, "platform: no display, rendering offscreen (SDL offscreen driver, EGL)\n");
        }
    }
    if (!ok) {
        std::fprintf(stderr, "platform: cannot start SDL video: %s\n", SDL_GetError());
        vs.failed = true;
        return false;
    }
    // Keep the GL driver loaded for the life of the process instead of unloading it with the
    // last GL window: reloading costs time and loses what the driver still holds.
    if (SDL_GL_LoadLibrary(nullptr) != 0)
        std::fprintf(stderr, "platform: cannot load the GL library: %s\n", SDL_GetError());
    vs.thread = std::this_thread::get_id();
    vs.wakeEvent = SDL_RegisterEvents(1);
    vs.started = true;
    return true;
}

bool videoHeadless() {
    std::lock_guard<std::recursive_mutex> v(videoLock());
    return video().headless;
}

bool isVideoThread() {
    std::lock_guard<std::recursive_mutex> v(videoLock());
    return video().started && video().thread == std::this_thread::get_id();
}

bool waitsInSdl() {
    std::lock_guard<std::recursive_mutex> v(videoLock());
    VideoState& vs = video();
    return vs.started && !vs.headless && vs.thread == std::this_thread::get_id();
}

bool requestHeadless() {
    std::lock_guard<std::recursive_mutex> v(videoLock());
    if (video().started) return video().headless;
    video().forceHeadless = true;
    return true;
}

bool ensureSurface(Window& w) {
    if (w.surface) return true;
    if (w.style & WS_CHILD) return false;
    if (!ensureVideo()) return false;
    std::lock_guard<std::recursive_mutex> v(videoLock());
    setGlAttributes();
    Uint32 flags = SDL_WINDOW_OPENGL;
    flags |= (w.visible && !video().headless) ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if (w.style & WS_THICKFRAME) flags |= SDL_WINDOW_RESIZABLE;
    POINT o{w.rect.left + w.frame.left, w.rect.top + w.frame.top};
    bool foreign = false;
    SDL_Window* sdl = takeDesktopTarget(::toUtf8(w.text).c_str(), flags, foreign);  // desktop hook
    if (!sdl)
        sdl = SDL_CreateWindow(::toUtf8(w.text).c_str(), o.x, o.y, std::max(1, clientWidth(w)),
                               std::max(1, clientHeight(w)), flags);
    if (!sdl) {
        std::fprintf(stderr, "platform: cannot create an SDL window: %s\n", SDL_GetError());
        return false;
    }
    w.surface = std::make_shared<Surface>();
    w.surface->window = sdl;
    w.surface->foreign = foreign;
    video().windowsById[SDL_GetWindowID(sdl)] = w.handle;
    announceSize(sdl, clientWidth(w), clientHeight(w));  // desktop hook: screen or foreign size
    return true;
}

void syncSurface(Window& w) {
    if (!w.surface || w.surface->foreign) return;  // desktop hook: someone else's window
    std::lock_guard<std::recursive_mutex> v(videoLock());
    SDL_Window* sdl = w.surface->window;
    SDL_SetWindowTitle(sdl, ::toUtf8(w.text).c_str());
    int cw = std::max(1, clientWidth(w)), ch = std::max(1, clientHeight(w));
    int sw, sh;
    SDL_GetWindowSize(sdl, &sw, &sh);
    if (sw != cw || sh != ch) SDL_SetWindowSize(sdl, cw, ch);
    if (!video().headless) {
        if (w.visible)
            SDL_ShowWindow(sdl);
        else
            SDL_HideWindow(sdl);
    }
}

void pushSdlWake() {
    SDL_Event e{};
    e.type = video().wakeEvent;
    SDL_PushEvent(&e);
}

void wake(ThreadQueue& queue) {
    queue.cv.notify_all();
    if (queue.sdlWaiting) pushSdlWake();
}

void waitSdlEvent(Lock& lk, ThreadQueue& queue, int timeoutMs) {
    queue.sdlWaiting = true;
    lk.unlock();
    SDL_WaitEventTimeout(nullptr, timeoutMs < 0 ? -1 : timeoutMs);
    lk.lock();
    queue.sdlWaiting = false;
}

void pumpSdlEvents(Lock& lk) {
    LayerState& s = state();
    std::vector<SDL_Event> events;
    {
        std::lock_guard<std::recursive_mutex> v(videoLock());
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            // The message of a system event lives only until the next poll.
            if (e.type == SDL_SYSWMEVENT)
                noticeWindowEvent(*e.syswm.msg);
            else
                events.push_back(e);
        }
    }
    auto windowOf = [&](Uint32 id) -> Window* {
        auto it = video().windowsById.find(id);
        return it == video().windowsById.end() ? nullptr : s.find(it->second);
    };
    for (const SDL_Event& e : events) {
        if (e.type == SDL_WINDOWEVENT) {
            Window* w = windowOf(e.window.windowID);
            if (!w) continue;
            HWND hwnd = w->handle;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE: postLocked(*w->queue, hwnd, WM_CLOSE, 0, 0, true); break;
                case SDL_WINDOWEVENT_EXPOSED:
                    // Nothing can uncover an offscreen window; a repaint there would only add
                    // a picture nobody asked for.
                    if (!video().headless) invalidateLocked(s, *w, nullptr, true);
                    break;
                case SDL_WINDOWEVENT_SIZE_CHANGED: {
                    int cw = e.window.data1, ch = e.window.data2;
                    if (cw == clientWidth(*w) && ch == clientHeight(*w)) break;
                    w->rect.right = w->rect.left + w->frame.left + cw + w->frame.right;
                    w->rect.bottom = w->rect.top + w->frame.top + ch + w->frame.bottom;
                    invalidateLocked(s, *w, nullptr, true);
                    sendLocked(lk, hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cw, ch));
                    break;
                }
                case SDL_WINDOWEVENT_MOVED: {
                    POINT o = clientOrigin(s, *w);
                    if (video().headless || (o.x == e.window.data1 && o.y == e.window.data2)) break;
                    int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
                    w->rect.left = e.window.data1 - w->frame.left;
                    w->rect.top = e.window.data2 - w->frame.top;
                    w->rect.right = w->rect.left + width;
                    w->rect.bottom = w->rect.top + height;
                    sendLocked(lk, hwnd, WM_MOVE, 0, MAKELPARAM(WORD(SHORT(e.window.data1)), WORD(SHORT(e.window.data2))));
                    break;
                }
                default: break;
            }
        } else if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
            Window* w = windowOf(e.key.windowID);
            UINT vk = virtualKeyFromSdl(e.key.keysym.sym);
            if (!w || !vk) continue;
            bool down = e.type == SDL_KEYDOWN;
            bool wasDown = s.keyDown[vk];
            s.keyDown[vk] = down;
            postLocked(*w->queue, w->handle, down ? WM_KEYDOWN : WM_KEYUP, vk, keyLParam(vk, down, wasDown), true);
        } else if (e.type == SDL_MOUSEMOTION) {
            Window* w = windowOf(e.motion.windowID);
            if (!w) continue;
            POINT o = clientOrigin(s, *w);
            s.cursor = POINT{o.x + e.motion.x, o.y + e.motion.y};
            postLocked(*w->queue, w->handle, WM_MOUSEMOVE, 0,
                       MAKELPARAM(WORD(SHORT(e.motion.x)), WORD(SHORT(e.motion.y))), true);
        } else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
            Window* w = windowOf(e.button.windowID);
            if (!w) continue;
            bool down = e.type == SDL_MOUSEBUTTONDOWN;
            UINT message = 0;
            if (e.button.button == SDL_BUTTON_LEFT) message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
            if (e.button.button == SDL_BUTTON_RIGHT) message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
            if (e.button.button == SDL_BUTTON_MIDDLE) message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
            if (message)
                postLocked(*w->queue, w->handle, message, 0,
                           MAKELPARAM(WORD(SHORT(e.button.x)), WORD(SHORT(e.button.y))), true);
        }
    }
}

}  // namespace platform
