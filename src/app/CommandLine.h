#pragma once
// The options of the twistblocks program and their parsing, the same on every platform.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    bool version = false;
    bool fullscreen = false;
    bool root = false;
    // --window-id, else the environment's XSCREENSAVER_WINDOW: an X window to draw into.
    std::optional<uint64_t> windowId;
};

// Reads the arguments after the program name; screensaverWindow is the value of
// XSCREENSAVER_WINDOW or null. Empty on success, else a one-line message for standard error.
std::string parseCommandLine(const std::vector<std::string>& args, const char* screensaverWindow, CommandLine& line);

// The text of --help.
const char* usageText();
