// What outlives what: the rebar removed from its main window, a status bar that goes
// before the window, and the registries once a window is gone.

#include "win/Rebar.h"
#include "win/StatusBar.h"

#include "win/MainWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr DWORD kTopLevel = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

// A main window with a class of its own, so that the tests can share a process.
struct LifetimeWindow : MainWindow {
    LifetimeWindow() : MainWindow("main") {
        static int created = 0;
        setClassName("LifetimeWindow" + std::to_string(++created));
    }
};
}  // namespace

TEST(WindowLifetimeTest, RemovingTheRebarDeletesItOnce) {
    {
        LifetimeWindow window;
        window.enableRebar();
        ASSERT_EQ(window.open(kTopLevel, 0, 0, 520, 539, nullptr, nullptr), 0);
        ASSERT_NE(window.getRebar(), nullptr);
        EXPECT_EQ(window.removeChild(window.getRebar()), 0);
        EXPECT_EQ(window.getRebar(), nullptr);
        EXPECT_EQ(window.insertBand(window), -1);
        MoveWindow(window.getHwnd(), 0, 0, 408, 327, TRUE);  // lays out without the rebar
        EXPECT_EQ(window.getWidth(), 400);
    }  // the window goes: its rebar must not be deleted a second time
}

TEST(WindowLifetimeTest, AStatusBarThatGoesIsNoLongerUsed) {
    LifetimeWindow window;
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 520, 539, nullptr, nullptr), 0);
    {
        StatusBar bar;
        ASSERT_EQ(window.setStatusBar(bar, "ready"), 0);
        EXPECT_EQ(statusBar, &bar);
    }
    EXPECT_EQ(statusBar, nullptr);
    EXPECT_EQ(window.setStatusText("after"), 0);
    MoveWindow(window.getHwnd(), 0, 0, 408, 327, TRUE);
    EXPECT_EQ(window.getHeight(), 300);
}

TEST(WindowLifetimeTest, ADestroyedWindowLeavesBothRegistries) {
    LifetimeWindow window;
    window.enableRebar();  // a system control child, subclassed like the window
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 520, 539, nullptr, nullptr), 0);
    const HWND handles[] = {window.getHwnd(), window.getRebar()->getHwnd()};
    for (HWND handle : handles) ASSERT_EQ(previousProcs.count(handle), 1u);
    DestroyWindow(window.getHwnd());
    for (HWND handle : handles) {
        EXPECT_EQ(windowObjects.count(handle), 0u);
        EXPECT_EQ(previousProcs.count(handle), 0u);
    }
}
