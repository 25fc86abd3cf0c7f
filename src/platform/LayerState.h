#pragma once
// Shared state of the Win32 layer: windows, classes, per-thread message queues, kernel objects.
//
// Locking: one process-wide mutex (LayerState::lock) guards everything here. Window procedures,
// hooks and SDL event waits run with it released, so code never keeps a Window* across a call
// out: it looks the handle up again afterwards (the window may be gone by then).
// Handles are never reused, so a stale handle simply finds nothing.

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

struct SDL_Window;

namespace platform {

struct ThreadQueue;

struct WindowClass {
    std::u16string name;  // as registered
    WNDCLASSEXW info{};   // lpszClassName and lpszMenuName point nowhere after registration
    ATOM atom = 0;
    bool system = false;  // a common control class: never unregistered, any module
};

// The SDL window behind a top-level window's DC; shared with the GL contexts made on it, so it
// outlives the HWND while a context still uses it.
struct Surface {
    SDL_Window* window = nullptr;
    bool foreign = false;  // made from someone else's X window (Desktop::drawInto)
    ~Surface();
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    std::u16string text;
    HWND parent = nullptr;  // for WS_CHILD windows
    HWND owner = nullptr;   // for top-level windows created with a parent
    std::vector<HWND> children;
    DWORD style = 0;
    DWORD exStyle = 0;
    HMENU menu = nullptr;   // the control identifier of a child window
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    std::vector<unsigned char> extra;  // cbWndExtra bytes
    RECT rect{};            // window rectangle: screen for top-level, parent client for child
    RECT frame{};           // non-client widths: left, top (border + caption), right, bottom
    ThreadQueue* queue = nullptr;
    DWORD threadId = 0;
    bool visible = false;
    bool sizeMoveSent = false;  // WM_SIZE/WM_MOVE of the first showing done
    bool needsPaint = false;
    bool erase = false;
    RECT update{};          // update rectangle, client coordinates
    bool destroying = false;
    HDC dc = nullptr;
    int pixelFormat = 0;
    std::shared_ptr<Surface> surface;
    std::shared_ptr<void> control;  // state of a common control
};

// A message sent from one thread to a window of another (or a paint/destroy request).
struct SentMessage {
    enum Kind { Call, UpdateNow, Destroy };
    Kind kind = Call;
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    bool done = false;
    ThreadQueue* sender = nullptr;
};

struct ThreadQueue {
    DWORD threadId = 0;
    std::deque<MSG> posted;
    std::deque<MSG> input;
    std::deque<std::shared_ptr<SentMessage>> incoming;
    std::vector<HWND> windows;  // owned windows, in creation order
    bool quit = false;
    int quitCode = 0;
    uint64_t postSeq = 0, seenPostSeq = 0;    // "new" posted messages for MsgWaitForMultipleObjects
    uint64_t inputSeq = 0, seenInputSeq = 0;
    bool sdlWaiting = false;  // blocked in SDL_WaitEventTimeout: wake with an SDL event
    std::condition_variable cv;
};

// The waitable object behind a thread handle: signalled once the thread has ended.
struct ThreadObject {
    bool ended = false;
};

struct LayerState {
    std::mutex lock;
    std::unordered_map<HWND, std::unique_ptr<Window>> windows;
    std::unordered_map<std::u16string, std::shared_ptr<WindowClass>> classes;  // key: lower case
    std::unordered_map<DWORD, ThreadQueue*> queues;
    std::unordered_map<HANDLE, std::shared_ptr<ThreadObject>> objects;
    std::unordered_map<HDC, HWND> dcs;
    int dcsTaken = 0;                 // GetDC calls not yet matched by ReleaseDC
    std::map<UINT, int> periods;      // timeBeginPeriod counts not yet ended
    uintptr_t nextHandle = 0x10000;
    ATOM nextAtom = 0xC000;
    HWND lastTopLevel = nullptr;  // most recently created top-level window
    POINT cursor{};
    bool keyDown[256] = {};

