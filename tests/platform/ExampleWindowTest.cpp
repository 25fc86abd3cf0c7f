// A small program written against the Win32 API only: it opens a window, clears it to a colour
// from a second thread's synchronous repaints (the demo's frame hand-over), and closes as a user
// would after a few frames; its pictures are captured through the harness and checked.

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <mmsystem.h>
#include <windows.h>

#include <atomic>
#include <string>

#include "Harness.h"

namespace {

struct Example {
    HDC dc = nullptr;
    HGLRC rc = nullptr;
    HANDLE loopThread = nullptr;
    std::atomic<bool> stop{false};
    std::atomic<int> frames{0};
    HWND hwnd = nullptr;
};
Example example;

DWORD WINAPI loop(LPVOID) {
    while (!example.stop) {
        DWORD start = timeGetTime();
        RedrawWindow(example.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ++example.frames;
        DWORD used = timeGetTime() - start;
        if (used < 16) Sleep(16 - used);
    }
    return 0;
}

LRESULT CALLBACK exampleProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            example.hwnd = hwnd;
            example.dc = GetDC(hwnd);
            PIXELFORMATDESCRIPTOR pfd{};
            pfd.nSize = sizeof pfd;
            pfd.nVersion = 1;
            pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
            pfd.iPixelType = PFD_TYPE_RGBA;
            pfd.cColorBits = 24;
            pfd.cDepthBits = 32;
            SetPixelFormat(example.dc, ChoosePixelFormat(example.dc, &pfd), &pfd);
            example.rc = wglCreateContext(example.dc);
            if (!example.rc) return -1;
            example.loopThread = CreateThread(nullptr, 0, loop, nullptr, 0, nullptr);
            return 0;
        }
        case WM_PAINT: {
            RECT client;
            GetClientRect(hwnd, &client);
            if (wglMakeCurrent(example.dc, example.rc)) {
                glViewport(0, 0, client.right, client.bottom);
                glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
                glClear(GL_COLOR_BUFFER_BIT);
                SwapBuffers(example.dc);
                wglMakeCurrent(nullptr, nullptr);
            }
            PAINTSTRUCT ps{};
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            // Stop the loop at a frame boundary, serving its repaint requests while waiting.
            example.stop = true;
            while (MsgWaitForMultipleObjects(1, &example.loopThread, FALSE, INFINITE, QS_SENDMESSAGE) ==
                   WAIT_OBJECT_0 + 1) {
                MSG msg;
                PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
            }
            CloseHandle(example.loopThread);
            wglDeleteContext(example.rc);
            ReleaseDC(hwnd, example.dc);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

TEST(ExampleWindow, OpensClearsToAColourAndClosesAfterThreeFrames) {
    Harness::forceHeadless();
    Harness::useVirtualClock(true);
    std::vector<Harness::Picture> pictures;
    Harness::setPictureHook([&](const Harness::Picture& p) { pictures.push_back(p); });
    Harness::closeAfterFrames(3);

    std::u16string className = u"ExampleWindow";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = exampleProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = reinterpret_cast<const WCHAR*>(className.c_str());
    ASSERT_NE(RegisterClassExW(&wc), 0);
    std::u16string caption = u"Example";
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, reinterpret_cast<const WCHAR*>(caption.c_str()),
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CW_USEDEFAULT,
                                CW_USEDEFAULT, 520, 539, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    MSG msg;
    BOOL r;
    while ((r = GetMessageW(&msg, nullptr, 0, 0)) != 0 && r != -1) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Harness::setPictureHook(nullptr);
    Harness::useVirtualClock(false);

    EXPECT_EQ(r, 0);
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_FALSE(IsWindow(hwnd));
    ASSERT_GE(pictures.size(), 3u);
    for (const auto& p : pictures) {
        ASSERT_EQ(p.width, 512);
        ASSERT_EQ(p.height, 512);
        const uint32_t expected = 51u | 102u << 8 | 153u << 16 | 0xFFu << 24;
        size_t wrong = 0;
        for (uint32_t px : p.pixels) wrong += px != expected;
        EXPECT_EQ(wrong, 0u) << "frame " << p.frameIndex;
    }
}

}  // namespace
