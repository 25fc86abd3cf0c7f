#include "render/SPformat.h"

#include "base/Error.h"

#include <cstdarg>
#include <cstdio>
#include <string>

SPformat::SPformat(Sprite& sprite, int32_t basePcg, int32_t cellWidth, int32_t cellHeight)
    : sprite(&sprite), basePcg(basePcg), cellWidth(cellWidth), cellHeight(cellHeight) {}

void SPformat::putc(int32_t c) {
    if (c == '\n') {
        ++row;
        column = 0;
    }
    // A full list drops the character; the text is simply shorter this frame.
    sprite->addSprite2D(basePcg + c, column * cellWidth + originX + cellWidth / 2,
                        row * cellHeight + originY + cellHeight / 2);
    ++column;
}

void SPformat::print(int32_t x, int32_t y, const char* format, ...) {
    column = 0;
    row = 0;
    originX = x;
    originY = y;
    // The status line fits the stack buffer; longer texts are formatted a second time.
    char stackText[256];
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(stackText, sizeof stackText, format, args);
    va_end(args);
    std::string heapText;
    const char* text = stackText;
    if (length >= static_cast<int>(sizeof stackText)) {
        heapText.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(heapText.data(), heapText.size(), format, again);
        text = heapText.data();
    }
    va_end(again);
    if (length < 0) throw Error("SPformat::print(): formatting failed");
    for (int i = 0; i < length; ++i) putc(static_cast<unsigned char>(text[i]));
}
