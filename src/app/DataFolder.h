#pragma once
// Finding the demo's data files, which it reads relative to the working directory.

#include <string>
#include <vector>

// The folders to look in, in order: the working directory; the installation's data folder
// beside the program's folder (`<prefix>/bin/` -> `<prefix>/share/twistblocks`); and, for a
// program that runs from the build tree (never installed), the source tree's data/.
std::vector<std::string> dataFolderCandidates(const std::string& programFolder);

// Makes the first candidate that holds every data file the working directory. Empty on
// success, else a one-line message naming the places tried.
std::string enterDataFolder(const std::vector<std::string>& candidates);
