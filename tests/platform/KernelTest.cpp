// kernel32 and winmm: threads, events, waits, critical sections, the clock and the virtual clock.

#include <gtest/gtest.h>
#include <mmsystem.h>
#include <windows.h>

#include <atomic>
#include <functional>

#include "Harness.h"

namespace {

DWORD WINAPI returnsParameter(LPVOID p) { return DWORD(reinterpret_cast<uintptr_t>(p)); }

TEST(KernelThreads, ThreadHandleSignalsWithTheExitCode) {
    DWORD id = 0;
    HANDLE t = CreateThread(nullptr, 0, returnsParameter, reinterpret_cast<LPVOID>(uintptr_t(17)), 0, &id);
    ASSERT_NE(t, nullptr);
    EXPECT_NE(id, 0u);
    EXPECT_NE(id, GetCurrentThreadId());
    EXPECT_EQ(WaitForSingleObject(t, INFINITE), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(t, &code));
    EXPECT_EQ(code, 17u);
    EXPECT_TRUE(CloseHandle(t));
    EXPECT_FALSE(CloseHandle(t));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(t, 0), WAIT_FAILED);
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
}

TEST(KernelEvents, AutoResetEventWakesOneWaitManualResetStaysSignalled) {
    HANDLE autoEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE manual = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    EXPECT_EQ(WaitForSingleObject(autoEvent, 0), DWORD(WAIT_TIMEOUT));
    EXPECT_EQ(WaitForSingleObject(autoEvent, 20), DWORD(WAIT_TIMEOUT));
    SetEvent(autoEvent);
    EXPECT_EQ(WaitForSingleObject(autoEvent, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(autoEvent, 0), DWORD(WAIT_TIMEOUT)) << "consumed by the first wait";
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
    HANDLE both[] = {autoEvent, manual};
    EXPECT_EQ(WaitForMultipleObjects(2, both, FALSE, 0), WAIT_OBJECT_0 + 1);
    EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 0), DWORD(WAIT_TIMEOUT));
    SetEvent(autoEvent);
    EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 0), WAIT_OBJECT_0);
    ResetEvent(manual);
    EXPECT_EQ(WaitForSingleObject(manual, 0), DWORD(WAIT_TIMEOUT));
    EXPECT_EQ(WaitForMultipleObjects(0, both, FALSE, 0), WAIT_FAILED);
    CloseHandle(autoEvent);
    CloseHandle(manual);
}

TEST(KernelEvents, EventSetByAnotherThreadWakesAMessageWait) {
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE t = CreateThread(
        nullptr, 0, [](LPVOID e) -> DWORD { return SetEvent(static_cast<HANDLE>(e)) ? 0 : 1; }, event, 0, nullptr);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT), WAIT_OBJECT_0);
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    HANDLE bogus = reinterpret_cast<HANDLE>(0x1234);
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &bogus, FALSE, 0, QS_ALLINPUT), WAIT_FAILED);
    CloseHandle(event);
}

TEST(KernelLocks, CriticalSectionIsRecursiveAndExcludesOtherThreads) {
    static CRITICAL_SECTION cs;
    InitializeCriticalSection(&cs);
    EnterCriticalSection(&cs);
    EXPECT_TRUE(TryEnterCriticalSection(&cs));
    LeaveCriticalSection(&cs);
    HANDLE t = CreateThread(
        nullptr, 0, [](LPVOID) -> DWORD { return TryEnterCriticalSection(&cs) ? 1 : 0; }, nullptr, 0, nullptr);
    WaitForSingleObject(t, INFINITE);
    DWORD entered = 9;
    GetExitCodeThread(t, &entered);
    EXPECT_EQ(entered, 0u);
    CloseHandle(t);
    LeaveCriticalSection(&cs);
    DeleteCriticalSection(&cs);
}

TEST(Clock, VirtualClockAdvancesOnlyBySleepAndWraps) {
    Harness::useVirtualClock(true, 0xFFFFFFF0u);
    EXPECT_TRUE(Harness::virtualClockOn());
    EXPECT_EQ(timeGetTime(), 0xFFFFFFF0u);
    Sleep(16);
    EXPECT_EQ(timeGetTime(), 0u);
    Sleep(1000000);
    EXPECT_EQ(timeGetTime(), 1000000u);
    EXPECT_EQ(DWORD(timeGetTime() - 0xFFFFFFF0u), 1000016u) << "differences in 32-bit arithmetic";
    Harness::useVirtualClock(false);
    DWORD a = timeGetTime();
    Sleep(20);
    EXPECT_GE(DWORD(timeGetTime() - a), 20u);
}

TEST(Clock, TimerPeriodsMustBeBalancedAndInRange) {
    TIMECAPS caps{};
    EXPECT_EQ(timeGetDevCaps(&caps, sizeof caps), MMRESULT(MMSYSERR_NOERROR));
    EXPECT_EQ(caps.wPeriodMin, 1u);
    EXPECT_EQ(timeGetDevCaps(&caps, 4), MMRESULT(MMSYSERR_ERROR));
    EXPECT_EQ(timeGetDevCaps(nullptr, sizeof caps), MMRESULT(MMSYSERR_ERROR));
    EXPECT_EQ(timeBeginPeriod(caps.wPeriodMin), MMRESULT(TIMERR_NOERROR));
    EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), MMRESULT(TIMERR_NOERROR));
    EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), MMRESULT(TIMERR_NOCANDO)) << "no matching begin";
    EXPECT_EQ(timeBeginPeriod(0), MMRESULT(TIMERR_NOCANDO));
}

TEST(Unimplemented, CallsOutsideTheSubsetAbortWithTheFunctionsName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* what;
        std::function<void()> call;
        const char* message;
    };
    std::vector<Case> cases = {
        {"suspended thread", [] { CreateThread(nullptr, 0, returnsParameter, nullptr, CREATE_SUSPENDED, nullptr); },
         "platform: CreateThread with CREATE_SUSPENDED is not implemented"},
        {"named event", [] { CreateEventW(nullptr, TRUE, FALSE, u"name"); },
         "platform: CreateEventW with a name is not implemented"},
        {"screen DC", [] { GetDC(nullptr); }, "platform: GetDC\\(NULL\\) \\(the screen DC\\) is not implemented"},
        {"endless sleep", [] { Sleep(INFINITE); }, "platform: Sleep\\(INFINITE\\) is not implemented"},
    };
    for (auto& c : cases) EXPECT_DEATH(c.call(), c.message) << c.what;
}

}  // namespace
