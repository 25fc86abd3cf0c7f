// The window framework: the order in which a window's handlers see messages, fitted children,
// and what outlives what (the rebar removed from its main window, a status bar that goes before
// the window, the registries once a window is gone).

#include "win/MainWindow.h"
#include "win/Rebar.h"
#include "win/StatusBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kTopLevel = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr UINT kWatched = WM_USER + 1;

std::vector<std::string> calls;

// A procedure installed as a window class's own, to see where the class procedure runs.
LRESULT CALLBACK recordingClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWatched) calls.push_back("classProc");
    return WindowBase::classWindowProc(window, message, wParam, lParam);
}

// A MainWindow that records the order in which its handlers see messages.
class RecordingWindow : public MainWindow {
public:
    explicit RecordingWindow(const std::string& className) : MainWindow("recording") { setClassName(className); }
    LRESULT subclassHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kWatched) calls.push_back("subclassHook");
        return MainWindow::subclassHook(window, message, wParam, lParam);
    }
    LRESULT routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kWatched) calls.push_back("routeMessage");
        if (message == WM_CREATE) hwndAtCreate = hwnd;
        return MainWindow::routeMessage(window, message, wParam, lParam);
    }
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kWatched) calls.push_back("handleMessage");
        return MainWindow::handleMessage(window, message, wParam, lParam);
    }
    HWND hwndAtCreate = nullptr;
};

}  // namespace

// The object is found from WM_CREATE on, and every message passes the subclass hook, the
// class's own procedure, then routeMessage and handleMessage.
TEST(WindowBaseTest, MessagesRunSubclassHookClassProcedureRouteThenHandle) {
    RecordingWindow window("Plain");
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 300, 300, nullptr, nullptr), 0);
    EXPECT_EQ(window.hwndAtCreate, window.getHwnd());
    calls.clear();
    window.sendMessage(kWatched, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"subclassHook", "routeMessage", "handleMessage"}));

    RecordingWindow custom("Custom");
    const WideText name("CustomProcClass");
    custom.setWindowClass(sizeof(WNDCLASSEXW), 0, recordingClassProc, 0, 0, GetModuleHandleW(nullptr), nullptr,
                          nullptr, nullptr, nullptr, name.get(), nullptr);
    ASSERT_EQ(custom.open(kTopLevel, 0, 0, 300, 300, nullptr, nullptr), 0);
    calls.clear();
    custom.sendMessage(kWatched, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"subclassHook", "classProc", "routeMessage", "handleMessage"}));
}

// Fitted children of a frame follow its client area through resize after resize, each
// keeping its own left or top in the frame's client coordinates.
TEST(WindowBaseTest, FittedChildrenKeepTheirOwnSideThroughResizes) {
    RecordingWindow wide("FitWide"), tall("FitTall");
    for (RecordingWindow* child : {&wide, &tall}) {
        ASSERT_EQ(child->registerClass(), 0);
        child->setStyle(WS_CHILD | WS_VISIBLE);
    }
    wide.setRect(10, 30, 100, 20);
    tall.setRect(40, 10, 50, 60);
    struct FittingFrame : Frame {
        FittingFrame() : Frame("fitting") { setClassName("FitParent"); }
    } parent;
    ASSERT_EQ(parent.open(kTopLevel, 0, 0, 520, 539, nullptr, nullptr), 0);
    ASSERT_EQ(parent.addChild(&wide, nullptr, true, false), 0);
    ASSERT_EQ(parent.addChild(&tall, nullptr, false, true), 0);
    auto place = [](const WindowObject& w) { return std::vector{w.getX(), w.getY(), w.getWidth(), w.getHeight()}; };
    for (const int outer : {408, 308, 458}) {
        MoveWindow(parent.getHwnd(), 0, 0, outer, outer, TRUE);
        const int width = parent.getWidth(), height = parent.getHeight();
        EXPECT_EQ(place(wide), std::vector({0, 30, width, 20})) << outer;
        EXPECT_EQ(place(tall), std::vector({40, 0, 50, height})) << outer;
    }
}

TEST(WindowLifetimeTest, RemovingTheRebarDeletesItOnce) {
    {
        RecordingWindow window("Lifetime1");
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
    RecordingWindow window("Lifetime2");
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
    RecordingWindow window("Lifetime3");
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
