#pragma once
// MainWindow: the application's main frame. It keeps its position and size, lays out its
// children in the client area (below an optional rebar, above the process-wide status
// bar) and then hands every message to handleMessage.

#include "base/Array.h"
#include "win/Frame.h"

#include <commctrl.h>

#include <memory>

class Rebar;
class StatusBar;
class ToolBarEx;

// The status bar most recently attached by setStatusBar, for the whole process; null once
// that bar is destroyed.
extern StatusBar* statusBar;

class MainWindow : public Frame {
public:
    explicit MainWindow(const std::string& caption);
    ~MainWindow() override;

    LRESULT routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Before the window is created: a rebar is made at WM_CREATE and children sit below it.
    virtual int enableRebar();
    // -1 when the rebar is disabled or absent.
    virtual int setBandInfo(REBARBANDINFOW band);
    // -1 when the rebar is disabled.
    virtual int insertToolBar(ToolBarEx& toolBar);
    virtual int insertBand(WindowObject& child);
    // Creates the bar in this window; once it has a window it gets a copy of every WM_SIZE
    // and becomes the process-wide status bar. Returns the bar's create result.
    virtual int setStatusBar(StatusBar& bar, const std::string& text);
    // The rebar is this window's own: removing it deletes it here, and getRebar is null after.
    int removeChild(WindowObject* child) override;

    Rebar* getRebar() const { return rebar.get(); }
    int getRebarHeight() const { return rebarHeight; }

protected:
    std::unique_ptr<Rebar> rebar;
    int32_t rebarHeight = 0;
    int32_t rebarEnabled = 0;
    Array<HWND> sizeForward;

private:
    void layOut(WPARAM wParam, LPARAM lParam);
};
