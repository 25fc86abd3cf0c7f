#include "app/TwistblocksDemo.h"

#include "app/Win32Frame.h"
#include "game/myGameFrame.h"

int runTwistblocksDemo() {
    Win32Frame runner;
    myGameFrame frame("Twistblocks Demo", "OpenGLtest");
    frame.setClientSize(512, 512);
    runner.setFrame(&frame);
    runner.setWindowRect(CW_USEDEFAULT, CW_USEDEFAULT, 520, 539);
    runner.setStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    runner.run();
    return 0;
}
