#pragma once
// Windows' screensaver conventions on the desktop the program runs on: a window over every
// monitor that closes on any input, a preview drawn inside someone else's window, and the
// settings dialog. Like Desktop.h, called by the entry point before the first window is
// created, never by the window code itself.
//
// Only the Windows build follows these conventions. The layer answers supported() with false
// and aborts on the other calls, which an entry point that asks first never makes.

#include <cstdint>
#include <string>

namespace Screensaver {

// Whether this desktop runs screensavers the Windows way (.scr files, /s, /p, /c).
bool supported();

// The running program file's full name in UTF-8 (its extension tells a screensaver); empty
// if unknown.
std::string programFile();

// /s: the first top-level window covers the whole virtual screen (every monitor), topmost,
// without a cursor, and closes on a key, a mouse button or a mouse movement of more than a
// few pixels. False when another instance already covers the screen: exit at once then.
bool coverScreen();

// /p: the first top-level window is made a child covering the client area of window
// `parent`, follows its size, takes no input, and closes when `parent` is destroyed. Empty on
// success, else why not.
std::string previewIn(uint64_t parent);

// /c: the settings dialog showing `about`, owned by window `owner` (0: none); returns when
// the user closes it.
void showSettings(uint64_t owner, const std::string& about);

}  // namespace Screensaver
