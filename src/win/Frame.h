#pragma once
// Frame: a top-level window of its own window class, registered and created in one step.

#include "win/WindowObject.h"

class Frame : public WindowObject {
public:
    explicit Frame(const std::string& caption);

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Registers the class, then creates the window with extended style 0: 0, -1 when the
    // class cannot be registered (a second open of the same class), -2 when creation fails.
    virtual int open(DWORD newStyle, int newX, int newY, int newWidth, int newHeight, HWND parent, HMENU newMenu);
};
