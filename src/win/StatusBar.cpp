#include "win/StatusBar.h"

#include "win/MainWindow.h"
#include "win/WideText.h"

#include <commctrl.h>

namespace {
constexpr UINT kStatusBarId = 1;
constexpr WPARAM kSimplePart = 255;
}  // namespace

StatusBar::StatusBar() = default;

StatusBar::~StatusBar() {
    if (statusBar == this) statusBar = nullptr;
}

int StatusBar::addStyle(DWORD bits) {
    style |= bits;
    return 0;
}

int StatusBar::create(HWND parent, const std::string& text) {
    if (hwnd != nullptr) return 0;
    const WideText wide(text);
    hwnd = CreateStatusWindowW(static_cast<LONG>(style), wide.get(), parent, kStatusBarId);
    return hwnd != nullptr ? 0 : -1;
}

LRESULT StatusBar::setText(const std::string& text) {
    if (hwnd == nullptr) return 0;
    const WideText wide(text);
    return SendMessageW(hwnd, SB_SETTEXTW, kSimplePart, reinterpret_cast<LPARAM>(wide.get()));
}

HWND StatusBar::getHwnd() { return hwnd; }
