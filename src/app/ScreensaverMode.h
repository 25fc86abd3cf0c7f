#pragma once
// Windows' screensaver conventions on the command line: a program file named *.scr is a
// screensaver, and so is any program given /s (show), /p (preview) or /c (configure). Windows
// sends the letters in either case. Parsed the same on every platform; main reads them only
// where the desktop follows these conventions (elsewhere /s is an unknown option).

#include <cstdint>
#include <string>
#include <vector>

enum class ScreensaverAction {
    none,            // not a screensaver run: the usual options apply
    show,            // /s: over the whole screen until the user moves
    preview,         // /p HWND, /p:HWND: inside that window
    configure,       // /c, /c:HWND, or a .scr without arguments: the settings dialog
    passwordChange,  // /a: old Windows versions' password request, nothing to do
};

struct ScreensaverMode {
    ScreensaverAction action = ScreensaverAction::none;
    // preview: the window to draw in; configure: the dialog's owner, 0 for none.
    uint64_t window = 0;
};

// Whether the program file's name ends in ".scr", in any letter case.
bool isScreensaverFile(const std::string& programFile);

// Reads the arguments after the program name. Arguments that are no screensaver's leave the
// action none. Empty on success, else a one-line message for standard error; the action then
// still says what was asked for (a preview must not show a message box).
std::string parseScreensaverMode(const std::vector<std::string>& args, bool screensaverFile, ScreensaverMode& mode);
