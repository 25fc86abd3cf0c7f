#include "win/ToolBarEx.h"

ToolBarEx::ToolBarEx() : library(0) {}

int ToolBarEx::addStyle(DWORD bits) {
    style |= bits;
    return 0;
}

int ToolBarEx::create(HWND parent, UINT id, int bitmapCount, const Array<TBBUTTON>& buttons, int buttonCount) {
    if (hwnd != nullptr) return 0;
    checkThat(buttonCount >= 0 && static_cast<std::size_t>(buttonCount) <= buttons.size(),
              "button count within the button array");
    hwnd = CreateToolbarEx(parent, style, id, bitmapCount, HINST_COMMCTRL, IDB_STD_SMALL_COLOR,
                           buttonCount > 0 ? buttons.data() : nullptr, buttonCount, 0, 0, 0, 0, sizeof(TBBUTTON));
    return hwnd != nullptr ? 0 : -1;
}

int ToolBarEx::addButtons(const Array<TBBUTTON>& buttons, TBADDBITMAP bitmap, int count) {
    if (hwnd == nullptr) return 0;
    const TBBUTTON& first = buttons[0];
    checkThat(count >= 0 && static_cast<std::size_t>(count) <= buttons.size(), "button count within the button array");
    SendMessageW(hwnd, TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&bitmap));
    SendMessageW(hwnd, TB_ADDBUTTONSW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&first));
    SendMessageW(hwnd, TB_AUTOSIZE, 0, 0);
    return 0;
}

LRESULT ToolBarEx::sendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return hwnd != nullptr ? SendMessageW(hwnd, message, wParam, lParam) : 0;
}
