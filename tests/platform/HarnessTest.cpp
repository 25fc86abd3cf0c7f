// The test harness on the offscreen driver: it sees each picture swapped and closes the window
// after N of them (that row 0 is the top shows in the render tests' pictures).

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "Harness.h"
#include "TestWindows.h"

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
