// Device contexts, the pixel format, WGL contexts and SwapBuffers (with the harness's picture
// hook and frame count around the swap).

#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <unordered_map>

#include "platform/DesktopWindow.h"
#include "platform/HarnessHooks.h"
#include "platform/Unimplemented.h"
#include "platform/Video.h"

namespace platform {

namespace {

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

Window* windowOfDc(LayerState& s, HDC dc) {
    auto it = s.dcs.find(dc);
    return it == s.dcs.end() ? nullptr : s.find(it->second);
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
}

}  // namespace

size_t liveGlContexts() { return contexts().size(); }

}  // namespace platform

using namespace platform;

extern "C" {

HDC WINAPI GetDC(HWND hwnd) {
    if (!hwnd) failUnimplemented("GetDC(NULL) (the screen DC)");
    auto [s, lk, w] = lockWindow(hwnd);
    if (!w) return nullptr;
    ++s.dcsTaken;
    return dcOf(s, *w);
}

int WINAPI ReleaseDC(HWND hwnd, HDC dc) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = windowOfDc(s, dc);
    if (!w || w->handle != hwnd || s.dcsTaken == 0) return 0;
    --s.dcsTaken;
    return 1;
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
    SDL_GLContext gl = SDL_GL_CreateContext(contextWindowOf(w->surface->window));
    if (!gl && w->surface->foreign) {
        loseForeignWindow();  // destroyed after the check above: the stand-in takes over
        gl = SDL_GL_CreateContext(drawableOf(w->surface->window));
    }
    if (!gl) {
        std::fprintf(stderr, "platform: cannot create a GL context: %s\n", SDL_GetError());
        setError(ERROR_INVALID_PIXEL_FORMAT);
        return nullptr;
    }
    // SDL makes the new context current; WGL does not: give the thread its own context back.
    auto current = contexts().find(currentContext);
    if (current != contexts().end())
        SDL_GL_MakeCurrent(drawableOf(current->second.drawing->window), current->second.gl);
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
    int made = SDL_GL_MakeCurrent(drawableOf(w->surface->window), c.gl);
    if (made != 0 && w->surface->foreign) {
        loseForeignWindow();  // destroyed, its DestroyNotify not yet read: the stand-in takes over
        made = SDL_GL_MakeCurrent(drawableOf(w->surface->window), c.gl);
    }
    if (made != 0) {
        std::fprintf(stderr, "platform: SDL_GL_MakeCurrent failed: %s\n", SDL_GetError());
        setError(ERROR_INVALID_HANDLE);
        currentContext = nullptr;
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
    beforeSwap(hwnd, surface->window);
    {
        std::lock_guard<std::recursive_mutex> v(videoLock());
        SDL_GL_SwapWindow(drawableOf(surface->window));
    }
    afterSwap(hwnd);
    return TRUE;
}

}  // extern "C"
