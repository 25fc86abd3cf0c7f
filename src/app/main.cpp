// The demo's entry point: reads the options, finds the data, tells the desktop layer where the
// window goes, and runs the demo. The capture tool runs the same program through
// runTwistblocksDemo, so the two cannot drift apart.

#include <cstdlib>

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/ScreensaverRun.h"
#include "app/TwistblocksDemo.h"

#include <Desktop.h>

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
    const std::vector<std::string> args = Desktop::arguments(argc, argv);
    if (const std::optional<int> exitCode = runAsScreensaver(args)) return *exitCode;
    CommandLine line;
    const std::string badOption = parseCommandLine(args, std::getenv("XSCREENSAVER_WINDOW"), line);
    if (!badOption.empty()) {
        Desktop::showError(badOption + " (see twistblocks --help)");
        return 2;
    }
    if (line.help) {
        Desktop::showText(usageText());
        return 0;
    }
    if (line.version) {
        Desktop::showText(std::string("twistblocks ") + TWISTBLOCKS_VERSION + "\n");
        return 0;
    }
    const std::string problem = enterDataFolder(dataFolderCandidates(Desktop::programFolder()));
    const std::string placed = problem.empty() ? placeWindow(line) : problem;
    if (!placed.empty()) {
        Desktop::showError(placed);
        return 1;
    }
    std::string failure;
    const int exitCode = runTwistblocksDemo(&failure);
    if (exitCode != 0) Desktop::showError(failure);
    return exitCode;
}
