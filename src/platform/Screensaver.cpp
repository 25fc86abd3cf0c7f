// The layer's side of Screensaver.h: X11 and Wayland desktops run screensavers their own way
// (XScreenSaver's --window-id and --root, see Desktop.h).

#include <Screensaver.h>

#include "platform/Unimplemented.h"

bool Screensaver::supported() { return false; }

std::string Screensaver::programFile() { failUnimplemented("Screensaver::programFile"); }

bool Screensaver::coverScreen() { failUnimplemented("Screensaver::coverScreen"); }

std::string Screensaver::previewIn(uint64_t) { failUnimplemented("Screensaver::previewIn"); }

void Screensaver::showSettings(uint64_t, const std::string&) { failUnimplemented("Screensaver::showSettings"); }
