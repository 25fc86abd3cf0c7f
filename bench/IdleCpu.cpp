// Measures the CPU time of an idle message loop: a GL window (headless where there is no
// display) whose thread sits in GetMessageW for the given number of seconds (default 10)
// while nothing happens, until another thread closes the window. Prints the CPU seconds used.

#include <sys/resource.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>

#include "Harness.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

LRESULT CALLBACK idleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Closer {
    HWND hwnd;
    DWORD ms;
};

DWORD WINAPI closeLater(LPVOID p) {
    auto* closer = static_cast<Closer*>(p);
    Sleep(closer->ms);
    PostMessageW(closer->hwnd, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = idleProc;
    wc.lpszClassName = u"IdleCpu";
    RegisterClassExW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, u"idle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                                CW_USEDEFAULT, 520, 539, nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(hwnd);
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd);
    HGLRC rc = wglCreateContext(dc);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);  // the first paint
    Closer closer{hwnd, DWORD(seconds * 1000)};
    HANDLE thread = CreateThread(nullptr, 0, closeLater, &closer, 0, nullptr);
    const double before = cpuSeconds();
    const DWORD start = timeGetTime();
    while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
    const double used = cpuSeconds() - before;
    std::printf("idle message loop: %.3f s wall, %.3f CPU seconds (%s)\n", (timeGetTime() - start) / 1000.0, used,
                Harness::headless() ? "headless" : "display");
    CloseHandle(thread);
    wglDeleteContext(rc);
    return 0;
}
