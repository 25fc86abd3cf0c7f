#pragma once
// The whole demo as one call: builds the runner and the puzzle window on the calling
// thread, which becomes the window thread, and runs the message loop until the window
// closes. Data files are found relative to the working directory. Returns the process's
// exit code: 0 after a normal close, 1 when the window could not be opened or the game
// failed, with why in `failure` when it is given. The second form runs the given puzzle
// window (a test's or a benchmark's observer of the demo), made with kDemoWindowClass.

#include <string>

class myGameFrame;

// The demo's main window: its caption and its window class.
inline constexpr char kDemoCaption[] = "Twistblocks Demo";
inline constexpr char kDemoWindowClass[] = "OpenGLtest";

int runTwistblocksDemo(std::string* failure = nullptr);
int runTwistblocksDemo(myGameFrame& frame, std::string* failure = nullptr);
