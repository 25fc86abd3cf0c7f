#include "RecordingWindow.h"


#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr DWORD kTopLevel = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

std::vector<std::string>* classProcCalls = nullptr;

// A procedure installed as a window class's own, to see where the class procedure runs.
LRESULT CALLBACK recordingClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (classProcCalls != nullptr && message == WM_USER + 1) classProcCalls->push_back("classProc");
    return WindowBase::classWindowProc(window, message, wParam, lParam);
}

// A child WindowObject of a registered child class.
class ChildWindow : public WindowObject {
public:
    explicit ChildWindow(const std::string& caption) : WindowObject(caption) { setClassName("TestChild"); }
    ~ChildWindow() override { ++destroyed; }
    static inline int destroyed = 0;
};

}  // namespace

TEST(WindowBaseTest, CreationRegistersTheObjectBeforeWMCreateReachesIt) {
    RecordingWindow window("first");
    EXPECT_EQ(window.getHwnd(), nullptr);
    ASSERT_EQ(window.open(kTopLevel, 10, 20, 520, 539, nullptr, nullptr), 0);
    const HWND hwnd = window.getHwnd();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(window.hwndAtCreate, hwnd);
    EXPECT_EQ(windowObjects.at(hwnd), &window);
    // The WM_SIZE of creation stored the client size: 520 x 539 outer is 512 x 512 inside.
    EXPECT_EQ(window.getWidth(), 512);
    EXPECT_EQ(window.getHeight(), 512);
}

TEST(WindowBaseTest, MessagesRunSubclassHookClassProcedureRouteThenHandle) {
    RecordingWindow window("order");
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 300, 300, nullptr, nullptr), 0);
    window.sendMessage(WM_USER + 1, 0, 0);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"subclassHook", "routeMessage", "handleMessage"}));

    // A class procedure of the class's own runs between the hook and routeMessage.
    RecordingWindow custom("custom");
    const WideText name("CustomProcClass");
    custom.setWindowClass(sizeof(WNDCLASSEXW), 0, recordingClassProc, 0, 0, GetModuleHandleW(nullptr), nullptr,
                          nullptr, nullptr, nullptr, name.get(), nullptr);
    ASSERT_EQ(custom.open(kTopLevel, 0, 0, 300, 300, nullptr, nullptr), 0);
    classProcCalls = &custom.calls;
    custom.sendMessage(WM_USER + 1, 0, 0);
    classProcCalls = nullptr;
    EXPECT_EQ(custom.calls, (std::vector<std::string>{"subclassHook", "classProc", "routeMessage", "handleMessage"}));
}

TEST(WindowBaseTest, TextRoundTripsThroughUtf16) {
    RecordingWindow window("Caption \xC3\xA9");
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 300, 300, nullptr, nullptr), 0);
    EXPECT_EQ(window.getText(), "Caption \xC3\xA9");
    EXPECT_TRUE(window.setText("Twistblocks \xE2\x82\xAC"));
    EXPECT_EQ(window.getText(), "Twistblocks \xE2\x82\xAC");
}

TEST(WindowBaseTest, DestructorClosesTheWindowAndLeavesTheRegistry) {
    HWND hwnd;
    {
        RecordingWindow window("short-lived");
        ASSERT_EQ(window.open(kTopLevel, 0, 0, 200, 200, nullptr, nullptr), 0);
        hwnd = window.getHwnd();
        EXPECT_TRUE(IsWindow(hwnd));
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(windowObjects.count(hwnd), 0u);
}

TEST(WindowBaseTest, FittedChildrenFollowTheParentsClientArea) {
    RecordingWindow registrar("unused", "TestChild");  // registers the windows' class
    ASSERT_EQ(registrar.registerClass(), 0);
    RecordingWindow top("top");
    ASSERT_EQ(top.open(kTopLevel, 0, 0, 520, 539, nullptr, nullptr), 0);

    // A framed top-level WindowObject (MainWindow lays out its children its own way), so
    // that client and window rectangles differ.
    auto* host = new ChildWindow("host");
    ASSERT_EQ(host->create(0, kTopLevel, 0, 0, 408, 327, nullptr, nullptr), 0);
    auto* wide = new ChildWindow("wide");
    wide->setRect(30, 40, 50, 60);
    wide->setStyle(WS_CHILD | WS_VISIBLE);
    auto* tall = new ChildWindow("tall");
    tall->setRect(70, 80, 90, 100);
    tall->setStyle(WS_CHILD | WS_VISIBLE);
    ASSERT_EQ(host->addChild(wide, nullptr, true, false), 0);
    ASSERT_EQ(host->addChild(tall, nullptr, false, true), 0);

    auto placeInHost = [&](HWND child) {
        RECT r;
        GetWindowRect(child, &r);
        POINT origin{r.left, r.top};
        ScreenToClient(host->getHwnd(), &origin);
        return RECT{origin.x, origin.y, origin.x + r.right - r.left, origin.y + r.bottom - r.top};
    };
    MoveWindow(host->getHwnd(), 0, 0, 408, 327, TRUE);
    MoveWindow(host->getHwnd(), 0, 0, 358, 277, TRUE);  // twice: nothing may drift
    const RECT w = placeInHost(wide->getHwnd()), t = placeInHost(tall->getHwnd());
    EXPECT_EQ(w.left, 0);
    EXPECT_EQ(w.top, 40);
    EXPECT_EQ(w.right - w.left, 350);
    EXPECT_EQ(w.bottom - w.top, 60);
    EXPECT_EQ(t.left, 70);
    EXPECT_EQ(t.top, 0);
    EXPECT_EQ(t.right - t.left, 90);
    EXPECT_EQ(t.bottom - t.top, 250);

    // Removing a fitted child deletes it and closes its window; the other stays fitted.
    const HWND wideHandle = wide->getHwnd();
    ChildWindow::destroyed = 0;
    EXPECT_EQ(host->removeChild(wide), 0);
    EXPECT_EQ(ChildWindow::destroyed, 1);
    EXPECT_FALSE(IsWindow(wideHandle));
    MoveWindow(host->getHwnd(), 0, 0, 208, 177, TRUE);
    EXPECT_EQ(placeInHost(tall->getHwnd()).bottom, 150);
    EXPECT_EQ(host->removeChild(nullptr), 0);
    // A child of another parent is left alone.
    auto* stranger = new ChildWindow("stranger");
    stranger->setStyle(WS_CHILD);
    ASSERT_EQ(top.addChild(stranger, nullptr, false, false), 0);
    EXPECT_EQ(host->removeChild(stranger), 0);
    EXPECT_TRUE(IsWindow(stranger->getHwnd()));
    // One created without fit flags is not tracked, but as this window's child it is deleted.
    EXPECT_EQ(top.removeChild(stranger), 0);
    EXPECT_EQ(ChildWindow::destroyed, 2);
    delete tall;
    delete host;
}
