#pragma once
// How the program meets the desktop it runs on, beyond what Win32 says: its arguments, where
// its window goes (a window of its own, the whole screen, or a window someone else made) and
// how large it is made for the display, where its program file lies, the termination signals
// that close it, and where its messages are shown. Not part of Win32: the entry point calls it
// before the first window is created; the window code itself never does.
//
// Implemented by the layer (X11 or Wayland through SDL) and by the Windows build, which has
// no foreign windows: there drawInto and drawIntoRoot answer that they are not supported.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

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

// The folder holding the running program file; empty if unknown. On Windows made from the
// UTF-16 file name, never through the ANSI code page.
std::filesystem::path programFolder();

// The program's arguments after its name, in UTF-8. Windows reads them from its UTF-16
// command line (its argv is in the ANSI code page); elsewhere they are argv's.
std::vector<std::string> arguments(int argc, char** argv);

// A message that ends the program with a failure: "twistblocks: MESSAGE" on standard error,
// and on Windows, where a GUI program has no console to show it, also a message box.
void showError(const std::string& message);

// The text of --help or --version: standard output; on Windows the console the program was
// started from, or a message box where there is none.
void showText(const std::string& text);

// No message boxes from now on: for a program drawing unseen inside someone else's window.
void suppressMessageBoxes();

// The first top-level window created is sized for a client area of
// width x height design pixels at the display's scale (DPI / 96 on Windows, where the program
// is DPI-aware), and follows that scale when it moves to another display. The layer draws in
// the display's own pixels: nothing to do there.
void scaleWithDisplay(int width, int height);

}  // namespace Desktop
