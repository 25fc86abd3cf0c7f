#include "app/DataFolder.h"

#include <system_error>

#include "game/myGameFrame.h"

namespace fs = std::filesystem;

namespace {

// The path as UTF-8; string() would give the ANSI code page on Windows.
std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace

std::vector<fs::path> dataFolderCandidates(const fs::path& programFolder) {
    std::vector<fs::path> candidates{"."};
    if (programFolder.empty()) return candidates;
    const fs::path program = programFolder.has_filename() ? programFolder : programFolder.parent_path();
    candidates.push_back(program);
    candidates.push_back((program / ".." / "share" / "twistblocks").lexically_normal());
    // The build-time folders are UTF-8, like every text the build hands over.
    const fs::path fromBuildTree = program.lexically_relative(u8"" TWISTBLOCKS_BINARY_DIR);
    if (!fromBuildTree.empty() && *fromBuildTree.begin() != "..") candidates.push_back(u8"" TWISTBLOCKS_SOURCE_DATA);
    return candidates;
}

std::string enterDataFolder(const std::vector<fs::path>& candidates) {
    std::string tried;
    for (const fs::path& folder : candidates) {
        std::error_code error;
        const bool complete = fs::is_regular_file(folder / myGameFrame::kModelFile, error) &&
                              fs::is_regular_file(folder / myGameFrame::kFontFile, error);
        if (complete) {
            fs::current_path(folder, error);
            if (!error) return {};
        }
        const fs::path shown = folder == "." ? fs::current_path(error) : folder;
        tried += (tried.empty() ? "" : ", ") + utf8(shown);
    }
    return std::string("cannot find the data files ") + myGameFrame::kModelFile + " and " + myGameFrame::kFontFile +
           " in " + tried;
}
