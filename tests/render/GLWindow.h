#pragma once
// Test support: a top-level window with a GL context (offscreen on the layer), the
// GameInfo that a renderer reads, and pictures read back with glReadPixels.
//
// The window's procedure paints like the game window does: RenderContext, drawFrame with
// the client size, read-back of the back buffer (kept in lastPicture), SwapBuffers.

#include "game/GameInfo.h"
#include "render/Sprite.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A picture, top row first, one uint32_t per pixel with bytes R, G, B, A in memory order.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
    int red(int x, int y) const { return static_cast<int>(at(x, y) & 0xFF); }
    int green(int x, int y) const { return static_cast<int>((at(x, y) >> 8) & 0xFF); }
    int blue(int x, int y) const { return static_cast<int>((at(x, y) >> 16) & 0xFF); }
    // Writes an RGB PNG (alpha dropped) for looking at; false on failure.
    bool savePng(const std::string& path) const;
};

// Packs r, g, b (and alpha 255) as a picture pixel.
constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16 | 0xFF000000u; }

class GLWindow {
public:
    explicit GLWindow(int clientWidth = 512, int clientHeight = 512);
    ~GLWindow();
    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    // Draws sprite's current lists as a paint would and returns what was drawn.
    Picture draw(Sprite& sprite);
    // Reads the back buffer of the current context.
    Picture readBack() const;

    GameInfo info;
    HWND hwnd = nullptr;
    Picture lastPicture;  // of the last WM_PAINT
    int paints = 0;       // WM_PAINT messages that drew

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
};

// Path of a file below the installation data folder.
std::string dataPath(const std::string& relative);
// Writes text to a new file below a fresh temporary folder and returns its path.
std::string writeTempFile(const std::string& name, const std::string& text);
// Writes a width x height RGBA PNG (pixels top row first, bytes R, G, B, A); returns its path.
std::string writeTempPng(const std::string& name, int width, int height, const std::vector<uint32_t>& pixels);
