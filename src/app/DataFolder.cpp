#include "app/DataFolder.h"

#include <filesystem>
#include <system_error>

#include "game/myGameFrame.h"

namespace fs = std::filesystem;

std::vector<std::string> dataFolderCandidates(const std::string& programFolder) {
    std::vector<std::string> candidates{"."};
    if (programFolder.empty()) return candidates;
    const fs::path program(programFolder);
    candidates.push_back((program / ".." / "share" / "twistblocks").lexically_normal().string());
    const fs::path fromBuildTree = program.lexically_relative(TWISTBLOCKS_BINARY_DIR);
    if (!fromBuildTree.empty() && *fromBuildTree.begin() != "..") candidates.push_back(TWISTBLOCKS_SOURCE_DATA);
    return candidates;
}

std::string enterDataFolder(const std::vector<std::string>& candidates) {
    std::string tried;
    for (const std::string& folder : candidates) {
        std::error_code error;
        const bool complete = fs::is_regular_file(fs::path(folder) / myGameFrame::kModelFile, error) &&
                              fs::is_regular_file(fs::path(folder) / myGameFrame::kFontFile, error);
        if (complete) {
            fs::current_path(folder, error);
            if (!error) return {};
        }
        const fs::path shown = folder == "." ? fs::current_path(error) : fs::path(folder);
        tried += (tried.empty() ? "" : ", ") + shown.string();
    }
    return std::string("cannot find the data files ") + myGameFrame::kModelFile + " and " + myGameFrame::kFontFile +
           " in " + tried;
}
