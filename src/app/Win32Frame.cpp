#include "app/Win32Frame.h"

#include "base/Trace.h"
#include "win/MainWindow.h"
#include "win/WideText.h"

int Win32Frame::setFrame(MainWindow* newFrame) {
    frame = newFrame;
    return 0;
}

int Win32Frame::setWindowRect(int newX, int newY, int newWidth, int newHeight) {
    x = newX;
    y = newY;
    width = newWidth;
    height = newHeight;
    return 0;
}

int Win32Frame::setStyle(DWORD newStyle) {
    style = newStyle;
    return 0;
}

int Win32Frame::run() {
    instance = GetModuleHandleW(nullptr);
    if (frame->open(style, x, y, width, height, nullptr, nullptr) < 0) {
        writek("MainWindow open error.\n");
        return -1;
    }
    hwnd = frame->getHwnd();
    // The program's resources hold no such table: it is null and never consumes a message.
    accelerators = LoadAcceleratorsW(instance, WideText("MYACCEL").get());
    for (;;) {
        messageResult = GetMessageW(&message, nullptr, 0, 0);
        if (messageResult == 0 || messageResult == -1) break;
        if (TranslateAcceleratorW(hwnd, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
