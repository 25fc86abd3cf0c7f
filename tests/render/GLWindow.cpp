#include "GLWindow.h"

#include "render/RenderContext.h"

#include <GL/gl.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace {

const char16_t kClassName[] = u"RenderTestWindow";

// A fresh folder for this process's files, removed when the process ends.
struct TempFolder {
    TempFolder() {
        const auto folder = std::filesystem::temp_directory_path() /
                            ("render-test-" + std::to_string(std::random_device{}()));
        if (!std::filesystem::create_directory(folder)) throw std::runtime_error("no fresh temporary folder");
        path = folder.string();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

std::string tempFolder() {
    static const TempFolder folder;
    return folder.path;
}

// Writes an RGBA PNG; opaque forces every alpha to 255 (pictures to look at).
bool writePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels, bool opaque) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop pngInfo = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &pngInfo);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, pngInfo, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, pngInfo);
    std::vector<uint32_t> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            row[static_cast<std::size_t>(x)] =
                pixels[static_cast<std::size_t>(y) * width + x] | (opaque ? 0xFF000000u : 0u);
        png_write_row(png, reinterpret_cast<png_const_bytep>(row.data()));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &pngInfo);
    return std::fclose(file) == 0;
}

}  // namespace

bool Picture::savePng(const std::string& path) const { return writePng(path, width, height, pixels, true); }

GLWindow::GLWindow(int clientWidth, int clientHeight) {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &GLWindow::procedure;
        windowClass.lpszClassName = reinterpret_cast<LPCWSTR>(kClassName);
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) throw std::runtime_error("RegisterClassExW failed");
    RECT outer{0, 0, clientWidth, clientHeight};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    AdjustWindowRect(&outer, style, FALSE);
    hwnd = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(kClassName), reinterpret_cast<LPCWSTR>(u"render test"),
                           style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                           nullptr, nullptr, nullptr, this);
    if (hwnd == nullptr) throw std::runtime_error("CreateWindowExW failed");
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    RECT client{};
    GetClientRect(hwnd, &client);
    info.hWnd = hwnd;
    info.hDC = GetDC(hwnd);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 32;
    SetPixelFormat(info.hDC, ChoosePixelFormat(info.hDC, &format), &format);
    info.hGLRC = wglCreateContext(info.hDC);
    if (info.hGLRC == nullptr) throw std::runtime_error("wglCreateContext failed");
    info.width = 512;
    info.height = 512;
    info.clientWidth = client.right;
    info.clientHeight = client.bottom;
}

GLWindow::~GLWindow() {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    wglDeleteContext(info.hGLRC);
    ReleaseDC(hwnd, info.hDC);
    DestroyWindow(hwnd);
}

LRESULT CALLBACK GLWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<GLWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window != nullptr) {
        if (message == WM_PAINT) {
            window->paint();
            return 0;
        }
        if (message == WM_SIZE) {
            window->info.clientWidth = LOWORD(lParam);
            window->info.clientHeight = HIWORD(lParam);
            return 0;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void GLWindow::paint() {
    {
        RenderContext gl(info);
        if (gl.current() && info.sprite != nullptr) {
            info.sprite->drawFrame(info.clientWidth, info.clientHeight);
            lastPicture = readBack();
            ++paints;
            SwapBuffers(info.hDC);
        }
    }
    PAINTSTRUCT paintStruct{};
    BeginPaint(hwnd, &paintStruct);
    EndPaint(hwnd, &paintStruct);
}

Picture GLWindow::draw(Sprite& sprite) {
    RenderContext gl(info);
    if (!gl.current()) throw std::runtime_error("the test window's context is taken");
    sprite.drawFrame(info.clientWidth, info.clientHeight);
    Picture picture = readBack();
    SwapBuffers(info.hDC);
    return picture;
}

Picture GLWindow::readBack() const {
    Picture picture;
    picture.width = info.clientWidth;
    picture.height = info.clientHeight;
    std::vector<uint32_t> bottomUp(static_cast<std::size_t>(picture.width) * picture.height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    picture.pixels.resize(bottomUp.size());
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(picture.height - 1 - y) * picture.width,
                    picture.width, picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width);
    return picture;
}

std::string dataPath(const std::string& relative) { return std::string(TWISTBLOCKS_DATA_DIR) + "/" + relative; }

std::string writeTempFile(const std::string& name, const std::string& text) {
    const std::string path = tempFolder() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string writeTempPng(const std::string& name, int width, int height, const std::vector<uint32_t>& pixels) {
    const std::string path = tempFolder() + "/" + name;
    if (!writePng(path, width, height, pixels, false)) throw std::runtime_error("cannot write " + path);
    return path;
}
