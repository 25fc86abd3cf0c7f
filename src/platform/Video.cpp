// SDL video, device contexts, the pixel format, WGL contexts and SwapBuffers, with the harness's
// picture hook and frame counter.

#include "platform/Video.h"

#include <GL/gl.h>
#include <SDL.h>
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unordered_map>

#include "Harness.h"
#include "platform/DesktopWindow.h"
#include "platform/Keys.h"
#include "platform/Unimplemented.h"

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

struct Context {
    SDL_GLContext gl = nullptr;
    std::shared_ptr<Surface> created;  // the surface it was created on
    std::shared_ptr<Surface> drawing;  // the surface it is current on
    DWORD thread = 0;                  // 0: current on no thread
    bool swapIntervalSet = false;
};

std::unordered_map<HGLRC, Context>& contexts() {
    static auto* c = new std::unordered_map<HGLRC, Context>;
    return *c;
}

thread_local HGLRC currentContext = nullptr;
thread_local HDC currentDc = nullptr;

std::mutex hookLock;
Harness::PictureHook pictureHook;
std::atomic<uint64_t> presented{0};
std::atomic<uint64_t> closeAt{0};

const PIXELFORMATDESCRIPTOR& onlyFormat() {
    static const PIXELFORMATDESCRIPTOR pfd = [] {
        PIXELFORMATDESCRIPTOR p{};
        p.nSize = sizeof p;
        p.nVersion = 1;
        p.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        p.iPixelType = PFD_TYPE_RGBA;
        p.cColorBits = 32;
        p.cRedBits = p.cGreenBits = p.cBlueBits = p.cAlphaBits = 8;
        p.cRedShift = 16;
        p.cGreenShift = 8;
        p.cBlueShift = 0;
        p.cAlphaShift = 24;
        p.cDepthBits = 24;
        p.cStencilBits = 8;
        p.iLayerType = PFD_MAIN_PLANE;
        return p;
    }();
    return pfd;
}

Window* windowOfDc(LayerState& s, HDC dc) {
    auto it = s.dcs.find(dc);
    return it == s.dcs.end() ? nullptr : s.find(it->second);
}

void setGlAttributes() {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

bool startDriver(const char* driver) {
    if (driver) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver, SDL_HINT_OVERRIDE);
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
}

