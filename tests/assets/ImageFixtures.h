#pragma once
// Writes small PNG and JPEG files for the image tests, with libpng's and libjpeg's own
// encoders, into a fresh temporary folder per test.

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

struct PngLayout {
    uint32_t width = 2;
    uint32_t height = 2;
    int colorType = 2;  // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint8_t> samples;  // packed rows as the file holds them (no filter bytes)
    std::vector<uint8_t> palette;  // r, g, b triples for palette images
    std::vector<uint8_t> alphas;   // tRNS entries for palette images
    int significantBits = 0;       // sBIT for every channel when not 0
};

void writePng(const std::filesystem::path& path, const PngLayout& layout);

// components 1 (grey), 3 (RGB), 4 (CMYK, written as Adobe does: inverted inks), or any
// other count in no named colour space.
void writeJpeg(const std::filesystem::path& path, uint32_t width, uint32_t height, int components,
               const std::vector<uint8_t>& samples, int quality = 100);

std::vector<uint8_t> readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// A folder of its own under the system's temporary folder, removed with it.
struct TempDir {
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() { std::error_code ignored; std::filesystem::remove_all(path, ignored); }
    TempDir(const TempDir&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("twistblocks-assets-" + std::to_string(std::random_device()()));
};
