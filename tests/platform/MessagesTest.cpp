// Message queues and threads: retrieval order, cross-thread sends and repaints (the frame
// hand-over's: on the owner's thread, none where nothing is due), and what a thread's handle
// promises once it is signalled. (A destroy handler serving the sends of the thread it waits
// for is the game window's close, in its tests.)

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "Harness.h"
#include "TestWindows.h"

namespace {

LRESULT CALLBACK echoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_APP ? LRESULT(wParam * 2 + 1) : DefWindowProcW(hwnd, message, wParam, lParam);
}

void waitForIncomingSend() { MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_SENDMESSAGE); }

TEST(MessageRetrieval, PostedThenInputThenQuitThenPaintAndSentOnesNeverReturned) {
    messageLog.clear();
    HWND hwnd = createTestWindow(registerTestClass(recordingProc));  // visible: needs painting
    Harness::injectKey('A', true, hwnd);
    PostMessageW(hwnd, WM_APP + 1, 0, 0);
    PostQuitMessage(3);
    auto sender = [&] { SendMessageW(hwnd, WM_APP + 2, 0, 0); };
    HANDLE t = startThread(&sender);
    waitForIncomingSend();
    std::vector<UINT> retrieved;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        retrieved.push_back(msg.message);
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(retrieved, (std::vector<UINT>{WM_APP + 1, WM_KEYDOWN}));
    auto log = messagesOf(hwnd);
    EXPECT_NE(std::find(log.begin(), log.end(), UINT(WM_APP + 2)), log.end()) << "the send ran inside GetMessageW";
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_PAINT)) << "the paint is still due after the quit";
    DispatchMessageW(&msg);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) << "DefWindowProcW validated the window";
    EXPECT_TRUE(waitAndClose(t));
    Harness::injectKey('A', false, hwnd);
    DestroyWindow(hwnd);
}

HWND workerWindow = nullptr;

LRESULT CALLBACK askBackProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Answers by asking the worker's window, which must be served while the worker itself
    // waits in SendMessageW.
    if (message == WM_APP) return SendMessageW(workerWindow, WM_APP, wParam, 0) + 1000;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(CrossThreadSend, SenderRunsMessagesSentToItWhileItWaits) {
    HWND mainWindow = createTestWindow(registerTestClass(askBackProc));
    auto workerCls = registerTestClass(echoProc);
    std::atomic<LRESULT> result{0};
    auto worker = [&] {
        workerWindow = createTestWindow(workerCls, WS_OVERLAPPEDWINDOW);
        result = SendMessageW(mainWindow, WM_APP, 20, 0);
        DestroyWindow(workerWindow);
        PostMessageW(mainWindow, WM_APP + 1, 0, 0);
    };
    HANDLE t = startThread(&worker);
    pumpUntil(WM_APP + 1);
    EXPECT_TRUE(waitAndClose(t));
    EXPECT_EQ(result, 41 + 1000);
    DestroyWindow(mainWindow);
}

TEST(CrossThreadSend, DestroyingTheTargetReleasesBlockedSendersWithZero) {
    HWND hwnd = createTestWindow(registerTestClass(echoProc));
    std::atomic<LRESULT> result{-5};
    auto worker = [&] { result = SendMessageW(hwnd, WM_APP, 1, 0); };
    HANDLE t = startThread(&worker);
    waitForIncomingSend();
    EXPECT_TRUE(DestroyWindow(hwnd));  // does not run the queued send: the layer drops it
    EXPECT_TRUE(waitAndClose(t));
    EXPECT_EQ(result, 0);
}

// Per-thread data whose destructor takes a while, as the GL driver's per-thread cleanup may.
std::atomic<bool> perThreadDataGone{false};
struct SlowPerThreadData {
    ~SlowPerThreadData() {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        perThreadDataGone = true;
    }
};

TEST(Threads, WindowsAndPerThreadDataOfAThreadAreGoneWhenItsHandleIsSignalled) {
    static auto cls = registerTestClass(echoProc);
    std::atomic<HWND> left{nullptr};
    auto worker = [&] {
        static thread_local SlowPerThreadData data;
        (void)&data;
        left = createTestWindow(cls);  // never destroyed by the thread itself
    };
    EXPECT_TRUE(waitAndClose(startThread(&worker)));
    EXPECT_TRUE(perThreadDataGone) << "the handle was signalled while the thread's destructors still ran";
    ASSERT_NE(left.load(), nullptr);
    EXPECT_FALSE(IsWindow(left));
    EXPECT_EQ(SendMessageW(left, WM_APP, 1, 0), 0);
}

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
    auto worker = [&] {
        for (int i = 0; i < 2000; ++i) {
            int before = paints;
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            if (paints <= before) ++missed;
        }
        PostMessageW(hwnd, WM_APP, 0, 0);
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
