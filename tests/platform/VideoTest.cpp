// Device contexts, the pixel format, WGL contexts (headless, on the offscreen driver): GL 1.1
// immediate mode and display lists, read-back, exclusivity between threads, entry-point
// queries, and the harness's picture hook and frame counter.

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "Harness.h"
#include "TestWindows.h"

namespace {

PIXELFORMATDESCRIPTOR requestedFormat() {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 32;
    return pfd;
}

struct GlWindow {
    HWND hwnd = nullptr;
    HDC dc = nullptr;
    HGLRC rc = nullptr;

    explicit GlWindow(int width = 136, int height = 127) {  // a 128 x 100 client area
        Harness::forceHeadless();
        static auto cls = registerTestClass(recordingProc);
        hwnd = createTestWindow(cls, WS_OVERLAPPEDWINDOW | WS_VISIBLE, width, height);
        dc = GetDC(hwnd);
        PIXELFORMATDESCRIPTOR pfd = requestedFormat();
        int format = ChoosePixelFormat(dc, &pfd);
        if (SetPixelFormat(dc, format, &pfd)) rc = wglCreateContext(dc);
    }
    ~GlWindow() {
        wglMakeCurrent(nullptr, nullptr);
        if (rc) wglDeleteContext(rc);
        ReleaseDC(hwnd, dc);
        DestroyWindow(hwnd);
    }
};

uint32_t rgba(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16 | 0xFFu << 24; }

TEST(Wgl, ContextRunsGl11ImmediateModeAndDisplayListsHeadless) {
    GlWindow w;
    ASSERT_NE(w.rc, nullptr);
    EXPECT_TRUE(Harness::headless());
    EXPECT_EQ(GetPixelFormat(w.dc), 1);
    PIXELFORMATDESCRIPTOR described{};
    EXPECT_EQ(DescribePixelFormat(w.dc, 1, sizeof described, &described), 1);
    EXPECT_EQ(described.cDepthBits, 24);
    EXPECT_TRUE(described.dwFlags & PFD_DOUBLEBUFFER);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    EXPECT_EQ(wglGetCurrentContext(), w.rc);
    EXPECT_EQ(wglGetCurrentDC(), w.dc);

    glViewport(0, 0, 128, 100);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 128, 0, 100, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLuint list = glGenLists(1);
    ASSERT_NE(list, 0u);
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    glVertex2i(0, 0);
    glVertex2i(64, 0);
    glVertex2i(64, 50);
    glVertex2i(0, 50);
    glEnd();
    glEndList();
    glColor3ub(255, 0, 0);
    glCallList(list);
    glColor3ub(0, 255, 0);
    glTranslatef(64, 50, 0);
    glCallList(list);
    uint32_t px[4];
    glReadBuffer(GL_BACK);
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &px[0]);      // bottom left: red
    glReadPixels(100, 80, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &px[1]);     // top right: green
    glReadPixels(100, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &px[2]);     // bottom right: clear
    EXPECT_EQ(px[0], rgba(255, 0, 0));
    EXPECT_EQ(px[1], rgba(0, 255, 0));
    EXPECT_EQ(px[2], rgba(0, 0, 255));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST(Wgl, ContextIsCurrentOnOneThreadAtATime) {
    GlWindow w;
    ASSERT_NE(w.rc, nullptr);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    std::atomic<BOOL> other{TRUE};
    std::atomic<DWORD> error{0};
    std::atomic<BOOL> deleted{TRUE};
    auto tryOther = [&]() -> DWORD {
        other = wglMakeCurrent(w.dc, w.rc);
        error = GetLastError();
        deleted = wglDeleteContext(w.rc);
        return 0;
    };
    auto run = [&] {
        HANDLE t = CreateThread(
            nullptr, 0, [](LPVOID p) -> DWORD { return (*static_cast<decltype(tryOther)*>(p))(); }, &tryOther, 0,
            nullptr);
        WaitForSingleObject(t, INFINITE);
        CloseHandle(t);
    };
    run();
    EXPECT_FALSE(other) << "held by the main thread";
    EXPECT_EQ(error, DWORD(ERROR_BUSY));
    EXPECT_FALSE(deleted) << "cannot delete a context current on another thread";
    EXPECT_TRUE(wglMakeCurrent(nullptr, nullptr));

    // Released: another thread may take it (and here, as a side effect of the probe, delete it).
    auto take = [&]() -> DWORD {
        other = wglMakeCurrent(w.dc, w.rc);
        glClearColor(1, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        wglMakeCurrent(nullptr, nullptr);
        return 0;
    };
    HANDLE t = CreateThread(
        nullptr, 0, [](LPVOID p) -> DWORD { return (*static_cast<decltype(take)*>(p))(); }, &take, 0, nullptr);
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    EXPECT_TRUE(other);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc)) << "and the first thread can take it back";
    uint32_t px = 0;
    glReadPixels(5, 5, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &px);
    EXPECT_EQ(px, rgba(255, 255, 0));
}

