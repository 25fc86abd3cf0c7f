// Common controls as virtual child windows: what their messages set reads back through the
// query messages; bars align to their parent; the rebar reports height changes.

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "TestWindows.h"

namespace {

HWND parentWindow() {
    static auto cls = registerTestClass(recordingProc);
    return createTestWindow(cls);
}

TEST(CommonControls, InitialisationChecksTheStructureSize) {
    InitCommonControls();
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    EXPECT_TRUE(InitCommonControlsEx(&icc));
    icc.dwSize = 12;
    EXPECT_FALSE(InitCommonControlsEx(&icc));
    EXPECT_FALSE(InitCommonControlsEx(nullptr));
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = recordingProc;
    wc.lpszClassName = TOOLTIPS_CLASSW;
    EXPECT_EQ(RegisterClassExW(&wc), 0) << "the system class exists already";
}

TEST(StatusBar, KeepsPartTextsAndSitsAtTheBottomOfItsParent) {
    HWND parent = parentWindow();
    HWND bar = CreateStatusWindowW(WS_CHILD | WS_VISIBLE, u"ready", parent, 1);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetParent(bar), parent);
    EXPECT_EQ(GetWindowLongPtrW(bar, GWLP_ID), 1);
    WCHAR text[64];
    EXPECT_EQ(LOWORD(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text))), 5);
    EXPECT_EQ(std::u16string(text), u"ready");
    std::u16string status = u"fps=60 tick=1";
    EXPECT_TRUE(SendMessageW(bar, SB_SETTEXTW, 255, reinterpret_cast<LPARAM>(status.c_str())));
    EXPECT_EQ(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 255, 0)), status.size());
    SendMessageW(bar, SB_GETTEXTW, 255, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::u16string(text), status);
    EXPECT_EQ(LOWORD(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text))), 5) << "part 0 unchanged";
    RECT barRect, parentRect;
    GetWindowRect(bar, &barRect);
    GetClientRect(parent, &parentRect);
    POINT topLeft{barRect.left, barRect.top};
    ScreenToClient(parent, &topLeft);
    EXPECT_EQ(topLeft.x, 0);
    EXPECT_EQ(topLeft.y + (barRect.bottom - barRect.top), parentRect.bottom);
    EXPECT_EQ(barRect.right - barRect.left, parentRect.right);
    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)), font);
    DestroyWindow(parent);
    EXPECT_FALSE(IsWindow(bar));
}

TEST(ToolBar, KeepsBitmapsAndButtonsAndRejectsForeignButtonSizes) {
    HWND parent = parentWindow();
    TBBUTTON buttons[3] = {};
    for (int i = 0; i < 3; ++i) {
        buttons[i].iBitmap = STD_FILENEW + i;
        buttons[i].idCommand = 100 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    HWND bar = CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE, 2, 15, HINST_COMMCTRL, IDB_STD_SMALL_COLOR, buttons, 2,
                               0, 0, 0, 0, sizeof(TBBUTTON));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    TBADDBITMAP more{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    EXPECT_EQ(SendMessageW(bar, TB_ADDBITMAP, 3, reinterpret_cast<LPARAM>(&more)), 15) << "index of its first image";
    EXPECT_TRUE(SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&buttons[2])));
    EXPECT_EQ(SendMessageW(bar, TB_AUTOSIZE, 0, 0), 0);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
    TBBUTTON got{};
    EXPECT_TRUE(SendMessageW(bar, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&got)));
    EXPECT_EQ(got.idCommand, 102);
    EXPECT_EQ(got.iBitmap, STD_FILENEW + 2);
    EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&got)));
    RECT r;
    GetClientRect(bar, &r);
    EXPECT_EQ(r.right, 512) << "full width of the parent";

    SetLastError(0);
    EXPECT_EQ(CreateToolbarEx(parent, WS_CHILD, 3, 0, HINST_COMMCTRL, 0, buttons, 1, 0, 0, 0, 0, 20), nullptr)
        << "a 32-bit program's button size";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    DestroyWindow(parent);
}

