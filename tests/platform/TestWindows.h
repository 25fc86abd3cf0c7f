#pragma once
// Helpers shared by the platform tests: unique window classes, a window with a GL context,
// threads of the layer, message pumps, and a log of the messages that window procedures saw.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Registers a window class with proc under a name no other test uses; returns the name.
std::u16string registerTestClass(WNDPROC proc);

// A top-level window of the class; 520 x 539 outside (512 x 512 inside) unless told otherwise.
HWND createTestWindow(const std::u16string& cls, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, int width = 520,
                      int height = 539, HWND parent = nullptr);

// Gives dc a double-buffered RGBA pixel format (24-bit colour, depthBits of depth) and
// returns a GL context for it.
HGLRC createGLContext(HDC dc, BYTE depthBits = 0);

// A plain top-level window of the given client size with a GL context, and nothing else.
struct GLTestWindow {
    GLTestWindow(int width, int height);
    ~GLTestWindow();
    HWND hwnd = nullptr;
    HDC dc = nullptr;
    HGLRC rc = nullptr;
};

// Packs r, g, b (and alpha 255) as a pixel of GL_RGBA bytes.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16 | 0xFF000000u; }

// Runs (*body)() on a thread of the layer and returns its handle.
template <class F>
HANDLE startThread(F* body) {
    return CreateThread(nullptr, 0, [](LPVOID p) -> DWORD { return (*static_cast<F*>(p))(), 0; }, body, 0, nullptr);
}

// Waits for a thread's handle without serving messages, then closes it; false if the wait failed.
bool waitAndClose(HANDLE thread);

// Dispatches messages until one with the given number arrives (not dispatched).
void pumpUntil(UINT message);

// Dispatches everything that is ready now, without waiting.
void pumpReady();

// The messages that window procedures logging them saw, in order (all on the test's thread).
extern std::vector<std::pair<HWND, UINT>> messageLog;
// Those of one window.
std::vector<UINT> messagesOf(HWND hwnd);

// A window procedure that logs every message and then calls DefWindowProcW.
LRESULT CALLBACK recordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
