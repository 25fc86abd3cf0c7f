#include "win/ToolTip.h"

namespace {
UINT_PTR nextToolId = 0;
}

ToolTip::ToolTip() : text("") {
    toolInfo.cbSize = sizeof(TOOLINFOW);
    toolInfo.uFlags = TTF_SUBCLASS;
    toolInfo.uId = nextToolId++;
    toolInfo.hinst = nullptr;
    toolInfo.lpszText = text.mutableGet();
}

int ToolTip::setText(const std::string& newText) {
    text = WideText(newText);
    return 0;
}

int ToolTip::create(HWND parent) {
    if (hwnd != nullptr) return 0;
    hwnd = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr) return -1;
    toolInfo.hwnd = parent;
    return 0;
}

int ToolTip::addTool() {
    if (hwnd == nullptr) return -1;
    GetClientRect(toolInfo.hwnd, &toolInfo.rect);
    toolInfo.lpszText = text.mutableGet();
    // Adding a tool again would keep the old one, and its text, in front of the new one.
    SendMessageW(hwnd, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&toolInfo));
    SendMessageW(hwnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&toolInfo));
    return 0;
}

int ToolTip::updateRect() {
    if (hwnd == nullptr) return -1;
    GetClientRect(toolInfo.hwnd, &toolInfo.rect);
    SendMessageW(hwnd, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&toolInfo));
    return 0;
}
