#include "platform/LayerState.h"

#include <algorithm>
#include <atomic>

namespace platform {

LayerState& state() {
    static LayerState* s = new LayerState;
    return *s;
}

namespace {

std::atomic<DWORD> nextThreadId{1000};
thread_local DWORD threadIdOfThis = 0;
thread_local DWORD lastError = 0;

// Re-takes the lock when a window procedure returns or throws.
struct Unlocked {
    Lock& lk;
    explicit Unlocked(Lock& l) : lk(l) { lk.unlock(); }
    ~Unlocked() { lk.lock(); }
};

// Tears down the queue of an exiting thread: its windows vanish without messages (there is no
// thread left to run them) and whoever waits on a send to it is released with 0.
struct QueueHolder {
    ThreadQueue* queue = nullptr;
    ~QueueHolder() { release(); }
    void release() {
        if (!queue) return;
        LayerState& s = state();
        Lock lk(s.lock);
        for (auto& sm : queue->incoming) completeSent(*sm, 0);
        queue->incoming.clear();
        const std::vector<HWND> windows = queue->windows;
        for (HWND hwnd : windows) forgetWindow(lk, hwnd);
        s.queues.erase(queue->threadId);
        delete queue;
        queue = nullptr;
    }
};
thread_local QueueHolder queueHolder;

}  // namespace

void completeSent(SentMessage& sm, LRESULT result) {
    sm.result = result;
    sm.done = true;
    sm.sender->cv.notify_all();
}

DWORD currentThreadId() {
    if (threadIdOfThis == 0) threadIdOfThis = nextThreadId++;
    return threadIdOfThis;
}

ThreadQueue& currentQueue() {
    if (!queueHolder.queue) {
        auto* q = new ThreadQueue;
        q->threadId = currentThreadId();
        state().queues[q->threadId] = q;
        queueHolder.queue = q;
    }
    return *queueHolder.queue;
}

void setError(DWORD code) { lastError = code; }

LRESULT callProc(Lock& lk, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = state().find(hwnd);
    if (!w || !w->proc) return 0;
    WNDPROC proc = w->proc;
    Unlocked unlocked(lk);
    return proc(hwnd, message, wParam, lParam);
}

bool runOneSent(Lock& lk, ThreadQueue& queue) {
    if (queue.incoming.empty()) return false;
    std::shared_ptr<SentMessage> sm = queue.incoming.front();
    queue.incoming.pop_front();
    LRESULT result = 0;
    try {
        switch (sm->kind) {
            case SentMessage::Call: result = callProc(lk, sm->hwnd, sm->message, sm->wParam, sm->lParam); break;
            case SentMessage::UpdateNow: updateNow(lk, sm->hwnd); result = TRUE; break;
            case SentMessage::Destroy: result = destroyLocked(lk, sm->hwnd); break;
        }
    } catch (...) {
        completeSent(*sm, 0);
        throw;
    }
    completeSent(*sm, result);
    return true;
}

LRESULT sendAcross(Lock& lk, ThreadQueue& target, SentMessage::Kind kind, HWND hwnd, UINT message,
                   WPARAM wParam, LPARAM lParam) {
    ThreadQueue& me = currentQueue();
    auto sm = std::make_shared<SentMessage>();
    sm->kind = kind;
    sm->hwnd = hwnd;
    sm->message = message;
    sm->wParam = wParam;
    sm->lParam = lParam;
    sm->sender = &me;
    target.incoming.push_back(sm);
    wake(target);
    while (!sm->done) {
        if (runOneSent(lk, me)) continue;
        me.cv.wait(lk);
    }
    return sm->result;
}

LRESULT sendLocked(Lock& lk, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findOrFail(state(), hwnd);
    if (!w) return 0;
    if (w->threadId == currentThreadId()) return callProc(lk, hwnd, message, wParam, lParam);
    return sendAcross(lk, *w->queue, SentMessage::Call, hwnd, message, wParam, lParam);
}

void postLocked(ThreadQueue& queue, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool input) {
    MSG m{};
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.pt = state().cursor;
    if (input) {
        queue.input.push_back(m);
        ++queue.inputSeq;
    } else {
        queue.posted.push_back(m);
        ++queue.postSeq;
    }
    wake(queue);
}

int clientWidth(const Window& w) {
    return std::max<LONG>(0, w.rect.right - w.rect.left - w.frame.left - w.frame.right);
}
int clientHeight(const Window& w) {
    return std::max<LONG>(0, w.rect.bottom - w.rect.top - w.frame.top - w.frame.bottom);
}

POINT clientOrigin(LayerState& s, const Window& w) {
    POINT p{w.rect.left + w.frame.left, w.rect.top + w.frame.top};
    if (const Window* parent = (w.style & WS_CHILD) ? s.find(w.parent) : nullptr) {
        POINT o = clientOrigin(s, *parent);
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

void endThreadQueue() { queueHolder.release(); }

// The thread id a new thread takes before it runs anything (see CreateThread).
void adoptThreadId(DWORD id) { threadIdOfThis = id; }
DWORD reserveThreadId() { return nextThreadId++; }

}  // namespace platform

using namespace platform;

extern "C" {
DWORD WINAPI GetLastError(void) { return lastError; }
}

// Mesa's software rasterizer (llvmpipe) synchronises its worker threads in code built without
// ThreadSanitizer, which then reports races inside it that are not there. Kept in this file
// because every program using the layer links it.
extern "C" const char* __tsan_default_suppressions() {
    return "race:swrast_dri.so\n"
           "race:libgallium\n"
           "race:libglapi.so\n"
           "race:libEGL_mesa.so\n";
}

// SDL keeps its video state (and the GL driver's objects hanging off it) until the process
// ends; the layer never shuts video down because windows may live that long.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libSDL2\n"
           "leak:swrast_dri.so\n"
           "leak:libEGL_mesa.so\n";
}
