// Where real Win32 (seen under Wine) behaves in ways a simpler layer would not: the layer
// must do the same, or code tested only on it breaks on Windows.

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "TestWindows.h"

namespace {

// A tool added again with a known id goes after the first, which lookups keep finding; only
// removing the first lets the new text be seen.
TEST(RealWin32, ATooltipAddedTwiceKeepsTheFirstToolUntilItIsRemoved) {
    static auto cls = registerTestClass(recordingProc);
    HWND parent = createTestWindow(cls);
    HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(tip, nullptr);
    std::u16string first = u"first", second = u"second";
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = parent;
    tool.uId = 7;
    const auto textNow = [&] {
        WCHAR buffer[32] = {};
        TOOLINFOW query = tool;
        query.lpszText = buffer;
        return SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&query)) ? std::u16string(buffer)
                                                                                         : u"(none)";
    };
    tool.lpszText = first.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = second.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_EQ(textNow(), first);
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(textNow(), second);
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(textNow(), u"(none)");
    DestroyWindow(parent);
}

}  // namespace
