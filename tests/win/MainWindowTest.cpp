#include "RecordingWindow.h"

#include "win/Rebar.h"
#include "win/StatusBar.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kTopLevel = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

class FillingChild : public WindowObject {
public:
    explicit FillingChild(const std::string& caption) : WindowObject(caption) { setClassName("FillingChild"); }
};

RECT rectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Counts the WM_SIZE messages a window receives, in front of its own procedure.
std::vector<LPARAM> statusSizes;
WNDPROC statusProc = nullptr;
LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) statusSizes.push_back(lParam);
    return CallWindowProcW(statusProc, window, message, wParam, lParam);
}

}  // namespace

TEST(MainWindowTest, ChildrenFillTheClientAreaAboveTheStatusBar) {
    RecordingWindow registrar("unused", "FillingChild");
    ASSERT_EQ(registrar.registerClass(), 0);
    RecordingWindow window("main");
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 520, 539, nullptr, nullptr), 0);
    FillingChild child("view");
    child.setStyle(WS_CHILD | WS_VISIBLE);
    ASSERT_EQ(window.addChild(&child, nullptr, true, true), 0);

    StatusBar bar;
    ASSERT_EQ(window.setStatusBar(bar, "ready"), 0);
    ASSERT_NE(bar.getHwnd(), nullptr);
    EXPECT_EQ(window.setStatusBar(bar, "again"), 0);  // exists: nothing new is created
    statusProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(bar.getHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingProc)));
    statusSizes.clear();

    MoveWindow(window.getHwnd(), 0, 0, 408, 427, TRUE);  // client 400 x 400
    const RECT barRect = rectOf(bar.getHwnd());
    const int barHeight = barRect.bottom - barRect.top;
    ASSERT_GT(barHeight, 0);
    const RECT childRect = rectOf(child.getHwnd());
    EXPECT_EQ(childRect.right - childRect.left, 400);
    EXPECT_EQ(childRect.bottom - childRect.top, 400 - barHeight);
    ASSERT_FALSE(statusSizes.empty());
    EXPECT_EQ(statusSizes.back(), window.sizes.back());

    // Status text from any window object goes to the attached bar.
    EXPECT_EQ(child.setStatusText("working"), 0);
    WCHAR text[32] = {};
    SendMessageW(bar.getHwnd(), SB_GETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"working");
    statusBar = nullptr;
}

TEST(MainWindowTest, RebarHeightChangeLaysTheWindowOutAgain) {
    RecordingWindow window("main");
    window.enableRebar();
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 520, 539, nullptr, nullptr), 0);
    Rebar* rebar = window.getRebar();
    ASSERT_NE(rebar, nullptr);
    ASSERT_NE(rebar->getHwnd(), nullptr);

    window.sizes.clear();
    NMHDR header{rebar->getHwnd(), 0, static_cast<UINT>(RBN_HEIGHTCHANGE)};
    window.sendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    ASSERT_EQ(window.sizes.size(), 1u);
    const RECT outer = rectOf(window.getHwnd());
    EXPECT_EQ(LOWORD(window.sizes[0]), outer.right - outer.left);
    EXPECT_EQ(HIWORD(window.sizes[0]), outer.bottom - outer.top);
    RECT bandClient{};
    GetClientRect(rebar->getHwnd(), &bandClient);
    EXPECT_EQ(window.getRebarHeight(), bandClient.bottom + 2);

    // A notification from another window changes nothing.
    window.sizes.clear();
    NMHDR other{window.getHwnd(), 0, static_cast<UINT>(RBN_HEIGHTCHANGE)};
    window.sendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_TRUE(window.sizes.empty());
}
