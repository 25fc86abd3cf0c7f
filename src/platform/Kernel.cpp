// kernel32 and winmm: threads and events as waitable handles, waits, critical sections, Sleep
// and the millisecond clock (real, or the harness's virtual clock).

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <new>
#include <thread>

#include "platform/HarnessHooks.h"
#include "platform/LayerState.h"
#include "platform/Unimplemented.h"

using Clock = std::chrono::steady_clock;

namespace platform {

namespace {

std::map<UINT, int> periods;  // timeBeginPeriod counts, under the layer lock

void signalObject(LayerState& s, KernelObject& o) {
    o.signalled = true;
    s.objectsChanged.notify_all();
    // Threads in MsgWaitForMultipleObjects wait on their queues.
    for (auto& [id, q] : s.queues) wake(*q);
}

}  // namespace

std::shared_ptr<KernelObject> objectOf(LayerState& s, HANDLE h) {
    auto it = s.objects.find(h);
    return it == s.objects.end() ? nullptr : it->second;
}

// Takes a signalled object (an auto-reset event falls back to not signalled).
bool tryAcquire(KernelObject& o) {
    if (!o.signalled) return false;
    if (o.kind == KernelObject::Event && !o.manualReset) o.signalled = false;
    return true;
}

bool objectsOf(LayerState& s, DWORD count, const HANDLE* handles, std::vector<std::shared_ptr<KernelObject>>& objects) {
    for (DWORD i = 0; i < count; ++i) {
        auto o = objectOf(s, handles[i]);
        if (!o) {
            setError(ERROR_INVALID_HANDLE);
            return false;
        }
        objects.push_back(std::move(o));
    }
    return true;
}

DWORD takeSignalled(std::vector<std::shared_ptr<KernelObject>>& objects, bool waitAll) {
    if (waitAll && !objects.empty()) {
        if (!std::all_of(objects.begin(), objects.end(), [](auto& o) { return o->signalled; })) return WAIT_TIMEOUT;
        for (auto& o : objects) tryAcquire(*o);
        return WAIT_OBJECT_0;
    }
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (tryAcquire(*objects[i])) return WAIT_OBJECT_0 + DWORD(i);
    return WAIT_TIMEOUT;
}

}  // namespace platform

using namespace platform;

namespace {

struct ThreadStart {
    std::shared_ptr<KernelObject> object;
    LPTHREAD_START_ROUTINE start;
    LPVOID parameter;
    DWORD id;
};

void runThread(ThreadStart st) {
    adoptThreadId(st.id);
    DWORD code = st.start(st.parameter);
    endThreadQueue();
    LayerState& s = state();
    Lock lk(s.lock);
    st.object->exitCode = code;
}

// A thread's handle is signalled once the thread has ended for good, as on Windows: after
// its thread-specific data is gone too. Libraries (the GL driver among them) run destructors
// for their per-thread data at that point, so a waiter that went on to delete the GL context
// while they still ran would pull the ground from under them.
void signalWhenEnded(std::thread worker, std::shared_ptr<KernelObject> object) {
    worker.join();
    LayerState& s = state();
    Lock lk(s.lock);
    signalObject(s, *object);
}

std::recursive_mutex& lockOf(LPCRITICAL_SECTION cs) {
    static_assert(sizeof(std::recursive_mutex) <= sizeof(CRITICAL_SECTION));
    static_assert(alignof(std::recursive_mutex) <= alignof(CRITICAL_SECTION));
    return *std::launder(reinterpret_cast<std::recursive_mutex*>(cs->opaque));
}

HANDLE addObject(LayerState& s, std::shared_ptr<KernelObject> o) {
    HANDLE h = s.newHandle();
    s.objects[h] = std::move(o);
    return h;
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
    auto o = std::make_shared<KernelObject>();
    o->kind = KernelObject::Thread;
    o->manualReset = true;
    DWORD id = reserveThreadId();
    HANDLE h = addObject(s, o);
    std::thread(signalWhenEnded, std::thread(runThread, ThreadStart{o, start, parameter, id}), o).detach();
    if (threadId) *threadId = id;
    return h;
}

BOOL WINAPI GetExitCodeThread(HANDLE thread, LPDWORD exitCode) {
    LayerState& s = state();
    Lock lk(s.lock);
    auto o = objectOf(s, thread);
    if (!o || o->kind != KernelObject::Thread || !exitCode) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *exitCode = o->exitCode;
    return TRUE;
}

HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState, LPCWSTR name) {
    if (name) failUnimplemented("CreateEventW with a name");
    LayerState& s = state();
    Lock lk(s.lock);
    auto o = std::make_shared<KernelObject>();
    o->kind = KernelObject::Event;
    o->manualReset = manualReset;
    o->signalled = initialState;
    return addObject(s, o);
}

BOOL WINAPI SetEvent(HANDLE event) {
    LayerState& s = state();
    Lock lk(s.lock);
    auto o = objectOf(s, event);
    if (!o || o->kind != KernelObject::Event) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    signalObject(s, *o);
    return TRUE;
}

BOOL WINAPI ResetEvent(HANDLE event) {
    LayerState& s = state();
    Lock lk(s.lock);
    auto o = objectOf(s, event);
    if (!o || o->kind != KernelObject::Event) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    o->signalled = false;
    return TRUE;
}

DWORD WINAPI WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD ms) {
    if (count == 0 || !handles) {
        setError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    LayerState& s = state();
    Lock lk(s.lock);
    std::vector<std::shared_ptr<KernelObject>> objects;
    if (!objectsOf(s, count, handles, objects)) return WAIT_FAILED;
    auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (const DWORD taken = takeSignalled(objects, waitAll); taken != WAIT_TIMEOUT) return taken;
        if (ms == INFINITE) {
            s.objectsChanged.wait(lk);
        } else {
            if (Clock::now() >= deadline) return WAIT_TIMEOUT;
            s.objectsChanged.wait_until(lk, deadline);
        }
    }
}

DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD ms) { return WaitForMultipleObjects(1, &handle, FALSE, ms); }

BOOL WINAPI CloseHandle(HANDLE handle) {
    LayerState& s = state();
    Lock lk(s.lock);
    if (!s.objects.erase(handle)) {
        setError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION cs) { new (cs->opaque) std::recursive_mutex; }
void WINAPI EnterCriticalSection(LPCRITICAL_SECTION cs) { lockOf(cs).lock(); }
BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION cs) { return lockOf(cs).try_lock() ? TRUE : FALSE; }
void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION cs) { lockOf(cs).unlock(); }
void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION cs) { lockOf(cs).~recursive_mutex(); }

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
    ++periods[period];
    return TIMERR_NOERROR;
}

MMRESULT WINAPI timeEndPeriod(UINT period) {
    LayerState& s = state();
    Lock lk(s.lock);
    auto it = periods.find(period);
    if (it == periods.end()) return TIMERR_NOCANDO;
    if (--it->second == 0) periods.erase(it);
    return TIMERR_NOERROR;
}

}  // extern "C"