// Reads the back buffer of the current context: top row first, R, G, B, A bytes.
void readBackBuffer(int width, int height, std::vector<uint32_t>& pixels) {
    pixels.assign(size_t(width) * size_t(height), 0);
    if (width <= 0 || height <= 0) return;
    GLint alignment, rowLength, skipRows, skipPixels, readBuffer;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glGetIntegerv(GL_PACK_ROW_LENGTH, &rowLength);
    glGetIntegerv(GL_PACK_SKIP_ROWS, &skipRows);
    glGetIntegerv(GL_PACK_SKIP_PIXELS, &skipPixels);
    glGetIntegerv(GL_READ_BUFFER, &readBuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadBuffer(GL_BACK);
    std::vector<uint32_t> bottomUp(pixels.size());
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    glPixelStorei(GL_PACK_ROW_LENGTH, rowLength);
    glPixelStorei(GL_PACK_SKIP_ROWS, skipRows);
    glPixelStorei(GL_PACK_SKIP_PIXELS, skipPixels);
    glReadBuffer(GLenum(readBuffer));
    for (int y = 0; y < height; ++y)
        std::copy_n(bottomUp.data() + size_t(height - 1 - y) * width, width, pixels.data() + size_t(y) * width);
}

void releaseCurrent() {
    if (!currentContext) return;
    auto it = contexts().find(currentContext);
    if (it != contexts().end()) {
        std::lock_guard<std::recursive_mutex> v(videoLock());
        SDL_GL_MakeCurrent(it->second.drawing ? it->second.drawing->window : nullptr, nullptr);
        it->second.thread = 0;
        it->second.drawing.reset();
    }
    currentContext = nullptr;
    currentDc = nullptr;
}

}  // namespace

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
    SDL_Window* sdl = takeDesktopTarget(toUtf8(w.text).c_str(), flags, foreign);  // desktop hook
    if (!sdl)
        sdl = SDL_CreateWindow(toUtf8(w.text).c_str(), o.x, o.y, std::max(1, clientWidth(w)),
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
    SDL_SetWindowTitle(sdl, toUtf8(w.text).c_str());
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
        while (SDL_PollEvent(&e)) events.push_back(e);
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

using namespace platform;

extern "C" {

HDC WINAPI GetDC(HWND hwnd) {
    if (!hwnd) failUnimplemented("GetDC(NULL) (the screen DC)");
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = s.find(hwnd);
    if (!w) {
        setError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return dcOf(s, *w);
}

int WINAPI ReleaseDC(HWND hwnd, HDC dc) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = windowOfDc(s, dc);
    return w && w->handle == hwnd ? 1 : 0;
}

HWND WINAPI WindowFromDC(HDC dc) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = windowOfDc(s, dc);
    return w ? w->handle : nullptr;
}

int WINAPI ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd) {
    LayerState& s = state();
    Lock lk(s.lock);
    if (!pfd || !windowOfDc(s, dc)) {
        setError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return 1;  // the one format, the closest match to any request
}

BOOL WINAPI SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = windowOfDc(s, dc);
    if (!w) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (w->style & WS_CHILD) failUnimplemented("SetPixelFormat on a child window");
    if (format != 1 || (w->pixelFormat && w->pixelFormat != format)) {
        setError(ERROR_INVALID_PIXEL_FORMAT);
        return FALSE;
    }
    if (!ensureSurface(*w)) {
        setError(ERROR_INVALID_PIXEL_FORMAT);
        return FALSE;
    }
    w->pixelFormat = format;
    return TRUE;
}

int WINAPI GetPixelFormat(HDC dc) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = windowOfDc(s, dc);
    if (!w) {
        setError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return w->pixelFormat;
}

int WINAPI DescribePixelFormat(HDC dc, int format, UINT bytes, LPPIXELFORMATDESCRIPTOR pfd) {
    LayerState& s = state();
    Lock lk(s.lock);
    if (!windowOfDc(s, dc)) {
        setError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (pfd) {
        if (format != 1 || bytes < sizeof(PIXELFORMATDESCRIPTOR)) {
            setError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        *pfd = onlyFormat();
    }
    return 1;
}

HGLRC WINAPI wglCreateContext(HDC dc) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = windowOfDc(s, dc);
    if (!w || !w->pixelFormat || !w->surface) {
        setError(ERROR_INVALID_PIXEL_FORMAT);
        return nullptr;
    }
    std::lock_guard<std::recursive_mutex> v(videoLock());
    setGlAttributes();
    SDL_GLContext gl = SDL_GL_CreateContext(w->surface->window);
    if (!gl) {
        std::fprintf(stderr, "platform: cannot create a GL context: %s\n", SDL_GetError());
        setError(ERROR_INVALID_PIXEL_FORMAT);
        return nullptr;
    }
    // SDL makes the new context current; WGL does not: give the thread its own context back.
    auto current = contexts().find(currentContext);
    if (current != contexts().end())
        SDL_GL_MakeCurrent(current->second.drawing->window, current->second.gl);
    else
        SDL_GL_MakeCurrent(w->surface->window, nullptr);
    HGLRC h = static_cast<HGLRC>(s.newHandle());
    Context& c = contexts()[h];
    c.gl = gl;
    c.created = w->surface;
    return h;
}

BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC hglrc) {
    LayerState& s = state();
    Lock lk(s.lock);
    if (!hglrc) {
        releaseCurrent();
        return TRUE;
    }
    auto it = contexts().find(hglrc);
    if (it == contexts().end()) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    Context& c = it->second;
    DWORD me = currentThreadId();
    // Asking the driver while another thread holds the context can abort the process (X error).
    if (c.thread && c.thread != me) {
        setError(ERROR_BUSY);
        return FALSE;
    }
    Window* w = windowOfDc(s, dc);
    if (!w) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!w->pixelFormat || !w->surface) {
        setError(ERROR_INVALID_PIXEL_FORMAT);
        return FALSE;
    }
    if (currentContext && currentContext != hglrc) releaseCurrent();
    std::lock_guard<std::recursive_mutex> v(videoLock());
    if (SDL_GL_MakeCurrent(w->surface->window, c.gl) != 0) {
        std::fprintf(stderr, "platform: SDL_GL_MakeCurrent failed: %s\n", SDL_GetError());
        setError(ERROR_INVALID_HANDLE);
        currentContext = nullptr;
        currentDc = nullptr;
        c.thread = 0;
        c.drawing.reset();
        return FALSE;
    }
    if (!c.swapIntervalSet) {
        // Swaps do not wait for the display's refresh: the program paces its frames itself
        // with Sleep, and a swap that waits as well would halve the frame rate.
        SDL_GL_SetSwapInterval(0);
        c.swapIntervalSet = true;
    }
    c.thread = me;
    c.drawing = w->surface;
    currentContext = hglrc;
    currentDc = dc;
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC hglrc) {
    LayerState& s = state();
    Lock lk(s.lock);
    auto it = contexts().find(hglrc);
    if (it == contexts().end()) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (it->second.thread && it->second.thread != currentThreadId()) {
        setError(ERROR_BUSY);
        return FALSE;
    }
    if (currentContext == hglrc) releaseCurrent();
    std::lock_guard<std::recursive_mutex> v(videoLock());
    SDL_GL_DeleteContext(it->second.gl);
    contexts().erase(it);
    return TRUE;
}

