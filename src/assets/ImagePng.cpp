// The PNG half of Image's flat layer, over libpng.

#include "assets/Image.h"
#include "assets/ImageDecoding.h"

#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include <png.h>

namespace {

void pngError(png_structp png, png_const_charp message) {
    auto* text = static_cast<char*>(png_get_error_ptr(png));
    std::snprintf(text, sizeof PNG_HANDLE::message, "%s", message);
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

// The one clean-up path of a handle, whatever state it reached.
void pngFree(PNG_HANDLE* handle) {
    png_destroy_read_struct(&handle->png, &handle->info, nullptr);
    if (handle->file) std::fclose(handle->file);
    std::free(handle->line);
    std::free(handle->image);
    delete handle;
}

struct PngFree {
    void operator()(PNG_HANDLE* handle) const { pngFree(handle); }
};
using PngHandleGuard = std::unique_ptr<PNG_HANDLE, PngFree>;

// The setjmp of each step below lives in that step alone, whose locals the library
// calls do not change, and the jump crosses only the library's C frames.

// Creates the read state and reads the header up to the image data; false on a library
// error or a size too large to accept.
bool pngStart(PNG_HANDLE* handle, std::FILE* file) {
    handle->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, handle->message, pngError, pngWarning);
    handle->info = handle->png ? png_create_info_struct(handle->png) : nullptr;
    if (!handle->info) return false;
    png_structp png = handle->png;
    png_infop info = handle->info;
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);
    return imageSizeAllowed(png_get_image_width(png, info), png_get_image_height(png, info));
}

// Asks for 8-bit RGB or RGBA rows and updates the info record for them; false on a
// library error.
bool pngRequestTransforms(PNG_HANDLE* handle, bool interlaced) {
    png_structp png = handle->png;
    png_infop info = handle->info;
    if (setjmp(png_jmpbuf(png))) return false;
    const int bitDepth = png_get_bit_depth(png, info);
    const int colorType = png_get_color_type(png, info);
    // No shift to the sBIT significant bits: after the expansion to 8 bits it would
    // shift scaled samples down again (a white 4-bit grey would come out 15 of 255).
    if (bitDepth < 8) {
        png_set_packing(png);
        png_set_expand(png);
    }
    if (bitDepth == 16) png_set_strip_16(png);
    // Grey with alpha as well as plain grey: both become real RGB(A) pixels.
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (interlaced) png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

// One row into handle->line; false when the library reported an error.
bool pngReadRow(PNG_HANDLE* handle) {
    if (setjmp(png_jmpbuf(handle->png))) return false;
    png_read_row(handle->png, handle->line, nullptr);
    return true;
}

// The whole picture of an interlaced file. A jump must not cross the caller's row
// table, whose destructor would be skipped.
bool pngReadImage(PNG_HANDLE* handle, png_bytepp rows) {
    if (setjmp(png_jmpbuf(handle->png))) return false;
    png_read_image(handle->png, rows);
    return true;
}

// The chunks after the image data; a file broken there still closes.
void pngReadEnd(PNG_HANDLE* handle) {
    if (setjmp(png_jmpbuf(handle->png))) return;
    if (handle->rowsRead >= handle->height && handle->message[0] == '\0') png_read_end(handle->png, nullptr);
}

// Rows of an interlaced file arrive pass by pass; only the whole picture is complete,
// so it is decoded when the file opens and handed out row by row.
bool pngDecodeInterlaced(PNG_HANDLE* handle, std::size_t rowBytes) {
    handle->image = static_cast<unsigned char*>(std::calloc(rowBytes * handle->height, 1));
    if (!handle->image) return false;
    Array<png_bytep> rows(handle->height);
    for (uint32_t y = 0; y < handle->height; ++y) rows[y] = handle->image + rowBytes * y;
    return pngReadImage(handle, rows.data());
}

}  // namespace

int32_t pngGetInfo(const char* path, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    return getInfoFromPath(path, width, height, bitsPerPixel, pngGetInfo);
}

int32_t pngGetInfo(std::FILE* file, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    *width = *height = *bitsPerPixel = 0;
    const PngHandleGuard handle(new (std::nothrow) PNG_HANDLE);  // the file stays the caller's
    if (!handle || !pngStart(handle.get(), file)) return -1;
    *width = static_cast<int32_t>(png_get_image_width(handle->png, handle->info));
    *height = static_cast<int32_t>(png_get_image_height(handle->png, handle->info));
    *bitsPerPixel = png_get_bit_depth(handle->png, handle->info) * png_get_channels(handle->png, handle->info);
    return 0;
}

PNG_HANDLE* pngOpen(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    return file ? pngOpen(file) : nullptr;
}

PNG_HANDLE* pngOpen(std::FILE* file) {
    PngHandleGuard handle(new (std::nothrow) PNG_HANDLE);
    if (!handle) {
        std::fclose(file);
        return nullptr;
    }
    handle->file = file;
    if (!pngStart(handle.get(), file)) return nullptr;
    png_structp png = handle->png;
    png_infop info = handle->info;
    handle->headerBitsPerPixel = png_get_bit_depth(png, info) * png_get_channels(png, info);
    const bool interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    if (!pngRequestTransforms(handle.get(), interlaced)) return nullptr;
    handle->width = png_get_image_width(png, info);
    handle->height = png_get_image_height(png, info);
    handle->bitsPerPixel = png_get_bit_depth(png, info) * png_get_channels(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    handle->line = static_cast<unsigned char*>(std::calloc(rowBytes, 1));
    if (!handle->line) return nullptr;
    if (interlaced && !pngDecodeInterlaced(handle.get(), rowBytes)) return nullptr;
    return handle.release();
}

int32_t pngReadLine(uint32_t* dst, PNG_HANDLE* handle) {
    if (handle->bitsPerPixel != 24 && handle->bitsPerPixel != 32) return 0;
    if (handle->rowsRead >= handle->height) {
        std::memset(dst, 0, handle->width * sizeof(uint32_t));
        return 0;
    }
    const unsigned char* p = handle->line;
    if (handle->image) {
        p = handle->image + static_cast<std::size_t>(handle->rowsRead) * (handle->bitsPerPixel / 8) * handle->width;
    } else if (!pngReadRow(handle)) {
        std::memset(dst, 0, handle->width * sizeof(uint32_t));
        handle->rowsRead = handle->height;  // the stream is broken: no further rows
        return -1;
    }
    ++handle->rowsRead;
    if (handle->bitsPerPixel == 24) {
        for (uint32_t x = 0; x < handle->width; ++x, p += 3) dst[x] = packRGBA(p[0], p[1], p[2], 255);
    } else {
        std::memcpy(dst, p, handle->width * sizeof(uint32_t));  // R, G, B, A bytes already in order
    }
    return 0;
}

int32_t pngClose(PNG_HANDLE* handle) {
    pngReadEnd(handle);
    pngFree(handle);
    return 0;
}

const char* pngErrorMessage(const PNG_HANDLE* handle) { return handle->message; }
