#pragma once
// ToolTip: a tooltip control whose one tool covers its parent's client area. Each tooltip
// gets its own tool id from a process-wide counter (0 for the first one constructed).
// Not a WindowBase object.

#include "win/CommonControl.h"
#include "win/WideText.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

class ToolTip {
public:
    ToolTip();
    virtual ~ToolTip() = default;

    // Takes effect at the next addTool.
    virtual int setText(const std::string& text);
    // 0 when created (or already there), -1 when the control cannot be created.
    virtual int create(HWND parent);
    // Adds the tool over the parent's client area with the stored text; -1 without a window.
    virtual int addTool();
    // Moves the tool to the parent's current client area; -1 without a window.
    virtual int updateRect();

    HWND getHwnd() const { return hwnd; }
    const TOOLINFOW& getToolInfo() const { return toolInfo; }

protected:
    HWND hwnd = nullptr;
    DWORD style = TTS_ALWAYSTIP;
    TOOLINFOW toolInfo{};
    WideText text;

private:
    CommonControl library;
};
