// WGL on the offscreen driver: a context is current on one thread at a time.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <atomic>

#include "TestWindows.h"

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
