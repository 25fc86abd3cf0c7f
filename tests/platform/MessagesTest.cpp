// Message queues and threads: retrieval order, cross-thread sends (storms, nested sends, sends
// to a dying window), destroy rights, waiting for a thread while serving sends, timers, keys.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "Harness.h"
#include "TestWindows.h"

namespace {

// Runs body on a thread of the layer and returns its handle.
template <class F>
HANDLE startThread(F* body) {
    return CreateThread(
        nullptr, 0, [](LPVOID p) -> DWORD { return (*static_cast<F*>(p))(); }, body, 0, nullptr);
}

void waitAndClose(HANDLE thread) {
    ASSERT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    CloseHandle(thread);
}

LRESULT CALLBACK echoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) return LRESULT(wParam * 2 + 1);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(MessageRetrieval, PostedThenInputThenQuitThenPaintAndSentOnesNeverReturned) {
    messageLog.clear();
    HWND hwnd = createTestWindow(registerTestClass(recordingProc));  // visible: needs painting
    Harness::injectKey('A', true, hwnd);
    PostMessageW(hwnd, WM_APP + 1, 0, 0);
    PostQuitMessage(3);
    std::atomic<bool> sent{false};
    auto sender = [&]() -> DWORD {
        SendMessageW(hwnd, WM_APP + 2, 0, 0);
        sent = true;
        return 0;
    };
    HANDLE t = startThread(&sender);
    // Make sure the cross-thread send is queued before retrieval starts.
    while (MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    }
    std::vector<UINT> retrieved;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        retrieved.push_back(msg.message);
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(retrieved, (std::vector<UINT>{WM_APP + 1, WM_KEYDOWN}));
    EXPECT_EQ(messageLog.messages(hwnd).front(), UINT(WM_NCCREATE));
    auto log = messageLog.messages(hwnd);
    EXPECT_NE(std::find(log.begin(), log.end(), UINT(WM_APP + 2)), log.end());
    // The paint is still due after the quit.
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_PAINT));
    DispatchMessageW(&msg);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) << "DefWindowProcW validated the window";
    waitAndClose(t);
    EXPECT_TRUE(sent);
    Harness::injectKey('A', false, hwnd);
    DestroyWindow(hwnd);
}

TEST(MessageRetrieval, PeekWithoutRemovingLeavesTheMessageAndFiltersApply) {
    HWND hwnd = createTestWindow(registerTestClass(recordingProc), WS_OVERLAPPEDWINDOW);
    PostMessageW(hwnd, WM_APP + 5, 1, 2);
    PostMessageW(nullptr, WM_APP + 6, 3, 4);  // a thread message
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT(WM_APP + 6));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_APP + 5, WM_APP + 5, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_APP + 6));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(hwnd);
}

TEST(CrossThreadSend, TenThousandRoundTripsReturnTheOwnersResults) {
    HWND hwnd = createTestWindow(registerTestClass(echoProc));
    std::atomic<bool> wrong{false};
    auto worker = [&]() -> DWORD {
        for (WPARAM i = 0; i < 10000; ++i)
            if (SendMessageW(hwnd, WM_APP, i, 0) != LRESULT(i * 2 + 1)) wrong = true;
        PostMessageW(hwnd, WM_APP + 1, 0, 0);
        return 0;
    };
    HANDLE t = startThread(&worker);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) && msg.message != WM_APP + 1) DispatchMessageW(&msg);
    waitAndClose(t);
    EXPECT_FALSE(wrong);
    DestroyWindow(hwnd);
}

HWND mainWindow = nullptr;
HWND workerWindow = nullptr;

