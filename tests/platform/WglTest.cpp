// WGL on the offscreen driver: a context is current on one thread at a time (that a released
// context serves another thread is the renderer's tests' part), and the harness sees each
// picture swapped and closes after N of them (that row 0 is the top shows in the render
// tests' pictures).

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "Harness.h"
#include "TestWindows.h"

TEST(Wgl, ContextIsCurrentOnOneThreadAtATime) {
    GLTestWindow w(64, 48);
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    std::atomic<BOOL> taken{TRUE}, deleted{TRUE};
    std::atomic<DWORD> error{0};
    auto intruder = [&] {
        taken = wglMakeCurrent(w.dc, w.rc);
        error = GetLastError();
        deleted = wglDeleteContext(w.rc);
    };
    ASSERT_TRUE(waitAndClose(startThread(&intruder)));
    EXPECT_FALSE(taken) << "held by the main thread";
    EXPECT_EQ(error, DWORD(ERROR_BUSY));
    EXPECT_FALSE(deleted) << "cannot delete a context current on another thread";
    wglMakeCurrent(nullptr, nullptr);
}

TEST(Harness, PictureHookSeesEachFrameAndCloseAfterFramesCloses) {
    GLTestWindow w(64, 48);
    std::vector<Harness::Picture> pictures;
    Harness::setPictureHook([&](const Harness::Picture& p) { pictures.push_back(p); });
    Harness::closeAfterFrames(2);
    const uint64_t before = Harness::presentedFrames();
    ASSERT_TRUE(wglMakeCurrent(w.dc, w.rc));
    for (int frame = 0; frame < 2; ++frame) {
        glClearColor(float(frame), 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
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
        EXPECT_EQ(p.pixels.back(), rgb(frame ? 255 : 0, 0, 0));
    }
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, w.hwnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
}
