#include "assets/Image.h"

#include "base/Error.h"

#include <cctype>
#include <cstdio>
#include <string_view>

// The decoders live in ImagePng.cpp and ImageJpeg.cpp.

Image::~Image() { close(); }

int32_t Image::getWidth() { return width; }
int32_t Image::getHeight() { return height; }
int32_t Image::getBitsPerPixel() { return bitsPerPixel; }

int32_t Image::open(const std::string& name, const std::string& /*mode*/) {
    const std::string path = name.c_str();  // stops at a NUL, like the C library will
    return openStreams(name, [&] { return std::fopen(path.c_str(), "rb"); });
}

int32_t Image::openMemory(const void* data, std::size_t size, const std::string& name) {
#ifdef _WIN32
    // No fmemopen here: a temporary file that goes when closed stands in.
    return openStreams(name, [&]() -> std::FILE* {
        std::FILE* file = std::tmpfile();
        if (file && (std::fwrite(data, 1, size, file) != size || std::fseek(file, 0, SEEK_SET) != 0)) {
            std::fclose(file);
            return nullptr;
        }
        return file;
    });
#else
    // glibc reads an empty buffer as an empty file; the stream never writes.
    return openStreams(name, [&] { return fmemopen(const_cast<void*>(data), size, "rb"); });
#endif
}

namespace {

// Whether the name ends in any character followed by the three letters of `extension` in any
// letter case: "a.PNG", and also "a_png".
bool endsLike(std::string_view name, std::string_view extension) {
    if (name.size() <= extension.size()) return false;
    const std::string_view tail = name.substr(name.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != extension[i]) return false;
    return true;
}

}  // namespace

int32_t Image::openStreams(const std::string& name, const std::function<std::FILE*()>& openStream) {
    if (state != FileOPstat::NONE) close();
    const bool jpeg = endsLike(name, "jpg");
    if (!jpeg && !endsLike(name, "png")) return -1;
    // One stream, read once: the decoder checks the header as it opens.
    std::FILE* stream = openStream();
    if (!stream) return -1;
    if (jpeg) {
        jpg = jpgOpen(stream);
        if (!jpg) return -1;
        state = FileOPstat::JPG;
        width = static_cast<int32_t>(jpg->width);
        height = static_cast<int32_t>(jpg->height);
        bitsPerPixel = jpg->headerBitsPerPixel;
    } else {
        png = pngOpen(stream);
        if (!png) return -1;
        state = FileOPstat::PNG;
        width = static_cast<int32_t>(png->width);
        height = static_cast<int32_t>(png->height);
        bitsPerPixel = png->headerBitsPerPixel;
    }
    fileName = name;
    return 0;
}

Array<uint32_t> Image::readPixels(int32_t rows) {
    if (state == FileOPstat::NONE || rows <= 0) return {};
    Array<uint32_t> pixels(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width), 0u);
    for (int32_t i = 0; i < rows; ++i) {
        uint32_t* row = pixels.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(width);
        if (state == FileOPstat::JPG) {
            if (jpgReadLine(row, jpg) != 0)
                throw Error("Image::readPixels(): " + fileName + ": " + jpgErrorMessage(jpg));
        } else {
            if (pngReadLine(row, png) != 0)
                throw Error("Image::readPixels(): " + fileName + ": " + pngErrorMessage(png));
        }
    }
    return pixels;
}

int32_t Image::close() {
    if (state == FileOPstat::JPG && jpg) jpgClose(jpg);
    if (state == FileOPstat::PNG && png) pngClose(png);
    jpg = nullptr;
    png = nullptr;
    state = FileOPstat::NONE;
    width = height = bitsPerPixel = 0;
    fileName.clear();
    return 0;
}
