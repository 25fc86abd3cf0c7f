#pragma once
// How the program meets the desktop it runs on, beyond what Win32 says: where its window goes
// (a window of its own, the whole screen, or a window someone else made), where its program
// file lies, and the termination signals that close it. Not part of Win32: the entry point
// calls it before the first window is created; the window code itself never does.
//
// Implemented by the layer (X11 or Wayland through SDL) and by the Windows build, which has
// no foreign windows: there drawInto and drawIntoRoot answer that they are not supported.

#include <cstdint>
#include <string>

namespace Desktop {

// The first top-level window that gets a pixel format covers the whole screen; its client
// size follows the screen as a resize would.
void fullscreen();

// The first top-level window that gets a pixel format draws into the existing X window `id`
// instead of opening one, following its size. That window belongs to someone else: it is
// never destroyed, moved, resized, retitled, shown or hidden; when its owner destroys it, the
// program closes as its own window's close would. Empty on success, else why not.
std::string drawInto(uint64_t id);

// As drawInto, with the root window of the default screen.
std::string drawIntoRoot();

// SIGTERM, SIGINT and SIGHUP (on Windows: Ctrl-C, Ctrl-Break and closing the console) post
// WM_CLOSE to the most recently created top-level window, as its close button would; a signal
// that comes before any window exists closes the first one as soon as it is created. A signal
// ignored when the program started (nohup, a background job) stays ignored.
void closeOnSignals();

// The folder holding the running program file, ending in a separator; empty if unknown.
std::string programFolder();

}  // namespace Desktop
