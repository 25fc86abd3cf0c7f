// The demo's entry point: reads the options, finds the data, tells the desktop layer where the
// window goes, and runs the demo. The capture tool runs the same program through
// runTwistblocksDemo, so the two cannot drift apart.

#include <cstdio>
#include <cstdlib>

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/ScreensaverRun.h"
#include "app/TwistblocksDemo.h"
#include "platform/include/Desktop.h"

namespace {

// Where the window goes; empty on success, else why it cannot go there.
std::string placeWindow(const CommandLine& line) {
    if (line.windowId) return Desktop::drawInto(*line.windowId);
    if (line.root) return Desktop::drawIntoRoot();
    if (line.fullscreen) Desktop::fullscreen();
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    Desktop::closeOnSignals();  // first: a screensaver daemon may end its module at any moment
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const std::optional<int> exitCode = runAsScreensaver(args)) return *exitCode;
    CommandLine line;
    const std::string badOption = parseCommandLine(args, std::getenv("XSCREENSAVER_WINDOW"), line);
    if (!badOption.empty()) {
        std::fprintf(stderr, "twistblocks: %s (see twistblocks --help)\n", badOption.c_str());
        return 2;
    }
    if (line.help) {
        std::fputs(usageText(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("twistblocks %s\n", TWISTBLOCKS_VERSION);
        return 0;
    }
    const std::string problem = enterDataFolder(dataFolderCandidates(Desktop::programFolder()));
    const std::string placed = problem.empty() ? placeWindow(line) : problem;
    if (!placed.empty()) {
        std::fprintf(stderr, "twistblocks: %s\n", placed.c_str());
        return 1;
    }
    return runTwistblocksDemo();
}
