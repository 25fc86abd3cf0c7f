#pragma once
// Test support: a headless GL window of the framework with a renderer and its GameInfo; it
// paints as the game window does, and keeps the pictures presented. The test thread is the
// window thread, and does a game loop's work itself.

#include "TestWindows.h"  // rgb, createGLContext
#include "gameinfo/GameInfo.h"
#include "render/Sprite.h"
#include "win/MainWindow.h"

#include <cstdint>
#include <string>
#include <vector>

// A picture, top row first, one uint32_t per pixel with bytes R, G, B, A in memory order.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x) | 0xFF000000u; }
    int red(int x, int y) const { return static_cast<int>(at(x, y) & 0xFF); }
    int green(int x, int y) const { return static_cast<int>((at(x, y) >> 8) & 0xFF); }
    int blue(int x, int y) const { return static_cast<int>((at(x, y) >> 16) & 0xFF); }
};

// 512 x 512 inside, the renderer's design size too.
class GLWindow : public MainWindow {
public:
    GLWindow();
    ~GLWindow() override;

    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Paints the renderer's current lists and returns the picture presented.
    Picture draw();
    Sprite& getSprite() { return sprite; }

    GameInfo info;
    Picture lastPicture;  // the last one presented
    int paints = 0;       // pictures presented

private:
    Sprite sprite;  // after info, and gone before it
};

// This process's temporary folder, removed when the process ends unless a test failed.
std::string tempFolder();
// Writes text to a new file in the temporary folder and returns its path.
std::string writeTempFile(const std::string& name, const std::string& text);
// Writes a width x height RGBA PNG (pixels top row first, bytes R, G, B, A); returns its path.
std::string writeTempPng(const std::string& name, int width, int height, const std::vector<uint32_t>& pixels);
