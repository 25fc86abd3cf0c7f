#include "app/TwistblocksDemo.h"

#include "app/Win32Frame.h"
#include "game/myGameFrame.h"
#include "win/WideText.h"

#include <Desktop.h>

int runTwistblocksDemo(std::string* failure) {
    myGameFrame frame(kDemoCaption, kDemoWindowClass);
    return runTwistblocksDemo(frame, failure);
}

int runTwistblocksDemo(myGameFrame& frame, std::string* failure) {
    constexpr int kDesignSize = 512;
    Win32Frame runner;
    frame.setClientSize(kDesignSize, kDesignSize);
    runner.setFrame(&frame);
    runner.setWindowRect(CW_USEDEFAULT, CW_USEDEFAULT, 520, 539);
    runner.setStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    Desktop::scaleWithDisplay(kDesignSize, kDesignSize);
    const bool opened = runner.run() == 0;
    // The class goes with the window: a later run in this process (the tests') registers it again.
    UnregisterClassW(WideText(kDemoWindowClass).get(), GetModuleHandleW(nullptr));
    const std::string why = !opened && frame.failure().empty() ? "cannot open the main window" : frame.failure();
    if (failure) *failure = why;
    return why.empty() ? 0 : 1;
}
