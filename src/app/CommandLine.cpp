#include "app/CommandLine.h"

#include <charconv>

namespace {

// A window id in decimal or with a 0x prefix in hexadecimal, as xwininfo and xscreensaver write it.
bool parseWindowId(const std::string& text, uint64_t& id) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    const auto [stop, error] = std::from_chars(first, last, id, hex ? 16 : 10);
    return error == std::errc() && stop == last && first != last && id != 0;
}

}  // namespace

std::string parseCommandLine(const std::vector<std::string>& args, const char* screensaverWindow, CommandLine& line) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--fullscreen") {
            line.fullscreen = true;
        } else if (arg == "--root") {
            line.root = true;
        } else if (arg == "--window-id") {
            uint64_t id = 0;
            if (i + 1 == args.size() || !parseWindowId(args[++i], id))
                return "--window-id needs an X window id, decimal or 0x-hex";
            line.windowId = id;
        } else {
            return "unknown option " + arg;
        }
    }
    if (!line.windowId && screensaverWindow && *screensaverWindow) {
        uint64_t id = 0;
        if (!parseWindowId(screensaverWindow, id))
            return "XSCREENSAVER_WINDOW is not an X window id: " + std::string(screensaverWindow);
        line.windowId = id;
    }
    return {};
}

const char* usageText() {
    return "Usage: twistblocks [OPTION]...\n"
           "A self-running twisty-cube demo. Space pauses and resumes.\n"
           "\n"
           "  --fullscreen    cover the whole screen\n"
           "  --window-id ID  draw into the existing X window ID (decimal or 0x-hex) instead of\n"
           "                  opening a window; XSCREENSAVER_WINDOW in the environment does the same\n"
           "  --root          draw into the root window (under a screensaver daemon, into the\n"
           "                  window named by XSCREENSAVER_WINDOW)\n"
           "  --help          show this help and exit\n"
           "  --version       show the name and version and exit\n"
           "\n"
           "A window to draw into takes precedence over --fullscreen. The data files are looked\n"
           "for in the working directory, beside the program, then in the installation's\n"
           "share/twistblocks.\n"
           "SIGTERM, SIGINT and SIGHUP end the demo as closing its window does.\n";
}
