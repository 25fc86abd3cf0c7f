#include "assets/Image.h"

#include "base/Error.h"
#include "base/Regex.h"

#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>
#include <png.h>

namespace {

bool sizeAllowed(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= static_cast<uint64_t>(kMaxImagePixels);
}

uint32_t packRGBA(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r | g << 8 | b << 16 | a << 24; }

// ---- JPEG ----------------------------------------------------------------------------

// The library's standard error manager ends the process on a fatal error; this one
// records the message and jumps back to the call that started the work.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings are not printed; a file that ends early is a failure, not a grey picture.
void jpegEmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) jpegErrorExit(cinfo);
    if (level < 0) ++cinfo->err->num_warnings;
}

void jpegOutputMessage(j_common_ptr) {}

void installJpegErrors(JpegErrorManager& err) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = jpegErrorExit;
    err.pub.emit_message = jpegEmitMessage;
    err.pub.output_message = jpegOutputMessage;
    err.message[0] = '\0';
}

// Kept out of the functions that call setjmp, so that nothing they change lives in a
// register across the jump.
bool jpegStart(jpeg_decompress_struct& cinfo, std::FILE* file) {
    jpeg_CreateDecompress(&cinfo, 62, sizeof(jpeg_decompress_struct));
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    if (!sizeAllowed(cinfo.image_width, cinfo.image_height)) return false;
    jpeg_start_decompress(&cinfo);
    return true;
}

// ---- PNG -----------------------------------------------------------------------------

void pngError(png_structp png, png_const_charp message) {
    auto* text = static_cast<char*>(png_get_error_ptr(png));
    std::snprintf(text, sizeof PNG_HANDLE::message, "%s", message);
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

// Reads the header and checks the size; false for an image too large to accept.
bool pngReadHeader(png_structp png, png_infop info, std::FILE* file) {
    png_init_io(png, file);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);
    return sizeAllowed(png_get_image_width(png, info), png_get_image_height(png, info));
}

void pngRequestTransforms(png_structp png, png_infop info) {
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
}

// One row into handle->line; false when the library reported an error. The setjmp
// lives here alone, so the callers' variables survive the jump.
bool pngReadRow(PNG_HANDLE* handle) {
    if (setjmp(png_jmpbuf(handle->png))) return false;
    png_read_row(handle->png, handle->line, nullptr);
    return true;
}

// The whole picture of an interlaced file. Its own setjmp: a jump must not cross the
// caller's row table, whose destructor would be skipped.
bool pngReadImage(PNG_HANDLE* handle, png_bytepp rows) {
    if (setjmp(png_jmpbuf(handle->png))) return false;
    png_read_image(handle->png, rows);
    return true;
}

bool jpegReadRow(JPG_HANDLE* handle) {
    auto* err = reinterpret_cast<JpegErrorManager*>(handle->jerr);
    if (setjmp(err->jump)) return false;
    JSAMPROW row = handle->line;
    jpeg_read_scanlines(handle->cinfo, &row, 1);
    return true;
}

void pngFree(PNG_HANDLE* handle) {
    png_destroy_read_struct(&handle->png, &handle->info, nullptr);
    if (handle->file) std::fclose(handle->file);
    std::free(handle->line);
    std::free(handle->image);
    delete handle;
}

void jpgFree(JPG_HANDLE* handle) {
    if (handle->cinfo) jpeg_destroy_decompress(handle->cinfo);
    if (handle->file) std::fclose(handle->file);
    std::free(handle->line);
    delete reinterpret_cast<JpegErrorManager*>(handle->jerr);
    delete handle->cinfo;
    delete handle;
}

}  // namespace

// ---- JPEG layer ----------------------------------------------------------------------

int32_t jpgGetInfo(const char* path, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    *width = *height = *bitsPerPixel = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return -1;
    const int32_t result = jpgGetInfo(file, width, height, bitsPerPixel);
    std::fclose(file);
    return result;
}

int32_t jpgGetInfo(std::FILE* file, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    *width = *height = *bitsPerPixel = 0;
    jpeg_decompress_struct cinfo{};
    JpegErrorManager err;
    cinfo.err = &err.pub;
    installJpegErrors(err);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return -1;
    }
    if (!jpegStart(cinfo, file)) {
        jpeg_destroy_decompress(&cinfo);
        return -1;
    }
    *width = static_cast<int32_t>(cinfo.output_width);
    *height = static_cast<int32_t>(cinfo.output_height);
    *bitsPerPixel = cinfo.output_components * 8;
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

