// Fullscreen and foreign windows: the X window id is checked with Xlib when it is asked for,
// and taken with SDL_CreateWindowFrom when the first GL window needs its SDL window.

#include "platform/DesktopWindow.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <mutex>

#include "Desktop.h"

namespace platform {

namespace {

struct Target {
    std::mutex lock;
    bool fullscreen = false;
    uint64_t foreign = 0;  // X window id; 0: none
    bool taken = false;
    SDL_Window* wakeWindow = nullptr;  // lives as long as the process
};

Target& target() {
    static auto* t = new Target;
    return *t;
}

// Follows the foreign window's size: SDL hears of its ConfigureNotify (and sends the resize
// that becomes WM_SIZE) only if our connection selects StructureNotify on it; the mask is per
// client, so the owner's own selection is untouched.
void followSize(SDL_Window* window, uint64_t id) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, ::Window(id), &attributes)) return;
    XSelectInput(display, ::Window(id), attributes.your_event_mask | StructureNotifyMask);
    XFlush(display);
}

}  // namespace

SDL_Window* takeDesktopTarget(const char* title, Uint32 flags, bool& foreign) {
    Target& t = target();
    std::lock_guard<std::mutex> hold(t.lock);
    foreign = false;
    if (t.taken) return nullptr;
    t.taken = true;
    if (t.fullscreen) {
        // Borderless at the screen's bounds as well: without a window manager to honour the
        // fullscreen state, the window still covers the screen.
        SDL_Rect screen;
        if (SDL_GetDisplayBounds(0, &screen) != 0) return nullptr;
        return SDL_CreateWindow(title, screen.x, screen.y, screen.w, screen.h,
                                flags | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    }
    if (!t.foreign) return nullptr;
    SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    SDL_Window* window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(uintptr_t(t.foreign)));
    if (!window) {
        std::fprintf(stderr, "platform: cannot draw into X window 0x%llx: %s\n",
                     static_cast<unsigned long long>(t.foreign), SDL_GetError());
        return nullptr;
    }
    followSize(window, t.foreign);
    // SDL wakes a thread waiting for events with a message to its newest window, sent to the
    // client that created it: for the foreign window that is its owner, not us. A hidden
    // window of our own, made after it, receives those wake-ups instead.
    t.wakeWindow = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN);
    foreign = true;
    return window;
}

void announceSize(SDL_Window* window, int clientWidth, int clientHeight) {
    int width, height;
    SDL_GetWindowSize(window, &width, &height);
    if (width == clientWidth && height == clientHeight) return;
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    e.window.windowID = SDL_GetWindowID(window);
    e.window.data1 = width;
    e.window.data2 = height;
    SDL_PushEvent(&e);
}

}  // namespace platform

namespace Desktop {

void fullscreen() {
    platform::Target& t = platform::target();
    std::lock_guard<std::mutex> hold(t.lock);
    t.fullscreen = true;
}

namespace {

int ignoreXError(Display*, XErrorEvent*) { return 0; }

// Asks the X server whether `id` is a window (0: the root window); empty on success.
std::string checkWindow(uint64_t& id) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return "cannot open the X display \"" + std::string(XDisplayName(nullptr)) + "\"";
    auto previous = XSetErrorHandler(ignoreXError);
    if (!id) id = DefaultRootWindow(display);
    XWindowAttributes attributes;
    const bool exists = XGetWindowAttributes(display, ::Window(id), &attributes);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    if (exists) return {};
    char text[64];
    std::snprintf(text, sizeof text, "there is no X window 0x%llx", static_cast<unsigned long long>(id));
    return text;
}

// Draws into window `id`, or into the root window when `id` is 0.
std::string useForeignWindow(uint64_t id) {
    std::string problem = checkWindow(id);
    if (!problem.empty()) return problem;
    platform::Target& t = platform::target();
    std::lock_guard<std::mutex> hold(t.lock);
    t.foreign = id;
    // SDL_CreateWindowFrom needs SDL's X11 driver, whatever else the session offers.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    return {};
}

}  // namespace

std::string drawInto(uint64_t id) { return id ? useForeignWindow(id) : "0 is not an X window"; }

std::string drawIntoRoot() { return useForeignWindow(0); }

std::filesystem::path programFolder() {
    char* path = SDL_GetBasePath();
    std::filesystem::path folder = path ? path : "";
    SDL_free(path);
    return folder;
}

}  // namespace Desktop
