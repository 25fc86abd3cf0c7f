#pragma once
// The whole demo as one call: builds the runner and the puzzle window on the calling
// thread, which becomes the window thread, and runs the message loop until the window
// closes. Data files are found relative to the working directory. Returns the process's
// exit code: 0 after a normal close, 1 when the window could not be opened or the game
// failed, with why in `failure` when it is given.

#include <string>

int runTwistblocksDemo(std::string* failure = nullptr);
