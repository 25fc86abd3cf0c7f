// SDL side of the layer: video start-up and the SDL windows behind top-level windows.

#include "platform/Video.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unordered_map>

#include "base/Utf.h"
#include "platform/DesktopWindow.h"

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

HWND handleOfSdlWindow(uint32_t sdlWindowId) {
    auto it = video().windowsById.find(sdlWindowId);
    return it == video().windowsById.end() ? nullptr : it->second;
}

uint32_t sdlWakeEvent() { return video().wakeEvent; }

}  // namespace platform