TEST(ToolTip, KeepsToolsWithTheirTextAndRectangles) {
    HWND parent = parentWindow();
    HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(GetParent(tip), nullptr) << "not a child: an owned top-level window";
    std::u16string text = u"the cube";
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = parent;
    ti.uId = 0;
    GetClientRect(parent, &ti.rect);
    ti.lpszText = text.data();
    EXPECT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
    ti.uId = 1;
    ti.lpszText = nullptr;
    EXPECT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
    ti.uId = 0;
    ti.rect = RECT{0, 0, 300, 200};
    SendMessageW(tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));

    WCHAR buffer[80] = {};
    TOOLINFOW query{};
    query.cbSize = sizeof query;
    query.hwnd = parent;
    query.uId = 0;
    query.lpszText = buffer;
    ASSERT_TRUE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&query)));
    EXPECT_EQ(query.rect.right, 300);
    EXPECT_EQ(query.uFlags, UINT(TTF_SUBCLASS));
    EXPECT_EQ(std::u16string(buffer), text);
    query.uId = 9;
    EXPECT_FALSE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&query)));
    ti.cbSize = 8;
    EXPECT_FALSE(SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti))) << "structure too small";
    DestroyWindow(parent);
    EXPECT_FALSE(IsWindow(tip)) << "owned windows go with their owner";
}

struct NotifySeen {
    HWND from = nullptr;
    UINT code = 0;
    int count = 0;
};
NotifySeen notifySeen;

LRESULT CALLBACK notifyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        notifySeen.from = nm->hwndFrom;
        notifySeen.code = nm->code;
        ++notifySeen.count;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(Rebar, KeepsBandsAndReportsHeightChangesToItsParent) {
    HWND parent = createTestWindow(registerTestClass(notifyProc));
    HWND rebar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, u"Rebar", 0x56C00648, 0, 0, 512, 512, parent,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(rebar, nullptr);
    HWND bandChild = createTestWindow(registerTestClass(recordingProc), WS_CHILD | WS_VISIBLE, 100, 25, nullptr, parent);
    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_BACKGROUND | RBBIM_TEXT;
    band.hwndChild = bandChild;
    band.cxMinChild = 100;
    band.cyMinChild = 25;
    band.cx = 128;
    std::u16string label = u"tools";
    band.lpText = label.data();
    notifySeen = {};
    EXPECT_TRUE(SendMessageW(rebar, RB_INSERTBANDW, WPARAM(-1), reinterpret_cast<LPARAM>(&band)));
    EXPECT_EQ(notifySeen.count, 1);
    EXPECT_EQ(notifySeen.from, rebar);
    EXPECT_EQ(notifySeen.code, UINT(RBN_HEIGHTCHANGE));
    EXPECT_EQ(SendMessageW(rebar, RB_GETBARHEIGHT, 0, 0), 29);
    RECT r;
    GetClientRect(rebar, &r);
    EXPECT_EQ(r.bottom, 29) << "the bar takes the height its bands need";
    MoveWindow(rebar, 0, 0, 512, 512, TRUE);
    GetClientRect(rebar, &r);
    EXPECT_EQ(r.bottom, 29) << "and keeps it when moved";
    EXPECT_EQ(r.right, 512);

    band.cyMinChild = 25;  // same height: no notification
    EXPECT_TRUE(SendMessageW(rebar, RB_INSERTBANDW, 0, reinterpret_cast<LPARAM>(&band)));
    EXPECT_EQ(notifySeen.count, 1);
    EXPECT_EQ(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0), 2);

    WCHAR text[16];
    REBARBANDINFOW got{};
    got.cbSize = sizeof got;
    got.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_TEXT;
    got.lpText = text;
    got.cch = 16;
    ASSERT_TRUE(SendMessageW(rebar, RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&got)));
    EXPECT_EQ(got.hwndChild, bandChild);
    EXPECT_EQ(got.cyMinChild, 25u);
    EXPECT_EQ(got.cx, 128u);
    EXPECT_EQ(std::u16string(text), label);
    EXPECT_FALSE(SendMessageW(rebar, RB_GETBANDINFOW, 2, reinterpret_cast<LPARAM>(&got)));
    band.cbSize = 40;
    EXPECT_FALSE(SendMessageW(rebar, RB_INSERTBANDW, WPARAM(-1), reinterpret_cast<LPARAM>(&band)))
        << "structure too small";
    DestroyWindow(parent);
}

}  // namespace
