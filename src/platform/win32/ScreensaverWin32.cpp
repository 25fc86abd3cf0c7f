// The Windows side of Screensaver.h, linked into the program by the Windows build only.
//
// Both window roles are set up by a creation hook on the first top-level window, before it
// receives WM_NCCREATE, so that the GL context is made for the window as it will stay: the hook
// sets its style and parent and subclasses it (outermost: the subclass sees each message
// first). The subclass gives the window its place at WM_CREATE, after the game has seen it.
// (The hook's CREATESTRUCT cannot be relied on for any of this: Wine 8 hands the hook a copy
// and ignores what it changes.)

#include <windows.h>

#include <cstdlib>

#include "base/Utf.h"

#include <Screensaver.h>

namespace {

enum class Role { cover, preview };

Role role = Role::cover;
HHOOK creationHook = nullptr;
WNDPROC classProc = nullptr;
HWND host = nullptr;        // preview: the window drawn in
POINT startingCursor{};     // cover: where the mouse was when the screensaver started
bool closeAsked = false;

constexpr int kMouseTolerance = 4;  // pixels the mouse may drift before the cover closes
constexpr UINT_PTR kHostCheckTimer = 1;
constexpr UINT kHostCheckMilliseconds = 200;

void closeOnce(HWND window) {
    if (closeAsked) return;
    closeAsked = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
}

bool isKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }
bool isMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }
bool isPressMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_LBUTTONDOWN ||
           message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_XBUTTONDOWN;
}

// The screensaver proper: every press ends it (a release may belong to the key that started
// it), and so does the mouse leaving its starting point; input never reaches the game.
LRESULT CALLBACK coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const LRESULT result = CallWindowProcW(classProc, window, message, wParam, lParam);
        SetWindowPos(window, HWND_TOPMOST, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), SWP_NOACTIVATE);
        ShowCursor(FALSE);
        return result;
    }
    if (message == WM_SETCURSOR) {
        SetCursor(nullptr);
        return TRUE;
    }
    if (message == WM_MOUSEMOVE) {
        POINT cursor{};
        GetCursorPos(&cursor);
        if (std::abs(cursor.x - startingCursor.x) > kMouseTolerance ||
            std::abs(cursor.y - startingCursor.y) > kMouseTolerance)
            closeOnce(window);
        return 0;
    }
    if (isPressMessage(message)) closeOnce(window);
    if (isKeyMessage(message) || isMouseMessage(message)) return 0;
    return CallWindowProcW(classProc, window, message, wParam, lParam);
}

// The host's client area, as the child's size.
void fitToHost(HWND window) {
    RECT wanted{}, now{};
    GetClientRect(host, &wanted);
    GetClientRect(window, &now);
    if (wanted.right != now.right || wanted.bottom != now.bottom)
        MoveWindow(window, 0, 0, wanted.right, wanted.bottom, TRUE);
}

// The preview: the host tells nothing when it is resized, and destroying it may not reach a
// child of another process everywhere, so a timer looks at it.
LRESULT CALLBACK previewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const LRESULT result = CallWindowProcW(classProc, window, message, wParam, lParam);
        fitToHost(window);
        SetTimer(window, kHostCheckTimer, kHostCheckMilliseconds, nullptr);
        return result;
    }
    if (message == WM_TIMER && wParam == kHostCheckTimer) {
        if (IsWindow(host))
            fitToHost(window);
        else
            closeOnce(window);
        return 0;
    }
    if (isKeyMessage(message) || isMouseMessage(message)) return 0;
    return CallWindowProcW(classProc, window, message, wParam, lParam);
}

// Returns the window's class procedure, which the subclass passes messages on to.
WNDPROC restyle(HWND window, DWORD style, DWORD exStyle, WNDPROC subclass) {
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass)));
}

LRESULT CALLBACK onCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!(create->style & WS_CHILD)) {
            UnhookWindowsHookEx(creationHook);
            const HWND window = reinterpret_cast<HWND>(wParam);
            const DWORD clipping = create->style & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
            if (role == Role::cover) {
                classProc = restyle(window, WS_POPUP | clipping, 0, coverProc);  // topmost at WM_CREATE
            } else {
                // Disabled: clicks and keys belong to the host, not to the preview.
                classProc = restyle(window, WS_CHILD | WS_DISABLED | clipping, WS_EX_NOPARENTNOTIFY, previewProc);
                SetParent(window, host);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void hookCreation(Role newRole) {
    role = newRole;
    creationHook = SetWindowsHookExW(WH_CBT, onCreation, nullptr, GetCurrentThreadId());
}

HWND toHandle(uint64_t window) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(window)); }

}  // namespace

bool Screensaver::supported() { return true; }

std::string Screensaver::programFile() {
    std::u16string path(MAX_PATH, u'\0');
    while (path.size() <= 32768) {  // a name that filled the buffer may have been cut
        const DWORD length = GetModuleFileNameW(nullptr, reinterpret_cast<WCHAR*>(path.data()),
                                                static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return toUtf8(path.substr(0, length));
        path.resize(path.size() * 2);
    }
    return {};
}

bool Screensaver::coverScreen() {
    // Held until the process ends; a second instance finds it taken.
    SetLastError(ERROR_SUCCESS);
    CreateMutexW(nullptr, FALSE, L"Local\\Twistblocks screensaver");
    if (GetLastError() == ERROR_ALREADY_EXISTS) return false;
    GetCursorPos(&startingCursor);
    hookCreation(Role::cover);
    return true;
}

std::string Screensaver::previewIn(uint64_t parent) {
    host = toHandle(parent);
    if (!IsWindow(host)) return "no window " + std::to_string(parent) + " to draw the preview in";
    hookCreation(Role::preview);
    return {};
}

void Screensaver::showSettings(uint64_t owner, const std::string& about) {
    const HWND window = IsWindow(toHandle(owner)) ? toHandle(owner) : nullptr;
    MessageBoxW(window, reinterpret_cast<const WCHAR*>(toUtf16(about).c_str()), L"Twistblocks screensaver",
                MB_OK | MB_ICONINFORMATION);
}