    void* newHandle() {
        nextHandle += 4;
        return reinterpret_cast<void*>(nextHandle);
    }
    Window* find(HWND hwnd) {
        auto it = windows.find(hwnd);
        return it == windows.end() ? nullptr : it->second.get();
    }
};

using Lock = std::unique_lock<std::mutex>;

// The process-wide state; created on first use and never destroyed (threads may still run
// while the process exits).
LayerState& state();

// The calling thread's queue, created on first use. Call with the lock held.
ThreadQueue& currentQueue();
DWORD currentThreadId();

// Wakes a thread blocked in GetMessageW/SendMessageW/MsgWait (Events.cpp: the video thread
// may wait in SDL). Lock held.
void wake(ThreadQueue& queue);

// Hands a sent message's result to its sender and wakes it. Lock held.
void completeSent(SentMessage& sm, LRESULT result);

// Runs the oldest message sent to this thread; returns false if there was none. Lock held on
// entry and exit, released while the window procedure runs.
bool runOneSent(Lock& lk, ThreadQueue& queue);

// Sends from this thread to a window of another thread and waits, running messages sent to
// this thread meanwhile. Lock held.
LRESULT sendAcross(Lock& lk, ThreadQueue& target, SentMessage::Kind kind, HWND hwnd, UINT message,
                   WPARAM wParam, LPARAM lParam);

// Calls a window's procedure on this (the owning) thread. Lock held; released during the call.
LRESULT callProc(Lock& lk, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// SendMessageW with the lock held.
LRESULT sendLocked(Lock& lk, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Posts to a window's (or, for a null window, this thread's) queue. Lock held.
void postLocked(ThreadQueue& queue, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool input);

// Paints hwnd now if it needs painting: directly on the owning thread, else through its owner.
void updateNow(Lock& lk, HWND hwnd);

// Destroys a window owned by this thread (WM_DESTROY, children, WM_NCDESTROY). Lock held.
BOOL destroyLocked(Lock& lk, HWND hwnd);

// Client origin of a window in screen coordinates. Lock held.
POINT clientOrigin(LayerState& s, const Window& w);
int clientWidth(const Window& w);
int clientHeight(const Window& w);

// Thread ids: CreateThread reserves one for the new thread, which adopts it before it runs.
DWORD reserveThreadId();

// Tears down the calling thread's queue now (its windows vanish, senders waiting on it get 0),
// as a thread's end does; CreateThread's threads do it before their handle is signalled.
void endThreadQueue();
void adoptThreadId(DWORD id);

// Removes a window's record after WM_NCDESTROY (or a failed creation). Lock held.
void forgetWindow(Lock& lk, HWND hwnd);

// The window, or null with ERROR_INVALID_WINDOW_HANDLE as the last error. Lock held.
Window* findOrFail(LayerState& s, HWND hwnd);

// How a call on one window begins: the state, its lock taken, and the window (findOrFail's
// result). WithQueue::yes first makes the calling thread's queue, for calls that send messages.
//     auto [s, lk, w] = lockWindow(hwnd);
//     if (!w) return FALSE;
struct WindowCall {
    LayerState& s;
    Lock lk;
    Window* w;
};
enum class WithQueue : bool { no, yes };
WindowCall lockWindow(HWND hwnd, WithQueue queue = WithQueue::no);

// Copies text into a caller's buffer of size characters, cut to fit and terminated; returns
// the characters copied (0 for no buffer).
int copyText(const std::u16string& text, LPWSTR buffer, int size);

// Non-client widths of the frame model for a window style: left, top, right, bottom.
RECT frameFor(DWORD style);

// Marks (part of) a window's client area for painting; null rect: all of it. Lock held.
void invalidateLocked(LayerState& s, Window& w, const RECT* rect, bool erase);

// hwnd is a child, grandchild... of ancestor.
bool isDescendant(LayerState& s, HWND ancestor, HWND hwnd);

// Visible itself and all its ancestors.
bool visibleTree(LayerState& s, const Window& w);

// Registers the common control classes once. Lock held.
void registerControlClasses(LayerState& s);

// The window's DC handle, made on first use. Lock held.
HDC dcOf(LayerState& s, Window& w);

// Sets the thread's last-error code.
void setError(DWORD code);

// Thread handles (Kernel.cpp), with the layer's lock held. objectsOf resolves handles, or
// fails with ERROR_INVALID_HANDLE; takeSignalled says what a wait may return now: the first
// ended thread, or (waitAll) WAIT_OBJECT_0 once all have ended, else WAIT_TIMEOUT.
bool objectsOf(LayerState& s, DWORD count, const HANDLE* handles, std::vector<std::shared_ptr<ThreadObject>>& objects);
DWORD takeSignalled(const std::vector<std::shared_ptr<ThreadObject>>& objects, bool waitAll);

}  // namespace platform
