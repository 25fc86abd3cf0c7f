#include "CaptureOptions.h"

#include <algorithm>
#include <charconv>

namespace {

bool parseNumber(const std::string& text, unsigned long& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

bool parseList(const std::string& list, std::set<unsigned long>& frames) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        unsigned long first, last;
        if (dash == std::string::npos) {
            if (!parseNumber(item, first)) return false;
            last = first;
        } else if (!parseNumber(item.substr(0, dash), first) || !parseNumber(item.substr(dash + 1), last) ||
                   last < first || last - first > 1000000) {
            return false;
        }
        for (unsigned long f = first; f <= last; ++f) frames.insert(f);
        start = comma + 1;
    }
    return true;
}

}  // namespace

std::string parseCaptureOptions(const std::vector<std::string>& args, CaptureOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--realtime") {
            options.realtime = true;
        } else if (arg == "--window") {
            options.window = true;
        } else if (arg == "--frames") {
            if (!hasValue || !parseNumber(args[++i], options.frames) || options.frames == 0)
                return "--frames needs a frame count of at least 1";
        } else if (arg == "--save") {
            if (!hasValue || !parseList(args[++i], options.save))
                return "--save needs a list of frame numbers such as 0,10,95-99";
        } else if (arg == "--out") {
            if (!hasValue || args[i + 1].empty()) return "--out needs a folder";
            options.out = args[++i];
        } else {
            return "unknown argument " + arg;
        }
    }
    return {};
}