JPG_HANDLE* jpgOpen(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    return file ? jpgOpen(file) : nullptr;
}

JPG_HANDLE* jpgOpen(std::FILE* file) {
    auto* handle = new (std::nothrow) JPG_HANDLE;
    if (!handle) {
        std::fclose(file);
        return nullptr;
    }
    handle->file = file;
    auto* err = new (std::nothrow) JpegErrorManager;
    handle->cinfo = new (std::nothrow) jpeg_decompress_struct();
    if (!err || !handle->cinfo) {
        delete err;
        delete handle->cinfo;
        std::fclose(handle->file);
        delete handle;
        return nullptr;
    }
    handle->jerr = &err->pub;
    handle->cinfo->err = &err->pub;
    installJpegErrors(*err);
    jpeg_decompress_struct* cinfo = handle->cinfo;
    if (setjmp(err->jump)) {
        jpgFree(handle);
        return nullptr;
    }
    if (!jpegStart(*cinfo, handle->file)) {
        jpgFree(handle);
        return nullptr;
    }
    handle->line = static_cast<unsigned char*>(std::calloc(
        static_cast<std::size_t>(cinfo->output_width) * static_cast<std::size_t>(cinfo->output_components), 1));
    if (!handle->line) {
        jpgFree(handle);
        return nullptr;
    }
    return handle;
}

int32_t jpgReadLine(uint32_t* dst, JPG_HANDLE* handle) {
    jpeg_decompress_struct* cinfo = handle->cinfo;
    const JDIMENSION width = cinfo->output_width;
    if (cinfo->output_scanline >= cinfo->output_height) {
        std::memset(dst, 0, width * sizeof(uint32_t));
        return 0;
    }
    // After a library error the decompressor is in no state to go on.
    if (reinterpret_cast<JpegErrorManager*>(handle->jerr)->message[0] != '\0' || !jpegReadRow(handle)) {
        std::memset(dst, 0, width * sizeof(uint32_t));
        return -1;
    }
    const int components = cinfo->output_components;
    const unsigned char* p = handle->line;
    for (JDIMENSION x = 0; x < width; ++x, p += components) {
        if (components < 3) {
            // Grey, or two components in no named colour space: grey from the first.
            dst[x] = packRGBA(p[0], p[0], p[0], 255);
        } else if (components == 4) {
            // CMYK: Adobe writes the inks inverted (0 is full ink).
            const uint32_t c = p[0], m = p[1], y = p[2], k = p[3];
            if (cinfo->saw_Adobe_marker)
                dst[x] = packRGBA(c * k / 255, m * k / 255, y * k / 255, 255);
            else
                dst[x] = packRGBA((255 - c) * (255 - k) / 255, (255 - m) * (255 - k) / 255,
                                  (255 - y) * (255 - k) / 255, 255);
        } else {
            dst[x] = packRGBA(p[0], p[1], p[2], 255);  // RGB, or the first three of more
        }
    }
    return 0;
}

int32_t jpgClose(JPG_HANDLE* handle) {
    auto* err = reinterpret_cast<JpegErrorManager*>(handle->jerr);
    // Finishing a file whose rows were not all read is an error for the library; the
    // handle goes all the same.
    if (!setjmp(err->jump)) {
        if (err->message[0] == '\0' && handle->cinfo->output_scanline >= handle->cinfo->output_height)
            jpeg_finish_decompress(handle->cinfo);
    }
    jpgFree(handle);
    return 0;
}

const char* jpgErrorMessage(const JPG_HANDLE* handle) {
    return reinterpret_cast<const JpegErrorManager*>(handle->jerr)->message;
}

// ---- PNG layer -----------------------------------------------------------------------

int32_t pngGetInfo(const char* path, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    *width = *height = *bitsPerPixel = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return -1;
    const int32_t result = pngGetInfo(file, width, height, bitsPerPixel);
    std::fclose(file);
    return result;
}

