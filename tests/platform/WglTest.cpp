// WGL on the offscreen driver: a context is current on one thread at a time (that a released
// context serves another thread is the renderer's tests' part).

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <atomic>

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
