#include "app/Win32Frame.h"

#include "win/MainWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A main window that, once created, queues a key press and a message of its own; it
// counts what the runner dispatches and closes itself after WM_USER, as a user would.
class CountingWindow : public MainWindow {
public:
    explicit CountingWindow(const std::string& className) : MainWindow("counting") { setClassName(className); }

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE:
            PostMessageW(window, WM_KEYDOWN, 'A', 0x001E0001);
            PostMessageW(window, WM_USER, 0, 0);
            break;
        case WM_CHAR: ++characters; break;
        case WM_USER:
            ++userMessages;
            PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        case WM_DESTROY: PostQuitMessage(0); break;
        default: break;
        }
        return MainWindow::handleMessage(window, message, wParam, lParam);
    }

    int userMessages = 0;
    int characters = 0;
};

}  // namespace

TEST(Win32FrameTest, TranslatesAndDispatchesUntilTheWindowCloses) {
    CountingWindow window("CountingWindow");
    Win32Frame runner;
    runner.setFrame(&window);
    runner.setWindowRect(CW_USEDEFAULT, CW_USEDEFAULT, 520, 539);
    runner.setStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    EXPECT_EQ(runner.run(), 0);
    EXPECT_EQ(window.userMessages, 1);
    // No accelerator table swallowed the key: it was translated into a character.
    EXPECT_EQ(window.characters, 1);
    EXPECT_FALSE(IsWindow(window.getHwnd()));
}
