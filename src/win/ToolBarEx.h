#pragma once
// ToolBarEx: a tool bar control with the standard small bitmaps. Not a WindowBase object.

#include "base/Array.h"
#include "win/CommonControlEx.h"

#include <windows.h>

#include <commctrl.h>

class ToolBarEx {
public:
    ToolBarEx();
    virtual ~ToolBarEx() = default;

    virtual int addStyle(DWORD bits);
    // Creates the bar with the first buttonCount of buttons (at most buttons.size()):
    // 0, or -1 when the control cannot be created; 0 and nothing changed when it exists.
    virtual int create(HWND parent, UINT id, int bitmapCount, const Array<TBBUTTON>& buttons, int buttonCount);
    // Adds count bitmaps and the first count buttons, then resizes the bar; 0 without a
    // window. An empty button array raises IndexError.
    virtual int addButtons(const Array<TBBUTTON>& buttons, TBADDBITMAP bitmap, int count);
    // Forwards to the bar if it exists; 0 otherwise.
    virtual LRESULT sendMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND getHwnd() const { return hwnd; }

protected:
    HWND hwnd = nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE;

private:
    CommonControlEx library;
};
