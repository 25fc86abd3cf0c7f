#pragma once
// The whole demo as one call: builds the runner and the puzzle window on the calling
// thread, which becomes the window thread, and runs the message loop until the window
// closes. Data files are found relative to the working directory. Returns the process's
// exit code, 0 in every case. The second form runs the given puzzle window (a benchmark's
// observer of the demo).

class myGameFrame;

int runTwistblocksDemo();
int runTwistblocksDemo(myGameFrame& frame);
