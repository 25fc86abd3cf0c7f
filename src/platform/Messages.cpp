// Message queues: retrieval in Win32 order (sent messages run inside the call, then posted,
// then input, then WM_QUIT once those are empty, then WM_PAINT), posting, sending, and
// waiting without using the CPU.

#include <windows.h>

#include <algorithm>
#include <chrono>

#include "platform/HarnessHooks.h"
#include "platform/LayerState.h"
#include "platform/Events.h"
#include "platform/Video.h"

using namespace platform;
using Clock = std::chrono::steady_clock;

namespace {

const HWND threadMessagesOnly = reinterpret_cast<HWND>(-1);

bool inRange(UINT message, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (message >= lo && message <= hi); }

bool matches(LayerState& s, HWND hwnd, UINT message, HWND filter, UINT lo, UINT hi) {
    if (!inRange(message, lo, hi)) return false;
    if (!filter) return true;
    if (filter == threadMessagesOnly) return hwnd == nullptr;
    return hwnd == filter || isDescendant(s, filter, hwnd);
}

bool takeFrom(LayerState& s, std::deque<MSG>& queue, MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!matches(s, it->hwnd, it->message, filter, lo, hi)) continue;
        *out = *it;
        if (remove) queue.erase(it);
        return true;
    }
    return false;
}

bool anyPaint(LayerState& s, ThreadQueue& q, HWND filter, UINT lo, UINT hi, HWND* which) {
    for (HWND hwnd : q.windows) {
        Window* w = s.find(hwnd);
        if (w && w->needsPaint && visibleTree(s, *w) && matches(s, hwnd, WM_PAINT, filter, lo, hi)) {
            if (which) *which = hwnd;
            return true;
        }
    }
    return false;
}

int msUntil(Clock::time_point due) {
    auto ms = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now()).count();
    return int(std::clamp<long long>(ms, 0, 0x7fffffff));
}

// One retrieval pass.
bool peekLocked(Lock& lk, ThreadQueue& q, MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
    LayerState& s = state();
    while (runOneSent(lk, q)) {
    }
    if (isVideoThread()) pumpSdlEvents(lk);
    while (runOneSent(lk, q)) {
    }
    q.seenPostSeq = q.postSeq;
    q.seenInputSeq = q.inputSeq;
    if (takeFrom(s, q.posted, out, filter, lo, hi, remove)) return true;
    if (takeFrom(s, q.input, out, filter, lo, hi, remove)) return true;
    if (q.quit) {
        *out = MSG{};
        out->message = WM_QUIT;
        out->wParam = WPARAM(q.quitCode);
        out->time = timeNow();
        if (remove) q.quit = false;
        return true;
    }
    HWND paint = nullptr;
    if (anyPaint(s, q, filter, lo, hi, &paint)) {
        *out = MSG{};
        out->hwnd = paint;
        out->message = WM_PAINT;
        out->time = timeNow();
        out->pt = s.cursor;
        return true;
    }
    return false;
}

void waitLocked(Lock& lk, ThreadQueue& q, int waitMs) {
    if (waitsInSdl()) {
        waitSdlEvent(lk, q, waitMs);
    } else if (waitMs < 0) {
        q.cv.wait(lk);
    } else {
        q.cv.wait_for(lk, std::chrono::milliseconds(waitMs));
    }
}

// The filter window must exist and belong to the calling thread.
bool badFilter(LayerState& s, HWND filter) {
    if (!filter || filter == threadMessagesOnly) return false;
    Window* w = s.find(filter);
    if (!w || w->threadId != currentThreadId()) {
        setError(ERROR_INVALID_WINDOW_HANDLE);
        return true;
    }
    return false;
}

// What MsgWaitForMultipleObjects counts as input available for the wake mask.
bool queueReady(LayerState& s, ThreadQueue& q, DWORD mask) {
    if ((mask & QS_SENDMESSAGE) && !q.incoming.empty()) return true;
    if ((mask & (QS_POSTMESSAGE | QS_ALLPOSTMESSAGE)) && (q.postSeq != q.seenPostSeq || q.quit)) return true;
    if ((mask & QS_INPUT) && q.inputSeq != q.seenInputSeq) return true;
    if ((mask & QS_PAINT) && anyPaint(s, q, nullptr, 0, 0, nullptr)) return true;
    return false;
}

}  // namespace

