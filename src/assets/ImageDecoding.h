#pragma once
// What the PNG and JPEG readers share: the size they accept and the pixel they produce.

#include "assets/Image.h"

#include <cstdint>
#include <cstdio>

inline bool imageSizeAllowed(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= static_cast<uint64_t>(kMaxImagePixels);
}

inline uint32_t packRGBA(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r | g << 8 | b << 16 | a << 24; }

// The path form of jpgGetInfo and pngGetInfo: the stream form on the file, closed after.
inline int32_t getInfoFromPath(const char* path, int32_t* width, int32_t* height, int32_t* bitsPerPixel,
                               int32_t (*fromStream)(std::FILE*, int32_t*, int32_t*, int32_t*)) {
    *width = *height = *bitsPerPixel = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return -1;
    const int32_t result = fromStream(file, width, height, bitsPerPixel);
    std::fclose(file);
    return result;
}
