#include "app/ScreensaverMode.h"

#include <cctype>
#include <charconv>

namespace {

bool endsWithIgnoringCase(const std::string& text, const std::string& ending) {
    if (text.size() < ending.size()) return false;
    for (std::size_t i = 0; i < ending.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - ending.size() + i])) != ending[i]) return false;
    return true;
}

// A window handle as Windows writes it on a screensaver's command line: unsigned decimal.
bool parseHandle(const std::string& text, uint64_t& handle) {
    const char* last = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), last, handle, 10);
    return error == std::errc() && stop == last;
}

}  // namespace

bool isScreensaverFile(const std::string& programFile) { return endsWithIgnoringCase(programFile, ".scr"); }

std::string parseScreensaverMode(const std::vector<std::string>& args, bool screensaverFile, ScreensaverMode& mode) {
    mode = {};
    if (args.empty()) {
        if (screensaverFile) mode.action = ScreensaverAction::configure;
        return {};
    }
    const std::string& first = args[0];
    if (first.size() < 2 || first[0] != '/') return {};
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(first[1])));
    const std::string rest = first.substr(2);  // empty, or ":HWND"
    if (!rest.empty() && rest[0] != ':') return {};
    const std::string option = first.substr(0, 2);
    // A window handle follows a colon; /p also takes it as the next argument.
    const bool attached = !rest.empty();
    std::size_t used = 1;
    std::string handle = attached ? rest.substr(1) : "";
    if (letter == 'p' && !attached && args.size() > 1) handle = args[used++];
    const std::string badHandle = option + " needs a window handle, an unsigned decimal number";
    switch (letter) {
    case 's':
        mode.action = ScreensaverAction::show;
        if (attached) return option + " takes no window handle";
        break;
    case 'p':
        mode.action = ScreensaverAction::preview;
        if (!parseHandle(handle, mode.window) || mode.window == 0) return badHandle;
        break;
    case 'c':
        mode.action = ScreensaverAction::configure;
        if (attached && !parseHandle(handle, mode.window)) return badHandle;
        break;
    case 'a':  // Windows 9x also names a window, which nothing here needs
        mode.action = ScreensaverAction::passwordChange;
        return {};
    default:
        return {};
    }
    if (args.size() > used) return "unexpected argument " + args[used] + " after " + option;
    return {};
}
