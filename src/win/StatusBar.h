#pragma once
// StatusBar: a status bar control along the bottom of its parent, in simple mode (one
// text). Not a WindowBase object: its window is neither registered nor subclassed.

#include "win/CommonControl.h"

#include <windows.h>

#include <string>

class StatusBar {
public:
    StatusBar();
    // Detaches the bar if it is the process-wide one.
    virtual ~StatusBar();

    virtual int addStyle(DWORD bits);
    // 0 when created (or already there), -1 when the control cannot be created.
    virtual int create(HWND parent, const std::string& text);
    // Sets the simple-mode part's text; 0 without a window, else SB_SETTEXTW's result.
    virtual LRESULT setText(const std::string& text);
    virtual HWND getHwnd();

protected:
    HWND hwnd = nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE;

private:
    CommonControl library;
};