LRESULT CALLBACK askBackProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The main thread's window answers by asking the worker's window, which must be served
    // while the worker itself waits in SendMessageW.
    if (message == WM_APP) return SendMessageW(workerWindow, WM_APP, wParam, 0) + 1000;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(CrossThreadSend, SenderRunsMessagesSentToItWhileItWaits) {
    mainWindow = createTestWindow(registerTestClass(askBackProc));
    auto workerCls = registerTestClass(echoProc);
    std::atomic<LRESULT> result{0};
    auto worker = [&]() -> DWORD {
        workerWindow = createTestWindow(workerCls, WS_OVERLAPPEDWINDOW);
        result = SendMessageW(mainWindow, WM_APP, 20, 0);
        DestroyWindow(workerWindow);
        PostMessageW(mainWindow, WM_APP + 1, 0, 0);
        return 0;
    };
    HANDLE t = startThread(&worker);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) && msg.message != WM_APP + 1) DispatchMessageW(&msg);
    waitAndClose(t);
    EXPECT_EQ(result, 41 + 1000);
    DestroyWindow(mainWindow);
}

TEST(CrossThreadSend, DestroyingTheTargetReleasesBlockedSendersWithZero) {
    HWND hwnd = createTestWindow(registerTestClass(echoProc));
    std::atomic<LRESULT> result{-5};
    auto worker = [&]() -> DWORD {
        result = SendMessageW(hwnd, WM_APP, 1, 0);
        return 0;
    };
    HANDLE t = startThread(&worker);
    // Wait until the send is queued, then destroy without ever running it.
    while (MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    }
    // DestroyWindow itself does not run the queued send; the layer releases it.
    EXPECT_TRUE(DestroyWindow(hwnd));
    waitAndClose(t);
    EXPECT_EQ(result, 0);
}

