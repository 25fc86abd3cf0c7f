#pragma once
// comctl32's control classes (Controls*.cpp: the bars in Controls.cpp, tooltips, the rebar):
// what their window procedures share.

#include <windows.h>

#include <memory>

#include "platform/LayerState.h"

namespace platform {

// The state a control window keeps, made on first use; null when the window is gone.
template <class T>
std::shared_ptr<T> stateOf(HWND hwnd) {
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = s.find(hwnd);
    if (!w) return nullptr;
    if (!w->control) w->control = std::make_shared<T>();
    return std::static_pointer_cast<T>(w->control);
}

// Whether a text argument is a string, not null, a resource id or LPSTR_TEXTCALLBACKW.
inline bool isText(LPCWSTR text) {
    return text && !IS_INTRESOURCE(text) && text != reinterpret_cast<LPCWSTR>(-1);
}

LRESULT CALLBACK tooltipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK rebarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
