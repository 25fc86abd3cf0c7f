// Windows: the creation messages and the frame model the game window relies on, failed
// creation, and teardown (WM_DESTROY, then the children, then WM_NCDESTROY).

#include <gtest/gtest.h>
#include <windows.h>

#include "TestWindows.h"

namespace {

RECT clientInCreate{};

LRESULT CALLBACK createProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    messageLog.emplace_back(hwnd, message);
    if (message == WM_CREATE) GetClientRect(hwnd, &clientInCreate);
    if (message == WM_CREATE && reinterpret_cast<CREATESTRUCTW*>(lParam)->cx == 99) return -1;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(WindowCreation, SendsCreationMessagesInOrderWithTheClientAreaAlreadyRight) {
    messageLog.clear();
    HWND hwnd = createTestWindow(registerTestClass(createProbeProc));
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(messagesOf(hwnd), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_EQ(clientInCreate.right, 512);
    EXPECT_EQ(clientInCreate.bottom, 512);
    EXPECT_TRUE(DestroyWindow(hwnd));

    messageLog.clear();  // WM_CREATE answering -1 ends the creation with a destroyed window
    EXPECT_EQ(createTestWindow(registerTestClass(createProbeProc), WS_OVERLAPPEDWINDOW, 99), nullptr);
    ASSERT_FALSE(messageLog.empty());
    const HWND failed = messageLog.front().first;
    EXPECT_EQ(messagesOf(failed), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_FALSE(IsWindow(failed));
}

TEST(WindowDefaults, CloseDestroysWithDestroyThenNcDestroyAndChildrenGoToo) {
    auto cls = registerTestClass(recordingProc);
    HWND hwnd = createTestWindow(cls);
    HWND child = CreateWindowExW(0, cls.c_str(), nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hwnd, nullptr, nullptr,
                                 nullptr);
    ASSERT_NE(child, nullptr);
    PostMessageW(hwnd, WM_APP, 0, 0);  // dropped with the window
    messageLog.clear();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindow(child));
    std::vector<std::pair<HWND, UINT>> expected = {
        {hwnd, WM_CLOSE}, {hwnd, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {hwnd, WM_NCDESTROY}};
    EXPECT_EQ(messageLog, expected);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP, 0, 0), 0);
    EXPECT_FALSE(DestroyWindow(hwnd));
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

}  // namespace
