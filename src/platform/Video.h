#pragma once
// SDL side of the layer: video start-up (desktop driver or, without a display, the offscreen
// driver with EGL), SDL windows behind top-level windows, and input events turned into window
// messages (Video.cpp); WGL and presentation are in Wgl.cpp. Every SDL call of the layer is
// made under videoLock().

#include <mutex>

#include "platform/LayerState.h"

namespace platform {

std::recursive_mutex& videoLock();

// Starts SDL video once; false (with a line on standard error) if no driver works.
bool ensureVideo();
bool videoHeadless();
bool isVideoThread();

// Uses the offscreen driver even where a display exists, if video has not started yet;
// returns whether video is or will be headless.
bool requestHeadless();

// The GL attributes of the one pixel format, set before SDL makes a GL window or context.
void setGlAttributes();

// Creates the SDL window of a top-level window (at its client size). Lock held.
bool ensureSurface(Window& w);

// Follows a window's client size, title or visibility with its SDL window. Lock held.
void syncSurface(Window& w);

// Makes a thread blocked in SDL_WaitEventTimeout return.
void pushSdlWake();

// On the video thread with a display: turns pending SDL events into messages. Lock held.
void pumpSdlEvents(Lock& lk);

// On the video thread with a display: waits for an SDL event (or a wake) up to timeoutMs
// (-1: no limit). Lock held on entry and exit, released while waiting.
void waitSdlEvent(Lock& lk, ThreadQueue& queue, int timeoutMs);

// Whether this thread must wait in SDL rather than on its condition variable.
bool waitsInSdl();

// GL contexts created and not yet deleted (Wgl.cpp). Lock held.
size_t liveGlContexts();

}  // namespace platform
