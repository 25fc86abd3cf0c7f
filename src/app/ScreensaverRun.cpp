#include "app/ScreensaverRun.h"

#include "app/DataFolder.h"
#include "app/ScreensaverMode.h"
#include "app/TwistblocksDemo.h"

#include <Desktop.h>
#include <Screensaver.h>

namespace {

int fail(const std::string& message, int exitCode) {
    Desktop::showError(message);
    return exitCode;
}

std::string aboutText() {
    return std::string("Twistblocks ") + TWISTBLOCKS_VERSION +
           "\n\nA self-running twisty cube: a cube of 2 to 6 layers is scrambled with 100 random turns "
           "and solved again, turn by turn, under a slowly spinning view.\n\nThis screensaver has no settings.";
}

}  // namespace

std::optional<int> runAsScreensaver(const std::vector<std::string>& args) {
    if (!Screensaver::supported()) return std::nullopt;
    ScreensaverMode mode;
    const std::string badArguments = parseScreensaverMode(args, isScreensaverFile(Screensaver::programFile()), mode);
    // The preview runs inside the screen-saver settings, which a message box must not interrupt.
    if (mode.action == ScreensaverAction::preview) Desktop::suppressMessageBoxes();
    if (!badArguments.empty()) return fail(badArguments, 2);
    switch (mode.action) {
    case ScreensaverAction::none:
        return std::nullopt;
    case ScreensaverAction::passwordChange:
        return 0;
    case ScreensaverAction::configure:
        Screensaver::showSettings(mode.window, aboutText());
        return 0;
    case ScreensaverAction::show:
        if (!Screensaver::coverScreen()) return 0;  // another instance covers the screen
        break;
    case ScreensaverAction::preview:
        if (const std::string problem = Screensaver::previewIn(mode.window); !problem.empty()) return fail(problem, 1);
        break;
    }
    const std::string problem = enterDataFolder(dataFolderCandidates(Desktop::programFolder()));
    if (!problem.empty()) return fail(problem, 1);
    std::string failure;
    const int exitCode = runTwistblocksDemo(&failure);
    return exitCode == 0 ? 0 : fail(failure, exitCode);
}
