#pragma once
// SDL side of the layer: SDL's events turned into window messages, and the waits of the
// video thread in SDL (Events.cpp). Every SDL call is made under videoLock() (Video.h).

#include "platform/LayerState.h"

namespace platform {

// On the video thread with a display: turns pending SDL events into messages. Lock held.
void pumpSdlEvents(Lock& lk);

// On the video thread with a display: waits for an SDL event (or a wake) up to timeoutMs
// (-1: no limit). Lock held on entry and exit, released while waiting.
void waitSdlEvent(Lock& lk, ThreadQueue& queue, int timeoutMs);

}  // namespace platform
