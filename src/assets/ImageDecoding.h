#pragma once
// What the PNG and JPEG readers share: the size they accept and the pixel they produce.

#include "assets/Image.h"

#include <cstdint>

inline bool imageSizeAllowed(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= static_cast<uint64_t>(kMaxImagePixels);
}

inline uint32_t packRGBA(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r | g << 8 | b << 16 | a << 24; }
