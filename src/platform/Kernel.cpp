// kernel32 and winmm: threads as waitable handles, Sleep and the millisecond clock (real, or
// the harness's virtual clock), the timer period, and the module handle.

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/HarnessHooks.h"
#include "platform/LayerState.h"
#include "platform/Unimplemented.h"

namespace platform {

bool objectsOf(LayerState& s, DWORD count, const HANDLE* handles, std::vector<std::shared_ptr<ThreadObject>>& objects) {
    for (DWORD i = 0; i < count; ++i) {
        auto it = s.objects.find(handles[i]);
        if (it == s.objects.end()) {
            setError(ERROR_INVALID_HANDLE);
            return false;
        }
        objects.push_back(it->second);
    }
    return true;
}

DWORD takeSignalled(const std::vector<std::shared_ptr<ThreadObject>>& objects, bool waitAll) {
    auto ended = [](const auto& o) { return o->ended; };
    if (waitAll && !objects.empty())
        return std::all_of(objects.begin(), objects.end(), ended) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    auto first = std::find_if(objects.begin(), objects.end(), ended);
    return first == objects.end() ? WAIT_TIMEOUT : WAIT_OBJECT_0 + DWORD(first - objects.begin());
}

}  // namespace platform

using namespace platform;

namespace {

// The program's module handle, as the Windows loader's usual base address.
const HINSTANCE moduleInstance = reinterpret_cast<HINSTANCE>(0x400000);

void runThread(LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD id) {
    adoptThreadId(id);
    start(parameter);
    endThreadQueue();
}

// A thread's handle is signalled once the thread has ended for good, as on Windows: after
// its thread-specific data is gone too. Libraries (the GL driver among them) run destructors
// for their per-thread data at that point, so a waiter that went on to delete the GL context
// while they still ran would pull the ground from under them.
void signalWhenEnded(std::thread worker, std::shared_ptr<ThreadObject> object) {
    worker.join();
    LayerState& s = state();
    Lock lk(s.lock);
    object->ended = true;
    // Threads in MsgWaitForMultipleObjects wait on their queues.
    for (auto& [id, q] : s.queues) wake(*q);
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                           DWORD flags, LPDWORD threadId) {
    if (flags & CREATE_SUSPENDED) failUnimplemented("CreateThread with CREATE_SUSPENDED");
    if (!start) {
        setError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    LayerState& s = state();
    Lock lk(s.lock);
    auto o = std::make_shared<ThreadObject>();
    DWORD id = reserveThreadId();
    HANDLE h = s.newHandle();
    s.objects[h] = o;
    std::thread(signalWhenEnded, std::thread(runThread, start, parameter, id), o).detach();
    if (threadId) *threadId = id;
    return h;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
    LayerState& s = state();
    Lock lk(s.lock);
    if (!s.objects.erase(handle)) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

void WINAPI Sleep(DWORD ms) {
    if (sleepVirtually(ms) || ms == 0) {
        std::this_thread::yield();
        return;
    }
    if (ms == INFINITE) failUnimplemented("Sleep(INFINITE)");
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

DWORD WINAPI timeGetTime(void) { return timeNow(); }

MMRESULT WINAPI timeGetDevCaps(LPTIMECAPS caps, UINT size) {
    if (!caps || size != sizeof(TIMECAPS)) return MMSYSERR_ERROR;
    caps->wPeriodMin = 1;
    caps->wPeriodMax = 1000000;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI timeBeginPeriod(UINT period) {
    if (period < 1 || period > 1000000) return TIMERR_NOCANDO;
    LayerState& s = state();
    Lock lk(s.lock);
    ++s.periods[period];
    return TIMERR_NOERROR;
}

MMRESULT WINAPI timeEndPeriod(UINT period) {
    LayerState& s = state();
    Lock lk(s.lock);
    auto it = s.periods.find(period);
    if (it == s.periods.end()) return TIMERR_NOCANDO;
    if (--it->second == 0) s.periods.erase(it);
    return TIMERR_NOERROR;
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR name) {
    if (name) {
        setError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return moduleInstance;
}

}  // extern "C"
