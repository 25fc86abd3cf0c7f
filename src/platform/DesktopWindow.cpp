// Fullscreen and foreign windows: the X window id is checked with Xlib when it is asked for,
// and taken with SDL_CreateWindowFrom when the first GL window needs its SDL window. Also what
// the X side of the desktop does to us: the foreign window destroyed, the display lost.

#include "platform/DesktopWindow.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>

#include "Desktop.h"

namespace platform {

namespace {

struct Target {
    std::mutex lock;
    bool fullscreen = false;
    std::atomic<uint64_t> foreign = 0;  // X window id; 0: none
    bool taken = false;
    SDL_Window* foreignWindow = nullptr;
    SDL_Window* wakeWindow = nullptr;  // lives as long as the process; the stand-in drawable
    std::atomic<bool> lost = false;
};

Target& target() {
    static auto* t = new Target;
    return *t;
}

Display* displayOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11 ? info.info.x11.display : nullptr;
}

// Follows the foreign window's size (and hears of its destruction): SDL hears of its
// ConfigureNotify (and sends the resize that becomes WM_SIZE) only if our connection selects
// StructureNotify on it; the mask is per client, so the owner's own selection is untouched.
void followSize(SDL_Window* window, uint64_t id) {
    Display* display = displayOf(window);
    if (!display) return;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, ::Window(id), &attributes)) return;
    XSelectInput(display, ::Window(id), attributes.your_event_mask | StructureNotifyMask);
    XFlush(display);
}

// X errors about the foreign window mean it is gone (the owner destroyed it between our
// requests). Once it is gone, every error is an echo of that (the driver freeing the GC it
// drew into that window with, say), and Xlib's own handler would exit() from inside a draw;
// the close is under way already. Any other error goes to the handler before ours (SDL's,
// then Xlib's).
XErrorHandler previousErrorHandler = nullptr;

int onXError(Display* display, XErrorEvent* error) {
    const uint64_t id = target().foreign;
    if (id && error->resourceid == id) {
        loseForeignWindow();
        return 0;
    }
    if (target().lost) return 0;
    return previousErrorHandler ? previousErrorHandler(display, error) : 0;
}

// Xlib's own handler calls exit() on whichever thread meets the loss first; two threads
// meeting it together ran the exit handlers twice and hung in them. The first thread here
// ends the process without them; any other waits for that.
int onDisplayLost(Display*) {
    static std::atomic_flag ending = ATOMIC_FLAG_INIT;
    if (!ending.test_and_set()) {
        static const char line[] = "platform: lost the connection to the X display\n";
        [[maybe_unused]] ssize_t written = write(STDERR_FILENO, line, sizeof line - 1);
        _exit(1);
    }
    for (;;) pause();
}

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

}  // namespace

SDL_Window* drawableOf(SDL_Window* window) {
    Target& t = target();
    return t.lost && window == t.foreignWindow && t.wakeWindow ? t.wakeWindow : window;
}

SDL_Window* contextWindowOf(SDL_Window* window) {
    Target& t = target();
    if (window == t.foreignWindow && !t.lost) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(displayOf(window), ::Window(t.foreign.load()), &attributes)) loseForeignWindow();
    }
    return drawableOf(window);
}

void loseForeignWindow() {
    Target& t = target();
    if (t.lost.exchange(true)) return;
    std::fprintf(stderr, "platform: X window 0x%llx is gone, closing\n", static_cast<unsigned long long>(t.foreign));
    requestClose();
}

void noticeWindowEvent(const SDL_SysWMmsg& message) {
    const uint64_t id = target().foreign;
    if (message.subsystem == SDL_SYSWM_X11 && message.msg.x11.event.type == DestroyNotify &&
        id && message.msg.x11.event.xdestroywindow.window == id)
        loseForeignWindow();
}

void watchDisplayConnection() {
    static std::once_flag once;
    std::call_once(once, [] { XSetIOErrorHandler(onDisplayLost); });
}

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
    if (!previousErrorHandler) previousErrorHandler = XSetErrorHandler(onXError);  // after SDL's
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);  // for the foreign window's DestroyNotify
    SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    SDL_Window* window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(uintptr_t(t.foreign)));
    uint64_t id = t.foreign;
    if (!window && checkWindow(id).empty()) {
        // Drawing anywhere else would leave the screensaver host's window blank. No exit
        // handlers: they would wait for the layer's lock, which this thread holds.
        std::fprintf(stderr, "platform: cannot draw into X window 0x%llx: %s\n",
                     static_cast<unsigned long long>(id), SDL_GetError());
        _exit(1);
    }
    // SDL wakes a thread waiting for events with a message to its newest window, sent to the
    // client that created it: for the foreign window that is its owner, not us. A hidden
    // window of our own, made after it, receives those wake-ups instead, and is drawn into
    // once the foreign window is gone.
    t.wakeWindow = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
    foreign = true;  // a window that is not shown, moved or resized by us, either way
    if (!window) {
        loseForeignWindow();  // gone since it was checked
        return SDL_CreateWindow(title, 0, 0, 1, 1, (flags & ~SDL_WINDOW_SHOWN) | SDL_WINDOW_HIDDEN);
    }
    followSize(window, t.foreign);
    t.foreignWindow = window;
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

// Draws into window `id`, or into the root window when `id` is 0.
std::string useForeignWindow(uint64_t id) {
    std::string problem = platform::checkWindow(id);
    if (!problem.empty()) return problem;
    platform::Target& t = platform::target();
    std::lock_guard<std::mutex> hold(t.lock);
    t.foreign = id;
    // SDL_CreateWindowFrom needs SDL's X11 driver, whatever else the session or SDL_VIDEODRIVER offers.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
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
