#pragma once
// Where the layer puts the SDL window of the first GL window: a window of its own, the whole
// screen, or a foreign X window (see Desktop.h), and what becomes of the program when that
// window or the X display goes away. Used by the layer under the video lock, unless said.

#include <SDL.h>

struct SDL_SysWMmsg;

namespace platform {

// The SDL window of the first GL window when the program asked for the whole screen, or for
// a foreign window (then `foreign` is set); null otherwise, or when that window is made
// already, or SDL refused the screen: the caller then makes an ordinary one. A foreign window
// that exists but cannot be taken ends the process with exit code 1; one gone since it was
// checked gives a hidden window (marked foreign: never shown) and closes the program.
SDL_Window* takeDesktopTarget(const char* title, Uint32 flags, bool& foreign);

// Where GL draws for an SDL window: itself, or a hidden stand-in once it is the foreign window
// and that is gone, so that the frames until the close have a drawable.
SDL_Window* drawableOf(SDL_Window* window);

// The window to create a GL context with: as drawableOf, with the foreign window checked
// first (SDL reads its attributes without looking whether they came).
SDL_Window* contextWindowOf(SDL_Window* window);

// The foreign window cannot be drawn into any more (destroyed, or a make-current on it
// failed): says so once and closes the program as a termination signal does. Any thread.
void loseForeignWindow();

// Turns the foreign window's DestroyNotify into loseForeignWindow. Video lock held.
void noticeWindowEvent(const SDL_SysWMmsg& message);

// From now on, the loss of an X display connection ends the process at once, with exit code 1.
void watchDisplayConnection();

// Posts WM_CLOSE to the most recent top-level window from any thread, even inside an X error
// handler (SignalClose.cpp).
void requestClose();

// An SDL window whose size is not the client size it was made for (the screen's, or a foreign
// window's) reports its size as a resize, so the window gets WM_SIZE like any other.
void announceSize(SDL_Window* window, int clientWidth, int clientHeight);

}  // namespace platform