extern "C" {

BOOL WINAPI GetMessageW(LPMSG msg, HWND filter, UINT lo, UINT hi) {
    if (!msg) {
        setError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    LayerState& s = state();
    Lock lk(s.lock);
    ThreadQueue& q = currentQueue();
    if (badFilter(s, filter)) return -1;
    for (;;) {
        if (peekLocked(lk, q, msg, filter, lo, hi, true)) return msg->message != WM_QUIT;
        waitLocked(lk, q, -1);
    }
}

BOOL WINAPI PeekMessageW(LPMSG msg, HWND filter, UINT lo, UINT hi, UINT removeFlags) {
    LayerState& s = state();
    Lock lk(s.lock);
    ThreadQueue& q = currentQueue();
    if (badFilter(s, filter)) return FALSE;
    MSG found;
    if (!peekLocked(lk, q, &found, filter, lo, hi, removeFlags & PM_REMOVE)) return FALSE;
    if (msg) *msg = found;
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP && msg->message != WM_SYSKEYDOWN &&
                 msg->message != WM_SYSKEYUP))
        return FALSE;
    if (msg->message != WM_KEYDOWN) return TRUE;
    WPARAM vk = msg->wParam;
    WPARAM ch = 0;
    if (vk >= 'A' && vk <= 'Z') ch = vk - 'A' + 'a';  // no shift state is kept: lower case
    else if ((vk >= '0' && vk <= '9') || vk == VK_SPACE || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_BACK ||
             vk == VK_TAB)
        ch = vk;
    if (!ch) return TRUE;
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = s.find(msg->hwnd);
    if (!w) return TRUE;
    // The character comes next, before anything else in the queue.
    MSG m = *msg;
    m.message = WM_CHAR;
    m.wParam = ch;
    w->queue->posted.push_front(m);
    ++w->queue->postSeq;
    wake(*w->queue);
    return TRUE;
}

LRESULT WINAPI DispatchMessageW(const MSG* msg) {
    if (!msg) {
        setError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!msg->hwnd) return 0;
    LayerState& s = state();
    Lock lk(s.lock);
    Window* w = s.find(msg->hwnd);
    if (!w) {
        setError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (w->threadId != currentThreadId()) {
        setError(ERROR_ACCESS_DENIED);
        return 0;
    }
    return callProc(lk, msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LayerState& s = state();
    Lock lk(s.lock);
    if (!hwnd) {
        postLocked(currentQueue(), nullptr, message, wParam, lParam, false);
        return TRUE;
    }
    Window* w = s.find(hwnd);
    if (!w) {
        setError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    postLocked(*w->queue, hwnd, message, wParam, lParam, false);
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    LayerState& s = state();
    Lock lk(s.lock);
    ThreadQueue& q = currentQueue();
    q.quit = true;
    q.quitCode = exitCode;
    wake(q);
}

LRESULT WINAPI SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LayerState& s = state();
    Lock lk(s.lock);
    currentQueue();
    return sendLocked(lk, hwnd, message, wParam, lParam);
}

DWORD WINAPI MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD ms, DWORD mask) {
    if (count > 0 && !handles) {
        setError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    LayerState& s = state();
    Lock lk(s.lock);
    ThreadQueue& q = currentQueue();
    std::vector<std::shared_ptr<ThreadObject>> objects;
    if (!objectsOf(s, count, handles, objects)) return WAIT_FAILED;
    auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (const DWORD taken = takeSignalled(objects, waitAll); taken != WAIT_TIMEOUT) return taken;
        if (isVideoThread()) pumpSdlEvents(lk);
        if (queueReady(s, q, mask)) return WAIT_OBJECT_0 + count;
        int waitMs = -1;
        if (ms != INFINITE) {
            if (Clock::now() >= deadline) return WAIT_TIMEOUT;
            waitMs = msUntil(deadline);
        }
        waitLocked(lk, q, waitMs);
    }
}

}  // extern "C"
