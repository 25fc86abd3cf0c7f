#include "win/Frame.h"

Frame::Frame(const std::string& caption) : WindowObject(caption) {}

LRESULT Frame::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

int Frame::open(DWORD newStyle, int newX, int newY, int newWidth, int newHeight, HWND parent, HMENU newMenu) {
    if (const int registered = registerClass(); registered != 0) return registered;
    return create(0, newStyle, newX, newY, newWidth, newHeight, parent, newMenu);
}
