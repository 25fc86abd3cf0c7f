// SDL side of the layer: waking a thread that waits in SDL, and SDL's events turned into
// window messages (the video thread's).

#include "platform/Events.h"

#include <SDL.h>

#include <vector>

#include "platform/DesktopWindow.h"
#include "platform/Keys.h"
#include "platform/Video.h"

namespace platform {

namespace {

// Makes a thread blocked in SDL_WaitEventTimeout return.
void pushSdlWake() {
    SDL_Event e{};
    e.type = sdlWakeEvent();
    SDL_PushEvent(&e);
}

}  // namespace

void wake(ThreadQueue& queue) {
    queue.cv.notify_all();
    if (queue.sdlWaiting) pushSdlWake();
}

void waitSdlEvent(Lock& lk, ThreadQueue& queue, int timeoutMs) {
    queue.sdlWaiting = true;
    lk.unlock();
    SDL_WaitEventTimeout(nullptr, timeoutMs < 0 ? -1 : timeoutMs);
    lk.lock();
    queue.sdlWaiting = false;
}

void pumpSdlEvents(Lock& lk) {
    LayerState& s = state();
    std::vector<SDL_Event> events;
    {
        std::lock_guard<std::recursive_mutex> v(videoLock());
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            // The message of a system event lives only until the next poll.
            if (e.type == SDL_SYSWMEVENT)
                noticeWindowEvent(*e.syswm.msg);
            else
                events.push_back(e);
        }
    }
    auto windowOf = [&](Uint32 id) -> Window* {
        HWND hwnd = handleOfSdlWindow(id);
        return hwnd ? s.find(hwnd) : nullptr;
    };
    for (const SDL_Event& e : events) {
        if (e.type == SDL_WINDOWEVENT) {
            Window* w = windowOf(e.window.windowID);
            if (!w) continue;
            HWND hwnd = w->handle;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE: postLocked(*w->queue, hwnd, WM_CLOSE, 0, 0, true); break;
                case SDL_WINDOWEVENT_EXPOSED:
                    // Nothing can uncover an offscreen window; a repaint there would only add
                    // a picture nobody asked for.
                    if (!videoHeadless()) invalidateLocked(s, *w, nullptr, true);
                    break;
                case SDL_WINDOWEVENT_SIZE_CHANGED: {
                    int cw = e.window.data1, ch = e.window.data2;
                    if (cw == clientWidth(*w) && ch == clientHeight(*w)) break;
                    w->rect.right = w->rect.left + w->frame.left + cw + w->frame.right;
                    w->rect.bottom = w->rect.top + w->frame.top + ch + w->frame.bottom;
                    invalidateLocked(s, *w, nullptr, true);
                    sendLocked(lk, hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cw, ch));
                    break;
                }
                case SDL_WINDOWEVENT_MOVED: {
                    POINT o = clientOrigin(s, *w);
                    if (videoHeadless() || (o.x == e.window.data1 && o.y == e.window.data2)) break;
                    int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
                    w->rect.left = e.window.data1 - w->frame.left;
                    w->rect.top = e.window.data2 - w->frame.top;
                    w->rect.right = w->rect.left + width;
                    w->rect.bottom = w->rect.top + height;
                    sendLocked(lk, hwnd, WM_MOVE, 0, MAKELPARAM(WORD(SHORT(e.window.data1)), WORD(SHORT(e.window.data2))));
                    break;
                }
                default: break;
            }
        } else if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
            Window* w = windowOf(e.key.windowID);
            UINT vk = virtualKeyFromSdl(e.key.keysym.sym);
            if (!w || !vk) continue;
            bool down = e.type == SDL_KEYDOWN;
            bool wasDown = s.keyDown[vk];
            s.keyDown[vk] = down;
            postLocked(*w->queue, w->handle, down ? WM_KEYDOWN : WM_KEYUP, vk, keyLParam(vk, down, wasDown), true);
        } else if (e.type == SDL_MOUSEMOTION) {
            Window* w = windowOf(e.motion.windowID);
            if (!w) continue;
            POINT o = clientOrigin(s, *w);
            s.cursor = POINT{o.x + e.motion.x, o.y + e.motion.y};
            postLocked(*w->queue, w->handle, WM_MOUSEMOVE, 0,
                       MAKELPARAM(WORD(SHORT(e.motion.x)), WORD(SHORT(e.motion.y))), true);
        } else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
            Window* w = windowOf(e.button.windowID);
            if (!w) continue;
            bool down = e.type == SDL_MOUSEBUTTONDOWN;
            UINT message = 0;
            if (e.button.button == SDL_BUTTON_LEFT) message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
            if (e.button.button == SDL_BUTTON_RIGHT) message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
            if (e.button.button == SDL_BUTTON_MIDDLE) message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
            if (message)
                postLocked(*w->queue, w->handle, message, 0,
                           MAKELPARAM(WORD(SHORT(e.button.x)), WORD(SHORT(e.button.y))), true);
        }
    }
}

}  // namespace platform
