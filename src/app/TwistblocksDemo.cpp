#include "app/TwistblocksDemo.h"

#include "app/Win32Frame.h"
#include "game/myGameFrame.h"

int runTwistblocksDemo() {
    myGameFrame frame("Twistblocks Demo", "OpenGLtest");
    return runTwistblocksDemo(frame);
}

int runTwistblocksDemo(myGameFrame& frame) {
    Win32Frame runner;
    frame.setClientSize(512, 512);
    runner.setFrame(&frame);
    runner.setWindowRect(CW_USEDEFAULT, CW_USEDEFAULT, 520, 539);
    runner.setStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    runner.run();
    return 0;
}
