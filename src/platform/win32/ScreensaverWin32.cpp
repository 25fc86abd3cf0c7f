// The Windows side of Screensaver.h, linked into the program by the Windows build only.
//
// Both window roles are set up by a creation hook on the first top-level window, before it
// receives WM_NCCREATE, so the GL context is made for the window as it will stay: its style and
// parent are set there (the hook's CREATESTRUCT reliably carries only the position, the size
// and the extended style), and its procedure is subclassed there to see every message from
// WM_NCCREATE on.

#include <windows.h>

#include <cstdlib>

#include "base/Utf.h"
#include "platform/include/Screensaver.h"

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
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
    if (message == WM_CREATE) SetTimer(window, kHostCheckTimer, kHostCheckMilliseconds, nullptr);
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

void makeCover(HWND window, CREATESTRUCTW& create) {
    const DWORD style = WS_POPUP | (create.style & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS));
    SetWindowLongPtrW(window, GWL_STYLE, style);
    create.style = style | (create.style & WS_VISIBLE);
    create.dwExStyle |= WS_EX_TOPMOST;
    create.x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    create.y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    create.cx = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    create.cy = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    classProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(coverProc)));
}

void makePreview(HWND window, CREATESTRUCTW& create) {
    // Disabled: clicks and keys belong to the host's dialog, not to the preview.
    const DWORD style = WS_CHILD | WS_DISABLED | (create.style & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS));
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetParent(window, host);
    create.style = style | (create.style & WS_VISIBLE);
    create.dwExStyle |= WS_EX_NOPARENTNOTIFY;
    create.hwndParent = host;
    RECT client{};
    GetClientRect(host, &client);
    create.x = 0;
    create.y = 0;
    create.cx = client.right;
    create.cy = client.bottom;
    classProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previewProc)));
}

LRESULT CALLBACK onCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!(create->style & WS_CHILD)) {
            UnhookWindowsHookEx(creationHook);
            const HWND window = reinterpret_cast<HWND>(wParam);
            if (role == Role::cover)
                makeCover(window, *create);
            else
                makePreview(window, *create);
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
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, reinterpret_cast<WCHAR*>(path.data()),
                                                static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return toUtf8(path.substr(0, length));
        path.resize(path.size() * 2);
    }
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
