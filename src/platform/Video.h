#pragma once
// SDL side of the layer: video start-up (desktop driver or, without a display, the offscreen
// driver with EGL) and the SDL windows behind top-level windows (Video.cpp); input events and
// waits in SDL are in Events.h, WGL and presentation in Wgl.cpp. Every SDL call of the layer
// is made under videoLock().

#include <cstdint>
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

// The top-level window behind an SDL window id, or null. Lock held.
HWND handleOfSdlWindow(uint32_t sdlWindowId);

// The SDL event type that wakes a thread waiting in SDL (registered at start-up).
uint32_t sdlWakeEvent();

// Whether this thread must wait in SDL rather than on its condition variable.
bool waitsInSdl();

// GL contexts created and not yet deleted (Wgl.cpp). Lock held.
size_t liveGlContexts();

}  // namespace platform
