#pragma once
// The program run as a Windows screensaver (see ScreensaverMode.h), where the desktop follows
// those conventions.

#include <optional>
#include <string>
#include <vector>

// Runs the screensaver the arguments (after the program name) and the program file's name ask
// for, and returns its exit code; nothing when this is no screensaver run.
std::optional<int> runAsScreensaver(const std::vector<std::string>& args);
