// The Windows side of Desktop.h, linked into the program by the Windows build only. There are
// no foreign X windows here; the console's Ctrl-C, Ctrl-Break and close events stand in for
// the signals.

#include <windows.h>

#include <filesystem>

#include "platform/include/Desktop.h"

namespace {

HHOOK creationHook = nullptr;
DWORD windowThread = 0;

// The first top-level window created becomes a borderless popup over the primary screen; its
// first WM_SIZE then brings the client size, as a resize would.
LRESULT CALLBACK onCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!(create->style & WS_CHILD)) {
            create->style = (create->style & (WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS)) | WS_POPUP;
            create->x = 0;
            create->y = 0;
            create->cx = GetSystemMetrics(SM_CXSCREEN);
            create->cy = GetSystemMetrics(SM_CYSCREEN);
            UnhookWindowsHookEx(creationHook);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
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

void Desktop::fullscreen() { creationHook = SetWindowsHookExW(WH_CBT, onCreation, nullptr, GetCurrentThreadId()); }

std::string Desktop::drawInto(uint64_t) { return "drawing into another program's window is not supported on Windows"; }

std::string Desktop::drawIntoRoot() { return drawInto(0); }

void Desktop::closeOnSignals() {
    windowThread = GetCurrentThreadId();
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

std::string Desktop::programFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return {};
    const std::u8string folder = (std::filesystem::path(path).parent_path() / "").u8string();
    return std::string(folder.begin(), folder.end());
}
