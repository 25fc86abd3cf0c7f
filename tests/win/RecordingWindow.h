#pragma once
// A MainWindow that records the order in which its handlers see messages. Each one has a
// window class of its own unless named, so tests can run in one process.

#include "win/MainWindow.h"

#include <string>
#include <vector>

class RecordingWindow : public MainWindow {
public:
    explicit RecordingWindow(const std::string& caption, const std::string& className = "")
        : MainWindow(caption) {
        static int created = 0;
        setClassName(className.empty() ? "RecordingWindow" + std::to_string(++created) : className);
    }

    LRESULT subclassHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == watched) calls.push_back("subclassHook");
        return MainWindow::subclassHook(window, message, wParam, lParam);
    }
    LRESULT routeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == watched) calls.push_back("routeMessage");
        if (message == WM_CREATE) hwndAtCreate = hwnd;
        if (message == WM_SIZE) sizes.push_back(lParam);
        return MainWindow::routeMessage(window, message, wParam, lParam);
    }
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == watched) calls.push_back("handleMessage");
        return MainWindow::handleMessage(window, message, wParam, lParam);
    }

    UINT watched = WM_USER + 1;
    std::vector<std::string> calls;
    std::vector<LPARAM> sizes;
    HWND hwndAtCreate = nullptr;
};
