#pragma once
// WindowObject: a WindowBase with stored creation parameters, children that follow the
// size of its client area, an optional tooltip over it, show/hide/enable and status text.
// Coordinates are pixels; x, y, width and height start as CW_USEDEFAULT and follow
// WM_MOVE and WM_SIZE.

#include "base/Array.h"
#include "win/WindowBase.h"

#include <cstdint>
#include <unordered_map>

class ToolTip;

class WindowObject : public WindowBase {
public:
    explicit WindowObject(const std::string& caption);

    virtual int setRect(int newX, int newY, int newWidth, int newHeight);
    virtual int setStyle(DWORD newStyle);
    virtual int addStyle(DWORD bits);
    virtual int setExStyle(DWORD newExStyle);
    virtual int addExStyle(DWORD bits);
    // Creates child inside this window. With fitWidth or fitHeight the child is kept and
    // resized on every WM_SIZE: fit width gives it x = 0 and the client width, fit height
    // y = 0 and the client height. Returns the child's createChild result.
    virtual int addChild(WindowObject* child, HMENU childMenu, bool fitWidth, bool fitHeight);
    // Deletes the child object (which closes its window) when it is one of this window's
    // children; a null child does nothing. Returns 0.
    virtual int removeChild(WindowObject* child);
    // -1 for none; otherwise keeps the tooltip, creates it over this window, adds its tool
    // and returns the result of its create.
    virtual int setToolTip(ToolTip* tip);
    virtual int createChild(HWND parent, HMENU childMenu);
    // 10 to 13 of the operations: -1 without a window.
    virtual int show(int command);
    virtual int hide();
    virtual int enable();
    virtual int disable();
    // Writes to the process-wide status bar, if one is attached; returns 0.
    virtual int setStatusText(const std::string& text);

    LRESULT routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT subclassHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    int getX() const { return x; }
    int getY() const { return y; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }

protected:
    // Drops child from the fitted children without deleting it; false when it is not one.
    bool forgetChild(WindowObject* child);

    int32_t x = CW_USEDEFAULT;
    int32_t y = CW_USEDEFAULT;
    int32_t width = CW_USEDEFAULT;
    int32_t height = CW_USEDEFAULT;
    DWORD style = 0;
    DWORD exStyle = 0;
    ToolTip* toolTip = nullptr;
    Array<WindowObject*> children;
    std::unordered_map<WindowObject*, int32_t> fitModes;  // 1 fit width, 2 fit height, 3 both
};
