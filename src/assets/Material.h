#pragma once
// Material and Color: the plain records of one MTL material. Colours are red, green,
// blue, alpha, each nominally 0 to 1. The loader fills the colours and textureFile; the
// renderer fills textureId and pixels when it builds the texture.

#include "base/Array.h"

#include <cstdint>
#include <string>

struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

struct Material {
    Color diffuse;
    Color ambient;
    Color specular;
    // Path of the map_Kd image, already joined to the model's directory; empty for none.
    std::string textureFile;
    // GL texture name; 0 until the renderer creates the texture.
    uint32_t textureId = 0;
    // Packed RGBA pixels as Image::readPixels returns them; empty until decoded.
    Array<uint32_t> pixels;
};
