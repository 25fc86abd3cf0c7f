// Painting: update regions, WM_PAINT on demand, and the synchronous repaint across threads that
// the frame hand-over relies on.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "TestWindows.h"

namespace {

std::atomic<int> paints{0};
std::atomic<DWORD> paintThread{0};
RECT lastPaintRect;

LRESULT CALLBACK countingPaintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        lastPaintRect = ps.rcPaint;
        EndPaint(hwnd, &ps);
        paintThread = GetCurrentThreadId();
        ++paints;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(Painting, InvalidRectangleGivesOneWmPaintThatBeginPaintValidates) {
    HWND hwnd = createTestWindow(registerTestClass(countingPaintProc));
    pumpReady();  // the first paint after creation
    paints = 0;
    RECT a{10, 10, 20, 20}, b{100, 5, 120, 15};
    InvalidateRect(hwnd, &a, FALSE);
    InvalidateRect(hwnd, &b, FALSE);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(update.left, 10);
    EXPECT_EQ(update.right, 120);
    pumpReady();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(lastPaintRect.top, 5);
    EXPECT_EQ(lastPaintRect.bottom, 20);
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    RECT outside{600, 600, 700, 700};
    InvalidateRect(hwnd, &outside, FALSE);
    pumpReady();
    EXPECT_EQ(paints, 1) << "a rectangle outside the client area changes nothing";
    DestroyWindow(hwnd);
}

TEST(Painting, UpdateNowPaintsBeforeReturningOnTheOwnerThread) {
    HWND hwnd = createTestWindow(registerTestClass(countingPaintProc));
    pumpReady();
    paints = 0;
    EXPECT_TRUE(UpdateWindow(hwnd));
    EXPECT_EQ(paints, 0) << "nothing to paint";
    EXPECT_TRUE(RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
    EXPECT_EQ(paints, 1);
    InvalidateRect(hwnd, nullptr, TRUE);
    EXPECT_TRUE(UpdateWindow(hwnd));
    EXPECT_EQ(paints, 2);
    ShowWindow(hwnd, SW_HIDE);
    EXPECT_TRUE(RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
    EXPECT_EQ(paints, 2) << "hidden windows are not painted";
    DestroyWindow(hwnd);
}

TEST(Painting, TenThousandCrossThreadRedrawsEachReturnAfterTheOwnersPaint) {
    HWND hwnd = createTestWindow(registerTestClass(countingPaintProc));
    pumpReady();
    paints = 0;
    std::atomic<int> missed{0};
    auto worker = [&]() -> DWORD {
        for (int i = 0; i < 10000; ++i) {
            int before = paints;
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            if (paints <= before) ++missed;
        }
        PostMessageW(hwnd, WM_APP, 0, 0);
        return 0;
    };
    HANDLE t = CreateThread(
        nullptr, 0, [](LPVOID p) -> DWORD { return (*static_cast<decltype(worker)*>(p))(); }, &worker, 0, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) && msg.message != WM_APP) DispatchMessageW(&msg);
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    EXPECT_EQ(missed, 0);
    EXPECT_GE(paints, 10000);
    EXPECT_EQ(paintThread, GetCurrentThreadId()) << "paints run on the owner thread";
    DestroyWindow(hwnd);
}

}  // namespace
