#pragma once
// Finding the demo's data files, which it reads relative to the working directory.

#include <filesystem>
#include <string>
#include <vector>

// The folders to look in, in order: the working directory; the program's own folder (where
// the Windows zip puts the data, whatever folder the program was started in); the
// installation's data folder beside the program's folder (`<prefix>/bin/` ->
// `<prefix>/share/twistblocks`); and, for a program that runs from the build tree (never
// installed), the source tree's data/.
std::vector<std::filesystem::path> dataFolderCandidates(const std::filesystem::path& programFolder);

// Makes the first candidate that holds every data file the working directory. Empty on
// success, else a one-line message (UTF-8) naming the places tried.
std::string enterDataFolder(const std::vector<std::filesystem::path>& candidates);