TEST(CrossThreadSend, DestroyWindowFromAnotherThreadFails) {
    HWND hwnd = createTestWindow(registerTestClass(echoProc));
    std::atomic<BOOL> destroyed{TRUE};
    std::atomic<DWORD> error{0};
    auto worker = [&]() -> DWORD {
        destroyed = DestroyWindow(hwnd);
        error = GetLastError();
        return 0;
    };
    HANDLE t = startThread(&worker);
    waitAndClose(t);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(error, DWORD(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(IsWindow(hwnd));
    DestroyWindow(hwnd);
}

// WM_DESTROY waits for a worker that is itself blocked sending to the dying window.
HANDLE dyingWorker = nullptr;
std::atomic<bool> workerMayFinish{false};
std::atomic<int> sendsServed{0};

LRESULT CALLBACK waitForWorkerOnDestroy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        ++sendsServed;
        return 7;
    }
    if (message == WM_DESTROY) {
        workerMayFinish = true;
        while (MsgWaitForMultipleObjects(1, &dyingWorker, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
        }
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(Shutdown, DestroyHandlerWaitingForABlockedWorkerDoesNotDeadlock) {
    HWND hwnd = createTestWindow(registerTestClass(waitForWorkerOnDestroy));
    auto worker = [&]() -> DWORD {
        while (!workerMayFinish) SendMessageW(hwnd, WM_APP, 0, 0);  // blocked here at the close
        SendMessageW(hwnd, WM_APP, 0, 0);
        return 0;
    };
    dyingWorker = startThread(&worker);
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_GT(sendsServed, 0);
    DWORD code = 99;
    EXPECT_TRUE(GetExitCodeThread(dyingWorker, &code));
    EXPECT_EQ(code, 0u);
    CloseHandle(dyingWorker);
}

TEST(Timers, WindowTimerArrivesAsWmTimerUntilKilled) {
    messageLog.clear();
    HWND hwnd = createTestWindow(registerTestClass(recordingProc), WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(SetTimer(hwnd, 5, 10, nullptr), 5u);
    int ticks = 0;
    pumpUntil([&] {
        auto log = messageLog.messages(hwnd);
        ticks = int(std::count(log.begin(), log.end(), UINT(WM_TIMER)));
        return ticks >= 2;
    });
    EXPECT_EQ(messageLog.entries.back().wParam, 5u);
    EXPECT_TRUE(KillTimer(hwnd, 5));
    EXPECT_FALSE(KillTimer(hwnd, 5));
    MSG msg;
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 40, QS_TIMER), DWORD(WAIT_TIMEOUT));
    EXPECT_FALSE(PeekMessageW(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE));
    DestroyWindow(hwnd);
}

TEST(Keys, KeyMessagesCarryTheLParamWindowsBuilds) {
    HWND hwnd = createTestWindow(registerTestClass(recordingProc), WS_OVERLAPPEDWINDOW);
    struct Step {
        UINT vk;
        bool down;
        UINT message;
        DWORD lParam;
    };
    std::vector<Step> steps = {
        {VK_LEFT, true, WM_KEYDOWN, 0x014B0001},   // extended, first press
        {VK_LEFT, true, WM_KEYDOWN, 0x414B0001},   // auto-repeat: bit 30
        {VK_LEFT, false, WM_KEYUP, 0xC14B0001},    // release: bits 30 and 31
        {VK_SPACE, true, WM_KEYDOWN, 0x00390001},
        {VK_SPACE, false, WM_KEYUP, 0xC0390001},
        {'Z', true, WM_KEYDOWN, 0x002C0001},
        {'Z', false, WM_KEYUP, 0xC02C0001},
        {VK_RETURN, true, WM_KEYDOWN, 0x001C0001},
        {VK_RETURN, false, WM_KEYUP, 0xC01C0001},
    };
    for (auto& s : steps) ASSERT_TRUE(Harness::injectKey(s.vk, s.down, hwnd));
    EXPECT_FALSE(Harness::injectKey(0, true, hwnd));
    EXPECT_FALSE(Harness::injectKey(0x1FF, true, hwnd));
    MSG msg;
    for (auto& s : steps) {
        ASSERT_TRUE(PeekMessageW(&msg, hwnd, WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
        EXPECT_EQ(msg.message, s.message);
        EXPECT_EQ(msg.wParam, s.vk);
        EXPECT_EQ(DWORD(msg.lParam), s.lParam) << std::hex << s.vk;
    }
    // TranslateMessage queues the character right after the key-down.
    Harness::injectKey('Q', true, hwnd);
    ASSERT_TRUE(PeekMessageW(&msg, hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_TRUE(TranslateMessage(&msg));
    ASSERT_TRUE(PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_CHAR));
    EXPECT_EQ(msg.wParam, WPARAM('q'));
    Harness::injectKey('Q', false, hwnd);
    DestroyWindow(hwnd);
}

TEST(Threads, WindowsOfAThreadAreGoneWhenItsHandleIsSignalled) {
    static auto cls = registerTestClass(echoProc);
    std::atomic<HWND> left{nullptr};
    auto worker = [&]() -> DWORD {
        left = createTestWindow(cls);  // never destroyed by the thread itself
        return 0;
    };
    HANDLE t = startThread(&worker);
    waitAndClose(t);
    ASSERT_NE(left.load(), nullptr);
    EXPECT_FALSE(IsWindow(left));
    EXPECT_EQ(SendMessageW(left, WM_APP, 1, 0), 0);
}

TEST(Threads, MessageFilterMustBeAWindowOfTheCallingThread) {
    HWND mine = createTestWindow(registerTestClass(echoProc));
    std::atomic<BOOL> got{0};
    std::atomic<DWORD> error{0};
    auto worker = [&]() -> DWORD {
        MSG msg;
        got = GetMessageW(&msg, mine, 0, 0);
        error = GetLastError();
        return 0;
    };
    HANDLE t = startThread(&worker);
    waitAndClose(t);
    EXPECT_EQ(got, -1);
    EXPECT_EQ(error, DWORD(ERROR_INVALID_WINDOW_HANDLE));
    DestroyWindow(mine);
}

TEST(Threads, PostThreadMessageReachesTheThreadsQueue) {
    std::atomic<DWORD> id{0};
    std::atomic<WPARAM> got{0};
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    auto worker = [&]() -> DWORD {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes the queue
        id = GetCurrentThreadId();
        SetEvent(ready);
        GetMessageW(&msg, nullptr, 0, 0);
        got = msg.wParam;
        return 0;
    };
    HANDLE t = startThread(&worker);
    WaitForSingleObject(ready, INFINITE);
    EXPECT_TRUE(PostThreadMessageW(id, WM_APP, 77, 0));
    waitAndClose(t);
    EXPECT_EQ(got, 77u);
    EXPECT_FALSE(PostThreadMessageW(1, WM_APP, 0, 0));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_THREAD_ID));
    CloseHandle(ready);
}

}  // namespace
