// WGL and presentation on the offscreen driver: a context is current on one thread at a time,
// the picture hook sees each presented frame top row first and closing after N frames closes
// the presenting window; events of the SDL window arrive as window messages.

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "Harness.h"
#include "TestWindows.h"

namespace {

constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16 | 0xFF000000u; }

// A plain top-level window of the given client size with a GL context, and nothing else.
struct GLTestWindow {
    GLTestWindow(int width, int height) {
        RECT outer{0, 0, width, height};
        AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
        hwnd = createTestWindow(registerTestClass(DefWindowProcW), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                outer.right - outer.left, outer.bottom - outer.top);
        dc = GetDC(hwnd);
        PIXELFORMATDESCRIPTOR format{};
        format.nSize = sizeof format;
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = 24;
        SetPixelFormat(dc, ChoosePixelFormat(dc, &format), &format);
        rc = wglCreateContext(dc);
    }
    ~GLTestWindow() {
        wglDeleteContext(rc);
        ReleaseDC(hwnd, dc);
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    HWND hwnd = nullptr;
    HDC dc = nullptr;
    HGLRC rc = nullptr;
};

TEST(Wgl, ContextIsCurrentOnOneThreadAtATime) {
    GLTestWindow w(64, 48);
    const HDC dc = w.dc;
    const HGLRC rc = w.rc;
    ASSERT_TRUE(wglMakeCurrent(dc, rc));
    std::atomic<BOOL> taken{TRUE}, deleted{TRUE};
    std::atomic<DWORD> error{0};
    auto intruder = [&]() -> DWORD {
        taken = wglMakeCurrent(dc, rc);
        error = GetLastError();
        deleted = wglDeleteContext(rc);
        return 0;
    };
    ASSERT_TRUE(waitAndClose(startThread(&intruder)));
    EXPECT_FALSE(taken) << "held by the main thread";
    EXPECT_EQ(error, DWORD(ERROR_BUSY));
    EXPECT_FALSE(deleted) << "cannot delete a context current on another thread";
    ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));

    auto painter = [&]() -> DWORD {  // released: another thread may take it and draw
        taken = wglMakeCurrent(dc, rc);
        glClearColor(1, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        wglMakeCurrent(nullptr, nullptr);
        return 0;
    };
    ASSERT_TRUE(waitAndClose(startThread(&painter)));
    EXPECT_TRUE(taken);
    ASSERT_TRUE(wglMakeCurrent(dc, rc)) << "and the first thread can take it back";
    uint32_t pixel = 0;
    glReadPixels(5, 5, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
    EXPECT_EQ(pixel | 0xFF000000u, rgb(255, 255, 0));
    wglMakeCurrent(nullptr, nullptr);
}

TEST(Harness, PictureHookSeesEachFrameTopRowFirstAndCloseAfterFramesCloses) {
    GLTestWindow w(64, 48);
    std::vector<Harness::Picture> pictures;
    Harness::setPictureHook([&](const Harness::Picture& p) { pictures.push_back(p); });
    Harness::closeAfterFrames(2);
    const uint64_t before = Harness::presentedFrames();
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    for (int frame = 0; frame < 2; ++frame) {
        glClearColor(float(frame), 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 40, 64, 8);  // a white band over the top 8 rows (GL's y runs upward)
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        MSG msg;
        EXPECT_FALSE(PeekMessageW(&msg, w.hwnd, WM_CLOSE, WM_CLOSE, PM_NOREMOVE)) << frame;
        EXPECT_TRUE(SwapBuffers(w.dc));
    }
    wglMakeCurrent(nullptr, nullptr);
    Harness::setPictureHook(nullptr);
    ASSERT_EQ(pictures.size(), 2u);
    for (uint64_t frame = 0; frame < 2; ++frame) {
        const Harness::Picture& p = pictures[frame];
        EXPECT_EQ(p.hwnd, w.hwnd);
        EXPECT_EQ(p.frameIndex, before + frame);
        ASSERT_EQ(p.width * p.height, 64 * 48);
        EXPECT_EQ(p.pixels.front(), rgb(255, 255, 255)) << "row 0 is the top";
        EXPECT_EQ(p.pixels.back(), rgb(frame ? 255 : 0, 0, 0));
    }
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, w.hwnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

std::vector<std::pair<UINT, WPARAM>> inputSeen;

LRESULT CALLBACK inputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE || message == WM_KEYDOWN || message == WM_KEYUP) inputSeen.emplace_back(message, wParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(SdlInput, EventsOfTheSdlWindowBecomeWindowMessages) {
    GLTestWindow w(64, 48);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    const Uint32 id = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    wglMakeCurrent(nullptr, nullptr);
    SetWindowLongPtrW(w.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&inputProc));
    pumpReady();
    inputSeen.clear();
    auto push = [&](Uint32 type, SDL_Keycode sym, Uint8 windowEvent = 0) {
        SDL_Event e{};
        e.type = type;
        if (type == SDL_WINDOWEVENT) {
            e.window = SDL_WindowEvent{type, 0, id, windowEvent, 0, 0, 0, 300, 200};
        } else {
            e.key.windowID = id;
            e.key.keysym.sym = sym;
        }
        SDL_PushEvent(&e);
    };
    push(SDL_KEYDOWN, SDLK_SPACE);
    push(SDL_KEYDOWN, SDLK_SPACE);  // auto-repeat
    push(SDL_KEYUP, SDLK_SPACE);
    push(SDL_KEYDOWN, SDLK_CAPSLOCK);  // no virtual-key code: dropped
    push(SDL_WINDOWEVENT, 0, SDL_WINDOWEVENT_SIZE_CHANGED);
    pumpReady();
    std::vector<std::pair<UINT, WPARAM>> expected = {  // WM_SIZE is sent while reading, the keys are posted
        {WM_SIZE, SIZE_RESTORED}, {WM_KEYDOWN, VK_SPACE}, {WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}};
    EXPECT_EQ(inputSeen, expected);
    RECT client;
    GetClientRect(w.hwnd, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 300200);
    push(SDL_WINDOWEVENT, 0, SDL_WINDOWEVENT_CLOSE);
    pumpReady();
    EXPECT_FALSE(IsWindow(w.hwnd)) << "the close button closes the window";
}

}  // namespace
