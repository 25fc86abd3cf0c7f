#pragma once
// The command line of twistblocks-capture:
//   [--frames N] [--save LIST] [--out DIR] [--realtime] [--window]
// LIST is comma-separated frame numbers and ranges ("0,10,95-99"), counted from 0.

#include <set>
#include <string>
#include <vector>

struct CaptureOptions {
    unsigned long frames = 100;  // close the window after this many presented frames
    std::set<unsigned long> save;
    std::string out = ".";
    bool realtime = false;  // the real clock instead of the virtual one
    bool window = false;    // a real window instead of headless
};

// Fills options from the arguments after the program name; returns an empty string, or a
// message naming the bad argument.
std::string parseCaptureOptions(const std::vector<std::string>& args, CaptureOptions& options);
