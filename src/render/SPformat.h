#pragma once
// SPformat: formatted text drawn as 2D glyph sprites of a Sprite, one per character. The
// glyph of character code c is 2D pattern basePcg + c (a font sheet loaded with
// Sprite::loadPatternSheet in code order). Characters sit on a grid of cellWidth x
// cellHeight design pixels whose cell (0, 0) has its top-left corner at the origin given to
// print; each glyph sprite is centred on its cell.
//
// There is no wrapping and no control character except the line feed, which moves to
// column 0 of the next row and is then drawn there as its own glyph like any other code.
// A character that does not fit in the full 2D sprite list is dropped.
//
// Loop thread only, between Sprite::beginFrame and Sprite::endFrame.

#include "render/Sprite.h"

#include <cstdint>

class SPformat {
public:
    SPformat(Sprite& sprite, int32_t basePcg, int32_t cellWidth, int32_t cellHeight);
    virtual ~SPformat() = default;

    // Places character code c at the current cell and moves one column on.
    virtual void putc(int32_t c);
    // Formats like printf and places every produced character (as its byte value 0 to 255)
    // through putc, starting at cell (0, 0) with its top-left corner at design pixel (x, y).
    // A format the C library rejects raises Error "SPformat::print(): formatting failed".
    [[gnu::format(printf, 4, 5)]] virtual void print(int32_t x, int32_t y, const char* format, ...);

    Sprite* sprite;
    int32_t basePcg;
    int32_t column = 0;
    int32_t row = 0;
    int32_t originX = 0;
    int32_t originY = 0;
    int32_t cellWidth;
    int32_t cellHeight;
};
