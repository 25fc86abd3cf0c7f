// The Windows side of Desktop.h for the window, linked into the program by the Windows build
// only. There are no foreign X windows here; the console's Ctrl-C, Ctrl-Break and close
// events stand in for the signals.

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/DisplayScale.h"

#include <Desktop.h>

namespace {

HHOOK creationHook = nullptr;
bool coverScreen = false;
SIZE designSize{};
DWORD windowThread = 0;

// The first top-level window created either becomes a borderless popup over the primary
// screen (its first WM_SIZE then brings the client size, as a resize would) or is sized for
// the display's DPI.
LRESULT CALLBACK onCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!(create->style & WS_CHILD)) {
            if (coverScreen) {
                create->style = (create->style & (WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS)) | WS_POPUP;
                create->x = 0;
                create->y = 0;
                create->cx = GetSystemMetrics(SM_CXSCREEN);
                create->cy = GetSystemMetrics(SM_CYSCREEN);
            } else {
                followDisplayScale(reinterpret_cast<HWND>(wParam), designSize);
            }
            UnhookWindowsHookEx(creationHook);
            creationHook = nullptr;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void hookFirstWindow() {
    if (!creationHook) creationHook = SetWindowsHookExW(WH_CBT, onCreation, nullptr, GetCurrentThreadId());
}

BOOL CALLBACK postClose(HWND window, LPARAM closed) {
    if (GetParent(window) != nullptr) return TRUE;
    PostMessageW(window, WM_CLOSE, 0, 0);
    *reinterpret_cast<bool*>(closed) = true;
    return FALSE;
}

// Runs on a thread of its own, which Windows starts for each console event.
BOOL WINAPI onConsoleEvent(DWORD) {
    for (;;) {
        bool closed = false;
        EnumThreadWindows(windowThread, postClose, reinterpret_cast<LPARAM>(&closed));
        if (closed) return TRUE;
        Sleep(20);  // an event during start-up closes the window once it exists
    }
}

}  // namespace

void Desktop::fullscreen() {
    coverScreen = true;
    hookFirstWindow();
}

// A full screen has its own size: only a window of the program's own is scaled.
void Desktop::scaleWithDisplay(int width, int height) {
    designSize = {width, height};
    hookFirstWindow();
}

std::string Desktop::drawInto(uint64_t) { return "drawing into another program's window is not supported on Windows"; }

std::string Desktop::drawIntoRoot() { return drawInto(0); }

void Desktop::closeOnSignals() {
    windowThread = GetCurrentThreadId();
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

std::filesystem::path Desktop::programFolder() {
    // The name may be longer than MAX_PATH (a long-path-aware Windows); a name that filled the
    // buffer may have been cut.
    std::wstring path(MAX_PATH, L'\0');
    while (path.size() <= 32768) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::filesystem::path(path.substr(0, length)).parent_path();
        path.resize(path.size() * 2);
    }
    return {};
}