HGLRC WINAPI wglGetCurrentContext(void) { return currentContext; }
HDC WINAPI wglGetCurrentDC(void) { return currentDc; }

PROC WINAPI wglGetProcAddress(LPCSTR name) {
    if (!name || !currentContext) return nullptr;
    // The GL library answers with a dispatch stub for any name; only known entry points count.
    if (!dlsym(RTLD_DEFAULT, name)) return nullptr;
    std::lock_guard<std::recursive_mutex> v(videoLock());
    return reinterpret_cast<PROC>(SDL_GL_GetProcAddress(name));
}

BOOL WINAPI SwapBuffers(HDC dc) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = windowOfDc(s, dc);
    if (!w || !w->surface) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto it = contexts().find(currentContext);
    if (it == contexts().end() || it->second.drawing != w->surface) {
        // The buffers are swapped through the context current on this thread.
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    HWND hwnd = w->handle;
    std::shared_ptr<Surface> surface = w->surface;
    lk.unlock();

    Harness::PictureHook hook;
    {
        std::lock_guard<std::mutex> h(hookLock);
        hook = pictureHook;
    }
    uint64_t index = presented.load();
    if (hook) {
        Harness::Picture picture;
        picture.hwnd = hwnd;
        picture.frameIndex = index;
        {
            std::lock_guard<std::recursive_mutex> v(videoLock());
            SDL_GL_GetDrawableSize(surface->window, &picture.width, &picture.height);
        }
        readBackBuffer(picture.width, picture.height, picture.pixels);
        hook(picture);
    }
    {
        std::lock_guard<std::recursive_mutex> v(videoLock());
        SDL_GL_SwapWindow(surface->window);
    }
    uint64_t count = ++presented;
    uint64_t target = closeAt.load();
    if (target && count >= target && closeAt.compare_exchange_strong(target, 0)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // extern "C"

namespace Harness {

void setPictureHook(PictureHook hook) {
    std::lock_guard<std::mutex> h(hookLock);
    pictureHook = std::move(hook);
}

uint64_t presentedFrames() { return presented.load(); }

void closeAfterFrames(uint64_t frames) { closeAt = frames ? presented.load() + frames : 0; }

bool forceHeadless() {
    std::lock_guard<std::recursive_mutex> v(videoLock());
    if (video().started) return video().headless;
    video().forceHeadless = true;
    return true;
}

bool headless() { return videoHeadless(); }

}  // namespace Harness