TEST(Wgl, ProcAddressesNeedACurrentContextAndAKnownName) {
    GlWindow w;
    ASSERT_NE(w.rc, nullptr);
    EXPECT_EQ(wglGetProcAddress("glTexImage3D"), nullptr) << "no current context";
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    EXPECT_NE(wglGetProcAddress("glTexImage3D"), nullptr);
    EXPECT_NE(wglGetProcAddress("glUniformMatrix4x3fv"), nullptr);
    EXPECT_EQ(wglGetProcAddress("glNoSuchEntryPoint"), nullptr);
    EXPECT_EQ(wglGetProcAddress(nullptr), nullptr);
}

TEST(Wgl, BadInputFailsWithTheWin32ErrorCode) {
    GlWindow w;
    ASSERT_NE(w.rc, nullptr);
    static auto cls = registerTestClass(recordingProc);
    HWND plain = createTestWindow(cls);
    HDC plainDc = GetDC(plain);
    PIXELFORMATDESCRIPTOR pfd = requestedFormat();
    HGLRC bogus = reinterpret_cast<HGLRC>(0x4321);
    struct Case {
        const char* what;
        std::function<bool()> fails;
        DWORD error;
    };
    std::vector<Case> cases = {
        {"context on a DC without pixel format", [&] { return wglCreateContext(plainDc) == nullptr; },
         ERROR_INVALID_PIXEL_FORMAT},
        {"make current on a DC without pixel format", [&] { return !wglMakeCurrent(plainDc, w.rc); },
         ERROR_INVALID_PIXEL_FORMAT},
        {"unknown context", [&] { return !wglMakeCurrent(w.dc, bogus); }, ERROR_INVALID_HANDLE},
        {"delete unknown context", [&] { return !wglDeleteContext(bogus); }, ERROR_INVALID_HANDLE},
        {"pixel format 2", [&] { return !SetPixelFormat(plainDc, 2, &pfd); }, ERROR_INVALID_PIXEL_FORMAT},
        {"choose without descriptor", [&] { return ChoosePixelFormat(plainDc, nullptr) == 0; },
         ERROR_INVALID_PARAMETER},
        {"swap without a current context", [&] { return !SwapBuffers(w.dc); }, ERROR_INVALID_HANDLE},
    };
    for (auto& c : cases) {
        SetLastError(0);
        EXPECT_TRUE(c.fails()) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
    EXPECT_EQ(ReleaseDC(plain, w.dc), 0) << "not this window's DC";
    EXPECT_EQ(ReleaseDC(plain, plainDc), 1);
    EXPECT_EQ(WindowFromDC(plainDc), plain);
    DestroyWindow(plain);
}

TEST(Harness, PictureHookSeesEachPresentedFrameTopRowFirst) {
    GlWindow w;
    ASSERT_NE(w.rc, nullptr);
    std::vector<Harness::Picture> pictures;
    Harness::setPictureHook([&](const Harness::Picture& p) { pictures.push_back(p); });
    uint64_t before = Harness::presentedFrames();
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    for (int frame = 0; frame < 2; ++frame) {
        glViewport(0, 0, 128, 100);
        glClearColor(frame ? 1.0f : 0.0f, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        // A white band over the top 10 rows (GL's y runs upward).
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 90, 128, 10);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        EXPECT_TRUE(SwapBuffers(w.dc));
    }
    Harness::setPictureHook(nullptr);
    EXPECT_EQ(Harness::presentedFrames(), before + 2);
    ASSERT_EQ(pictures.size(), 2u);
    for (int frame = 0; frame < 2; ++frame) {
        const auto& p = pictures[frame];
        EXPECT_EQ(p.hwnd, w.hwnd);
        EXPECT_EQ(p.frameIndex, before + frame);
        ASSERT_EQ(p.width, 128);
        ASSERT_EQ(p.height, 100);
        EXPECT_EQ(p.pixels[0], rgba(255, 255, 255)) << "row 0 is the top";
        EXPECT_EQ(p.pixels[size_t(99) * 128], frame ? rgba(255, 0, 0) : rgba(0, 0, 0));
    }
}

TEST(Harness, CloseAfterFramesClosesThePresentingWindow) {
    GlWindow w;
    ASSERT_NE(w.rc, nullptr);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    messageLog.clear();
    Harness::closeAfterFrames(3);
    for (int i = 0; i < 3; ++i) {
        pumpReady();
        EXPECT_TRUE(IsWindow(w.hwnd)) << i;
        SwapBuffers(w.dc);
    }
    wglMakeCurrent(nullptr, nullptr);
    pumpReady();
    EXPECT_FALSE(IsWindow(w.hwnd));
    auto log = messageLog.messages(w.hwnd);
    EXPECT_NE(std::find(log.begin(), log.end(), UINT(WM_CLOSE)), log.end());
}

TEST(SdlInput, EventsOfTheSdlWindowBecomeWindowMessages) {
    GlWindow w;
    ASSERT_NE(w.rc, nullptr);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    SDL_Window* sdl = SDL_GL_GetCurrentWindow();
    ASSERT_NE(sdl, nullptr);
    wglMakeCurrent(nullptr, nullptr);
    Uint32 id = SDL_GetWindowID(sdl);
    auto key = [&](Uint32 type, SDL_Keycode sym) {
        SDL_Event e{};
        e.type = type;
        e.key.windowID = id;
        e.key.keysym.sym = sym;
        SDL_PushEvent(&e);
    };
    pumpReady();
    messageLog.clear();
    key(SDL_KEYDOWN, SDLK_LEFT);
    key(SDL_KEYDOWN, SDLK_LEFT);
    key(SDL_KEYUP, SDLK_LEFT);
    key(SDL_KEYDOWN, SDLK_x);
    key(SDL_KEYDOWN, SDLK_CAPSLOCK);  // no virtual-key code here: dropped
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = id;
    e.motion.x = 10;
    e.motion.y = 20;
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = id;
    e.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    e.window.data1 = 300;
    e.window.data2 = 200;
    SDL_PushEvent(&e);
    pumpReady();
    std::vector<std::pair<UINT, LPARAM>> seen;
    for (auto& entry : messageLog.entries)
        if (entry.message != WM_PAINT && entry.message != WM_ERASEBKGND) seen.push_back({entry.message, entry.lParam});
    std::vector<std::pair<UINT, LPARAM>> expected = {
        {WM_SIZE, MAKELPARAM(300, 200)},     // sent while the events are read
        {WM_KEYDOWN, 0x014B0001},           {WM_KEYDOWN, 0x414B0001}, {WM_KEYUP, LPARAM(0xC14B0001)},
        {WM_KEYDOWN, 0x002D0001},           {WM_MOUSEMOVE, MAKELPARAM(10, 20)},
    };
    EXPECT_EQ(seen, expected);
    RECT client;
    GetClientRect(w.hwnd, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    POINT cursor, origin{0, 0};
    GetCursorPos(&cursor);
    ClientToScreen(w.hwnd, &origin);
    EXPECT_EQ(cursor.x, origin.x + 10);
    EXPECT_EQ(cursor.y, origin.y + 20);
    key(SDL_KEYUP, SDLK_x);

    e = SDL_Event{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = id;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&e);
    pumpReady();
    EXPECT_FALSE(IsWindow(w.hwnd)) << "the close button closes the window";
}

}  // namespace
