#pragma once
// Win32Frame: the application runner. It holds the main window's creation parameters,
// opens the window and runs the message loop of the window thread until WM_QUIT.

#include <windows.h>

#include <cstdint>

class MainWindow;

class Win32Frame {
public:
    Win32Frame() = default;
    virtual ~Win32Frame() = default;

    virtual int setFrame(MainWindow* newFrame);
    // The outer rectangle; CW_USEDEFAULT passes through to window creation.
    virtual int setWindowRect(int newX, int newY, int newWidth, int newHeight);
    virtual int setStyle(DWORD newStyle);
    // Opens the frame and runs the message loop: 0 when the loop ends, -1 when the main
    // window fails to open.
    virtual int run();

protected:
    MainWindow* frame = nullptr;
    MSG message{};
    HWND hwnd = nullptr;
    int32_t messageResult = 0;
    HACCEL accelerators = nullptr;
    HINSTANCE instance = nullptr;
    int32_t x = CW_USEDEFAULT;
    int32_t y = CW_USEDEFAULT;
    int32_t width = CW_USEDEFAULT;
    int32_t height = CW_USEDEFAULT;
    DWORD style = 0;
};
