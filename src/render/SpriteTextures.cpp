// Sprite: the 2D patterns and the textures of model materials, decoded from image files.
#include "render/Sprite.h"

#include "assets/Image.h"
#include "base/Error.h"
#include "render/RenderContext.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <vector>

// OpenGL 1.1 headers (Windows) stop before 1.2; the value is fixed by the GL registry.
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

bool Sprite::readImage(const std::string& fileName, int32_t& width, int32_t& height, Array<uint32_t>& pixels) {
    Image image;
    if (image.open(fileName, "r") < 0) {
        image.close();
        return false;
    }
    width = image.getWidth();
    height = image.getHeight();
    pixels = image.readPixels(height);
    image.close();
    return true;
}

void Sprite::fillPatternTexture(PCG2D& pattern) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, pattern.width, pattern.height, GL_RGBA, GL_UNSIGNED_BYTE,
                      pattern.pixels.data());
    pattern.textureFilled = true;
}

int32_t Sprite::loadPattern(const std::string& fileName, int32_t pcg) {
    if (pcg < 0 || static_cast<std::size_t>(pcg) >= pcg2D.size()) return -1;
    PCG2D pattern;
    if (!readImage(fileName, pattern.width, pattern.height, pattern.pixels)) {
        std::printf("can not load texture png (%s)\n", fileName.c_str());
        return -1;
    }
    std::vector<PCG2D> one(1);
    one[0] = std::move(pattern);
    storePatterns(pcg, one);
    return 0;
}

void Sprite::storePatterns(int32_t firstPcg, std::vector<PCG2D>& patterns) {
    {  // one current scope for a whole sheet: each make-current costs the driver a flush
        RenderContext gl(*info);
        if (!gl.current()) throw Error("Failed wglMakeCurrent");
        for (PCG2D& pattern : patterns) {
            GLuint texture = 0;
            glGenTextures(1, &texture);
            pattern.texture = texture;
            // What a load leaves behind for the next frame, as when the image was made here.
            glBindTexture(GL_TEXTURE_2D, texture);
            glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
        }
    }
    const auto guard = lists.hold();
    for (std::size_t i = 0; i < patterns.size(); ++i) pcg2D[firstPcg + i] = std::move(patterns[i]);
}

int32_t Sprite::loadPatternSheet(const std::string& fileName, int32_t firstPcg, int32_t cellWidth, int32_t cellHeight,
                                 int32_t maxColumns, int32_t maxRows) {
    if (firstPcg < 0 || static_cast<std::size_t>(firstPcg) >= pcg2D.size()) return -1;
    // A cell of no size would divide by zero below.
    if (cellWidth < 1 || cellHeight < 1) return -1;
    int32_t sheetWidth = 0;
    int32_t sheetHeight = 0;
    Array<uint32_t> sheet;
    if (!readImage(fileName, sheetWidth, sheetHeight, sheet)) {
        std::printf("can not load texture png (%s)\n", fileName.c_str());
        return -1;
    }
    const int32_t columns = std::min(sheetWidth / cellWidth, maxColumns);
    const int32_t rows = std::min(sheetHeight / cellHeight, maxRows);
    std::vector<PCG2D> cells;
    cells.reserve(static_cast<std::size_t>(std::max(rows, 0) * std::max(columns, 0)));
    for (int32_t r = 0; r < rows; ++r) {
        for (int32_t c = 0; c < columns; ++c) {
            PCG2D& pattern = cells.emplace_back();
            pattern.pixels.resize(static_cast<std::size_t>(cellWidth) * cellHeight);
            pattern.width = cellWidth;
            pattern.height = cellHeight;
            for (int32_t y = 0; y < cellHeight; ++y) {
                const std::size_t from =
                    (static_cast<std::size_t>(r) * cellHeight + y) * sheetWidth + static_cast<std::size_t>(c) * cellWidth;
                std::copy_n(sheet.data() + from, cellWidth, pattern.pixels.data() + static_cast<std::size_t>(y) * cellWidth);
            }
        }
    }
    storePatterns(firstPcg, cells);
    return 0;
}

int32_t Sprite::createMaterialTexture(int32_t m) {
    checkThat(loadingMesh != nullptr, "createMaterialTexture only while a model loads");
    Material& material = loadingMesh->materials[m];
    if (material.textureFile.empty()) return 0;
    int32_t width = 0;
    int32_t height = 0;
    if (!readImage(material.textureFile, width, height, material.pixels)) {
        std::printf("can not load texture png (%s)\n", loadingFile.c_str());
        return 2;
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    material.textureId = texture;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, material.pixels.data());
    return 0;
}
