#include "RecordingWindow.h"

#include "win/CommonControlEx.h"
#include "win/StatusBar.h"
#include "win/ToolBarEx.h"
#include "win/ToolTip.h"
#include "win/writek.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr DWORD kTopLevel = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

std::u16string toolText(HWND tip, HWND owner, UINT_PTR id) {
    WCHAR buffer[80] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = buffer;
    SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    return reinterpret_cast<const char16_t*>(buffer);
}

}  // namespace

TEST(CommonControlTest, ExtendedInitialisationRunsOnEveryConstruction) {
    std::vector<std::string> trace;
    setWritekSink([&](const std::string& line) { trace.push_back(line); });
    ToolBarEx first, second;
    setWritekSink(nullptr);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "exec InitCommonControlsEx()\n"), 2);
}

TEST(CommonControlTest, ControlsWithoutAWindow) {
    StatusBar bar;
    EXPECT_EQ(bar.setText("nothing"), 0);
    EXPECT_EQ(bar.getHwnd(), nullptr);
    ToolBarEx tools;
    Array<TBBUTTON> none;
    EXPECT_EQ(tools.addButtons(none, TBADDBITMAP{}, 0), 0);  // no window: the empty array is not read
    EXPECT_EQ(tools.sendMessage(TB_BUTTONCOUNT, 0, 0), 0);
    ToolTip tip;
    EXPECT_EQ(tip.addTool(), -1);
    EXPECT_EQ(tip.updateRect(), -1);
}

TEST(CommonControlTest, ToolBarKeepsItsButtons) {
    RecordingWindow window("main");
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 400, 300, nullptr, nullptr), 0);
    ToolBarEx tools;
    Array<TBBUTTON> buttons(3);
    for (int i = 0; i < 3; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = 100 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
    }
    ASSERT_EQ(tools.create(window.getHwnd(), 1, 15, buttons, 2), 0);
    const HWND first = tools.getHwnd();
    EXPECT_EQ(tools.create(window.getHwnd(), 1, 15, buttons, 2), 0);
    EXPECT_EQ(tools.getHwnd(), first);
    EXPECT_EQ(tools.sendMessage(TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_EQ(tools.addButtons(buttons, TBADDBITMAP{HINST_COMMCTRL, IDB_STD_SMALL_COLOR}, 1), 0);
    EXPECT_EQ(tools.sendMessage(TB_BUTTONCOUNT, 0, 0), 3);
    TBBUTTON read{};
    tools.sendMessage(TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(read.idCommand, 100);
    Array<TBBUTTON> empty;
    EXPECT_THROW(tools.addButtons(empty, TBADDBITMAP{}, 0), IndexError);
    EXPECT_THROW(tools.addButtons(buttons, TBADDBITMAP{}, 4), AssertionError);
}

TEST(CommonControlTest, ToolTipsTakeTheirOwnIdsAndTextAtAddTool) {
    RecordingWindow window("main");
    ASSERT_EQ(window.open(kTopLevel, 0, 0, 400, 300, nullptr, nullptr), 0);
    ToolTip first, second;
    EXPECT_EQ(second.getToolInfo().uId, first.getToolInfo().uId + 1);

    first.setText("hello");
    ASSERT_EQ(window.setToolTip(&first), 0);
    ASSERT_NE(first.getHwnd(), nullptr);
    const UINT_PTR id = first.getToolInfo().uId;
    EXPECT_EQ(toolText(first.getHwnd(), window.getHwnd(), id), u"hello");
    EXPECT_EQ(first.getToolInfo().rect.right, 392);

    first.setText("changed");
    EXPECT_EQ(toolText(first.getHwnd(), window.getHwnd(), id), u"hello");
    first.addTool();
    EXPECT_EQ(toolText(first.getHwnd(), window.getHwnd(), id), u"changed");

    // The tool follows the parent's size through the subclass hook.
    MoveWindow(window.getHwnd(), 0, 0, 308, 227, TRUE);
    EXPECT_EQ(first.getToolInfo().rect.right, 300);
    EXPECT_EQ(first.getToolInfo().rect.bottom, 200);
}
