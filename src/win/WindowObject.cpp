#include "win/WindowObject.h"

#include "base/Trace.h"
#include "win/MainWindow.h"
#include "win/StatusBar.h"
#include "win/ToolTip.h"


WindowObject::WindowObject(const std::string& caption) : WindowBase(caption) {}

int WindowObject::setRect(int newX, int newY, int newWidth, int newHeight) {
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
    return 0;
}

int WindowObject::setStyle(DWORD newStyle) {
    style = newStyle;
    return 0;
}

int WindowObject::addStyle(DWORD bits) {
    style |= bits;
    return 0;
}

int WindowObject::setExStyle(DWORD newExStyle) {
    exStyle = newExStyle;
    return 0;
}

int WindowObject::addExStyle(DWORD bits) {
    exStyle |= bits;
    return 0;
}

int WindowObject::addChild(WindowObject* child, HMENU childMenu, bool fitWidth, bool fitHeight) {
    const int result = child->createChild(hwnd, childMenu);
    if (child->getHwnd() == nullptr) return result;
    if (fitWidth || fitHeight) {
        writek("add fitable Object : hwnd=%08llx name=%s\n", traceHandle(child->getHwnd()),
               child->getCaption().c_str());
        children.push_back(child);
        fitModes[child] = (fitWidth ? 1 : 0) + (fitHeight ? 2 : 0);
    }
    return result;
}

int WindowObject::removeChild(WindowObject* child) {
    if (child == nullptr) return 0;
    if (forgetChild(child) ||
        (hwnd != nullptr && child->getHwnd() != nullptr && GetParent(child->getHwnd()) == hwnd))
        delete child;
    return 0;
}

bool WindowObject::forgetChild(WindowObject* child) {
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i] != child) continue;
        fitModes.erase(child);
        children.erase(i);
        return true;
    }
    return false;
}

int WindowObject::setToolTip(ToolTip* tip) {
    if (tip == nullptr) return -1;
    toolTip = tip;
    const int result = tip->create(hwnd);
    tip->addTool();
    return result;
}

int WindowObject::createChild(HWND parent, HMENU childMenu) {
    return create(exStyle, style, x, y, width, height, parent, childMenu);
}

int WindowObject::show(int command) { return hwnd ? ShowWindow(hwnd, command) : -1; }
int WindowObject::hide() { return hwnd ? ShowWindow(hwnd, SW_HIDE) : -1; }
int WindowObject::enable() { return hwnd ? EnableWindow(hwnd, TRUE) : -1; }
int WindowObject::disable() { return hwnd ? EnableWindow(hwnd, FALSE) : -1; }

int WindowObject::setStatusText(const std::string& text) {
    if (statusBar != nullptr) statusBar->setText(text);
    return 0;
}

LRESULT WindowObject::subclassHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && toolTip != nullptr) toolTip->updateRect();
    return subclassDefault(window, message, wParam, lParam);
}

LRESULT WindowObject::routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOVE:
        x = LOWORD(lParam);
        y = HIWORD(lParam);
        break;
    case WM_SIZE: {
        width = LOWORD(lParam);
        height = HIWORD(lParam);
        RECT client;
        GetClientRect(hwnd, &client);
        for (std::size_t i = children.size(); i-- > 0;) {
            WindowObject* child = children[i];
            if (child == nullptr) {
                writek("-------WOBJ_LIST is null\n");
                continue;
            }
            // The child's own place in this window's client coordinates, so that a child
            // keeps its top (or left) through any number of resizes.
            RECT own;
            GetWindowRect(child->getHwnd(), &own);
            POINT origin{own.left, own.top};
            ScreenToClient(hwnd, &origin);
            const int left = origin.x, top = origin.y;
            const int ownWidth = own.right - own.left, ownHeight = own.bottom - own.top;
            const int clientWidth = client.right - client.left, clientHeight = client.bottom - client.top;
            switch (fitModes[child]) {
            case 1: MoveWindow(child->getHwnd(), 0, top, clientWidth, ownHeight, TRUE); break;
            case 2: MoveWindow(child->getHwnd(), left, 0, ownWidth, clientHeight, TRUE); break;
            case 3: MoveWindow(child->getHwnd(), 0, 0, clientWidth, clientHeight, TRUE); break;
            default: break;
            }
        }
        break;
    }
    case WM_CREATE: {
        RECT client;
        GetClientRect(hwnd, &client);
        x = 0;
        y = 0;
        width = client.right;
        height = client.bottom;
        break;
    }
    default:
        break;
    }
    return handleMessage(window, message, wParam, lParam);
}
