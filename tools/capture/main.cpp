// twistblocks-capture: runs the unchanged demo (the same entry, window, game frame and
// controller), headless on the virtual clock unless asked otherwise, writes the pictures
// of the listed frames as DIR/frame-NNNNNN.png, closes the window after N frames as a user
// would, and exits with the demo's exit code. It finds the data as the program does.

#include "CaptureOptions.h"
#include "assets/PngWriter.h"
#include "app/DataFolder.h"
#include "app/TwistblocksDemo.h"

#include <Desktop.h>
#include <Harness.h>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    CaptureOptions options;
    if (const std::string error = parseCaptureOptions(std::vector<std::string>(argv + 1, argv + argc), options);
        !error.empty()) {
        std::fprintf(stderr,
                     "twistblocks-capture: %s\n"
                     "usage: twistblocks-capture [--frames N] [--save LIST] [--out DIR] [--realtime] [--window]\n",
                     error.c_str());
        return 2;
    }
    std::error_code ignored;
    // Relative to the folder it was started in, not the data folder it moves to.
    if (const auto full = std::filesystem::absolute(options.out, ignored); !ignored) options.out = full.string();
    std::filesystem::create_directories(options.out, ignored);
    if (const std::string problem = enterDataFolder(dataFolderCandidates(Desktop::programFolder())); !problem.empty()) {
        std::fprintf(stderr, "twistblocks-capture: %s\n", problem.c_str());
        return 1;
    }
    if (!options.window) Harness::forceHeadless();
    if (!options.realtime) Harness::useVirtualClock(true);
    bool writeFailed = false;
    // Reading a picture back costs time: only when some are to be written.
    if (!options.save.empty()) Harness::setPictureHook([&](const Harness::Picture& picture) {
        if (!options.save.count(picture.frameIndex)) return;
        char name[32];
        std::snprintf(name, sizeof name, "frame-%06llu.png", static_cast<unsigned long long>(picture.frameIndex));
        const std::string error =
            writePng((std::filesystem::path(options.out) / name).string(), picture.width, picture.height, picture.pixels);
        if (!error.empty()) {
            std::fprintf(stderr, "twistblocks-capture: %s\n", error.c_str());
            writeFailed = true;
        }
    });
    Harness::closeAfterFrames(options.frames);
    std::string failure;
    const int exitCode = runTwistblocksDemo(&failure);
    if (exitCode != 0) std::fprintf(stderr, "twistblocks-capture: %s\n", failure.c_str());
    return writeFailed && exitCode == 0 ? 1 : exitCode;
}