int32_t pngGetInfo(std::FILE* file, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    *width = *height = *bitsPerPixel = 0;
    char message[sizeof PNG_HANDLE::message];
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, message, pngError, pngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return -1;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return -1;
    }
    if (!pngReadHeader(png, info, file)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return -1;
    }
    *width = static_cast<int32_t>(png_get_image_width(png, info));
    *height = static_cast<int32_t>(png_get_image_height(png, info));
    *bitsPerPixel = png_get_bit_depth(png, info) * png_get_channels(png, info);
    png_destroy_read_struct(&png, &info, nullptr);
    return 0;
}

PNG_HANDLE* pngOpen(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    return file ? pngOpen(file) : nullptr;
}

PNG_HANDLE* pngOpen(std::FILE* file) {
    auto* handle = new (std::nothrow) PNG_HANDLE;
    if (!handle) {
        std::fclose(file);
        return nullptr;
    }
    handle->file = file;
    handle->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, handle->message, pngError, pngWarning);
    handle->info = handle->png ? png_create_info_struct(handle->png) : nullptr;
    if (!handle->info) {
        pngFree(handle);
        return nullptr;
    }
    png_structp png = handle->png;
    png_infop info = handle->info;
    if (setjmp(png_jmpbuf(png))) {
        pngFree(handle);
        return nullptr;
    }
    if (!pngReadHeader(png, info, handle->file)) {
        pngFree(handle);
        return nullptr;
    }
    pngRequestTransforms(png, info);
    const bool interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    if (interlaced) png_set_interlace_handling(png);
    png_read_update_info(png, info);
    handle->width = png_get_image_width(png, info);
    handle->height = png_get_image_height(png, info);
    handle->bitsPerPixel = png_get_bit_depth(png, info) * png_get_channels(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    handle->line = static_cast<unsigned char*>(std::calloc(rowBytes, 1));
    if (!handle->line) {
        pngFree(handle);
        return nullptr;
    }
    if (interlaced) {
        // Rows of an interlaced file arrive pass by pass; only the whole picture is
        // complete, so it is decoded here and handed out row by row.
        handle->image = static_cast<unsigned char*>(std::calloc(rowBytes * handle->height, 1));
        if (!handle->image) {
            pngFree(handle);
            return nullptr;
        }
        Array<png_bytep> rows(handle->height);
        for (uint32_t y = 0; y < handle->height; ++y) rows[y] = handle->image + rowBytes * y;
        if (!pngReadImage(handle, rows.data())) {
            pngFree(handle);
            return nullptr;
        }
    }
    return handle;
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
    } else {
        if (!pngReadRow(handle)) {
            std::memset(dst, 0, handle->width * sizeof(uint32_t));
            handle->rowsRead = handle->height;  // the stream is broken: no further rows
            return -1;
        }
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
    // The chunks after the image data; a file broken there still closes.
    if (!setjmp(png_jmpbuf(handle->png))) {
        if (handle->rowsRead >= handle->height && handle->message[0] == '\0') png_read_end(handle->png, nullptr);
    }
    pngFree(handle);
    return 0;
}

const char* pngErrorMessage(const PNG_HANDLE* handle) { return handle->message; }

// ---- Image ---------------------------------------------------------------------------

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

int32_t Image::openStreams(const std::string& name, const std::function<std::FILE*()>& openStream) {
    const Regex jpgName(".jpg$", true);
    const Regex pngName(".png$", true);
    if (state != FileOPstat::NONE) close();
    const bool jpeg = jpgName.found(name);
    if (!jpeg && !pngName.found(name)) return -1;
    // The header is read once to check it, then the decoder opens a stream of its own.
    int32_t w = 0, h = 0, bpp = 0;
    std::FILE* header = openStream();
    if (!header) return -1;
    const int32_t info = jpeg ? jpgGetInfo(header, &w, &h, &bpp) : pngGetInfo(header, &w, &h, &bpp);
    std::fclose(header);
    if (info != 0) return -1;
    std::FILE* stream = openStream();
    if (!stream) return -1;
    if (jpeg) {
        jpg = jpgOpen(stream);
        if (!jpg) return -1;
        state = FileOPstat::JPG;
    } else {
        png = pngOpen(stream);
        if (!png) return -1;
        state = FileOPstat::PNG;
    }
    fileName = name;
    width = w;
    height = h;
    bitsPerPixel = bpp;
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
