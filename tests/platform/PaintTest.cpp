// Painting: the synchronous repaint from another thread that the frame hand-over relies on,
// always on the owner's thread, and no paint where nothing is due. (The owner's own
// synchronous repaint is the pacing test's endFrame.)

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "TestWindows.h"

namespace {

std::atomic<int> paints{0};
std::atomic<int> foreignPaints{0};
std::thread::id ownerThread;

LRESULT CALLBACK countingPaintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    if (std::this_thread::get_id() != ownerThread) ++foreignPaints;
    ++paints;
    return 0;
}

TEST(Painting, CrossThreadRedrawsEachReturnAfterTheOwnersPaint) {
    ownerThread = std::this_thread::get_id();
    HWND hwnd = createTestWindow(registerTestClass(countingPaintProc));
    pumpReady();
    paints = 0;
    foreignPaints = 0;
    std::atomic<int> missed{0};
    auto worker = [&]() -> DWORD {
        for (int i = 0; i < 2000; ++i) {
            int before = paints;
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            if (paints <= before) ++missed;
        }
        PostMessageW(hwnd, WM_APP, 0, 0);
        return 0;
    };
    HANDLE t = startThread(&worker);
    pumpUntil(WM_APP);
    EXPECT_TRUE(waitAndClose(t));
    EXPECT_EQ(missed, 0);
    EXPECT_EQ(foreignPaints, 0);
    paints = 0;
    EXPECT_TRUE(UpdateWindow(hwnd));
    ShowWindow(hwnd, SW_HIDE);
    EXPECT_TRUE(RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
    EXPECT_EQ(paints, 0) << "nothing was left to paint, and hidden windows are not painted";
    DestroyWindow(hwnd);
}

}  // namespace
