#include "GLWindow.h"

#include "assets/PngWriter.h"

#include <Harness.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <thread>

namespace {

// A fresh folder for this process's files, removed when the process ends unless a test
// failed (it then holds the pictures of the failures).
struct TempFolder {
    TempFolder() : path((std::filesystem::temp_directory_path() / ("render-test-" + std::to_string(std::random_device()()))).string()) {
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        if (testing::UnitTest::GetInstance()->Failed()) return;
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

int windowsOpened = 0;  // each window registers a class of its own

}  // namespace

std::string tempFolder() {
    static const TempFolder folder;
    return folder.path;
}

GLWindow::GLWindow() : GameFrame("render test", "RenderTest" + std::to_string(++windowsOpened)) {
    Harness::forceHeadless();
    setClientSize(512, 512);
    RECT outer{0, 0, 512, 512};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    AdjustWindowRect(&outer, style, FALSE);
    if (open(style, 0, 0, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr) != 0)
        throw std::runtime_error("the test window does not open");
    while (!looping) std::this_thread::yield();
    Harness::setPictureHook([this](const Harness::Picture& picture) {
        lastPicture = {picture.width, picture.height, picture.pixels};
        ++paints;
    });
}

GLWindow::~GLWindow() {
    Harness::setPictureHook(nullptr);
    DestroyWindow(getHwnd());
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
}

int GLWindow::gameLoop() {
    startPresenting();
    looping = true;
    while (!stopping()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 0;
}

Picture GLWindow::draw() {
    RedrawWindow(getHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return lastPicture;
}


std::string writeTempFile(const std::string& name, const std::string& text) {
    const std::string path = tempFolder() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string writeTempPng(const std::string& name, int width, int height, const std::vector<uint32_t>& pixels) {
    const std::string path = tempFolder() + "/" + name;
    const std::string error = writePng(path, width, height, pixels);
    if (!error.empty()) throw std::runtime_error(error);
    return path;
}
