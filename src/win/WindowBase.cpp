#include "win/WindowBase.h"

#include "base/Trace.h"

std::unordered_map<HWND, WindowBase*> windowObjects;
std::unordered_map<HWND, WNDPROC> previousProcs;

WindowBase::WindowBase(const std::string& caption) : caption(caption) {
    windowClass.cbSize = sizeof(WNDCLASSEXW);
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpfnWndProc = classWindowProc;
}

WindowBase::~WindowBase() {
    writek("----WindowBase called destructor hwnd=%08llx\n", traceHandle(hwnd));
    if (hwnd) {
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        windowObjects.erase(hwnd);
    }
}

int WindowBase::setWindowClass(UINT cbSize, UINT style, WNDPROC lpfnWndProc, int cbClsExtra, int cbWndExtra,
                               HINSTANCE hInstance, HICON hIcon, HCURSOR hCursor, HBRUSH hbrBackground,
                               LPCWSTR lpszMenuName, LPCWSTR lpszClassName, HICON hIconSm) {
    windowClass = WNDCLASSEXW{cbSize,  style,   lpfnWndProc,   cbClsExtra,   cbWndExtra,    hInstance,
                              hIcon,   hCursor, hbrBackground, lpszMenuName, lpszClassName, hIconSm};
    return 0;
}

void WindowBase::setClassName(const std::string& name) {
    className = WideText(name);
    windowClass.lpszClassName = className.get();
}

int WindowBase::registerClass() { return RegisterClassExW(&windowClass) != 0 ? 0 : -1; }

int WindowBase::create(DWORD exStyle, DWORD style, int x, int y, int width, int height, HWND parent, HMENU newMenu) {
    if (!created) {
        hwnd = nullptr;
        const WideText title(caption);
        HWND window = CreateWindowExW(exStyle, windowClass.lpszClassName, title.get(), style, x, y, width, height,
                                      parent, newMenu, windowClass.hInstance, this);
        if (window == nullptr) {
            writek("create failed %s %d,%d,%d,%d\n", caption.c_str(), x, y, width, height);
            return -2;
        }
        // A system control class does not run the class window procedure, so nothing has
        // recorded the handle yet.
        if (hwnd == nullptr) hwnd = window;
        windowObjects[hwnd] = this;
        previousProcs[hwnd] = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc));
        created = 1;
    }
    menu = newMenu;
    writek("create hwnd=%08llx name=%s\n", traceHandle(hwnd), caption.c_str());
    return 0;
}

HWND WindowBase::getHwnd() { return hwnd; }

HWND WindowBase::getParent() { return GetParent(hwnd); }

HINSTANCE WindowBase::getInstance() { return windowClass.hInstance; }

int WindowBase::setFont(HFONT font) {
    if (hwnd == nullptr) return -1;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 0;
}

LRESULT WindowBase::sendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(hwnd, message, wParam, lParam);
}

LRESULT WindowBase::sendMessageTo(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(target, message, wParam, lParam);
}

LRESULT WindowBase::sendToParent(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(getParent(), message, wParam, lParam);
}

bool WindowBase::setText(const std::string& text) {
    const WideText wide(text);
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.get())) > 0;
}

std::string WindowBase::getTextRaw() {
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(hwnd, reinterpret_cast<WCHAR*>(text.data()), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
}

std::string WindowBase::getText() {
    const std::string raw = getTextRaw();
    std::u16string units(raw.size() / sizeof(char16_t), u'\0');
    raw.copy(reinterpret_cast<char*>(units.data()), units.size() * sizeof(char16_t));
    return toUtf8(units);
}

LRESULT WindowBase::routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return handleMessage(window, message, wParam, lParam);
}

LRESULT WindowBase::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT WindowBase::subclassDefault(HWND, UINT, WPARAM, LPARAM) { return -1; }

LRESULT WindowBase::subclassHook(HWND, UINT, WPARAM, LPARAM) { return -1; }

LRESULT CALLBACK WindowBase::classWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        writek("WM_DESTROY hwnd=%08llx , msg=%06x\n", traceHandle(window), message);
        break;
    case WM_CLOSE:
        writek("WM_CLOSE   hwnd=%08llx , msg=%06x\n", traceHandle(window), message);
        break;
    case WM_CREATE: {
        auto* object = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (object != nullptr) {
            object->hwnd = window;
            windowObjects[window] = object;
        }
        break;
    }
    default:
        break;
    }
    const auto found = windowObjects.find(window);
    if (found == windowObjects.end()) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = found->second->routeMessage(window, message, wParam, lParam);
    // The window's last message: its handle will never be seen again.
    if (message == WM_NCDESTROY) windowObjects.erase(window);
    return result;
}

LRESULT CALLBACK WindowBase::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = previousProcs.find(window);
    if (previous == previousProcs.end()) return DefWindowProcW(window, message, wParam, lParam);
    // The object may be gone already (its destructor runs before the window dies).
    const auto object = windowObjects.find(window);
    if (object != windowObjects.end()) object->second->subclassHook(window, message, wParam, lParam);
    const LRESULT result = CallWindowProcW(previous->second, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        windowObjects.erase(window);
        previousProcs.erase(window);
    }
    return result;
}
