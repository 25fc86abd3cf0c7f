#pragma once
// Where the layer puts the SDL window of the first GL window: a window of its own, the whole
// screen, or a foreign X window (see Desktop.h). Used by ensureSurface, under the video lock.

#include <SDL.h>

namespace platform {

// The SDL window of the first GL window when the program asked for the whole screen, or for
// a foreign window (then `foreign` is set); null otherwise, or when that window is made
// already, or SDL refused it: the caller then makes an ordinary one.
SDL_Window* takeDesktopTarget(const char* title, Uint32 flags, bool& foreign);

// An SDL window whose size is not the client size it was made for (the screen's, or a foreign
// window's) reports its size as a resize, so the window gets WM_SIZE like any other.
void announceSize(SDL_Window* window, int clientWidth, int clientHeight);

}  // namespace platform
