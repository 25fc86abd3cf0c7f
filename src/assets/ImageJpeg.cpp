// The JPEG half of Image's flat layer, over libjpeg.

#include "assets/Image.h"
#include "assets/ImageDecoding.h"

#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// The library's standard error manager ends the process on a fatal error; this one
// records the message and jumps back to the call that started the work.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

JpegErrorManager* errorsOf(const JPG_HANDLE* handle) { return reinterpret_cast<JpegErrorManager*>(handle->jerr); }

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

// The one clean-up path of a handle, whatever state it reached.
void jpgFree(JPG_HANDLE* handle) {
    if (handle->cinfo) jpeg_destroy_decompress(handle->cinfo);
    if (handle->file) std::fclose(handle->file);
    std::free(handle->line);
    delete errorsOf(handle);
    delete handle->cinfo;
    delete handle;
}

struct JpgFree {
    void operator()(JPG_HANDLE* handle) const { jpgFree(handle); }
};
using JpgHandleGuard = std::unique_ptr<JPG_HANDLE, JpgFree>;

// A handle with its decompression record and error manager, not yet reading; null when
// memory runs out.
JpgHandleGuard newHandle() {
    JpgHandleGuard handle(new (std::nothrow) JPG_HANDLE);
    if (!handle) return handle;
    auto* err = new (std::nothrow) JpegErrorManager;
    if (!err) return nullptr;
    handle->jerr = &err->pub;
    handle->cinfo = new (std::nothrow) jpeg_decompress_struct();
    if (!handle->cinfo) return nullptr;
    jpeg_std_error(&err->pub);
    err->pub.error_exit = jpegErrorExit;
    err->pub.emit_message = jpegEmitMessage;
    err->pub.output_message = jpegOutputMessage;
    err->message[0] = '\0';
    handle->cinfo->err = &err->pub;
    return handle;
}

// Reads the header and starts decompression; false on a library error or a size too
// large to accept. The setjmp lives in this function alone, whose locals the library
// calls do not change, and the jump crosses only the library's C frames.
bool jpegStart(JPG_HANDLE* handle, std::FILE* file) {
    jpeg_decompress_struct* cinfo = handle->cinfo;
    if (setjmp(errorsOf(handle)->jump)) return false;
    jpeg_CreateDecompress(cinfo, 62, sizeof(jpeg_decompress_struct));
    jpeg_stdio_src(cinfo, file);
    jpeg_read_header(cinfo, TRUE);
    if (!imageSizeAllowed(cinfo->image_width, cinfo->image_height)) return false;
    jpeg_start_decompress(cinfo);
    return true;
}

bool jpegReadRow(JPG_HANDLE* handle) {
    if (setjmp(errorsOf(handle)->jump)) return false;
    JSAMPROW row = handle->line;
    jpeg_read_scanlines(handle->cinfo, &row, 1);
    return true;
}

// Finishing a file whose rows were not all read is an error for the library.
void jpegFinish(JPG_HANDLE* handle) {
    if (setjmp(errorsOf(handle)->jump)) return;
    if (errorsOf(handle)->message[0] == '\0' && handle->cinfo->output_scanline >= handle->cinfo->output_height)
        jpeg_finish_decompress(handle->cinfo);
}

}  // namespace

int32_t jpgGetInfo(const char* path, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    return getInfoFromPath(path, width, height, bitsPerPixel, jpgGetInfo);
}

int32_t jpgGetInfo(std::FILE* file, int32_t* width, int32_t* height, int32_t* bitsPerPixel) {
    *width = *height = *bitsPerPixel = 0;
    const JpgHandleGuard handle = newHandle();  // the file stays the caller's
    if (!handle || !jpegStart(handle.get(), file)) return -1;
    *width = static_cast<int32_t>(handle->cinfo->output_width);
    *height = static_cast<int32_t>(handle->cinfo->output_height);
    *bitsPerPixel = handle->cinfo->output_components * 8;
    return 0;
}

JPG_HANDLE* jpgOpen(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    return file ? jpgOpen(file) : nullptr;
}

JPG_HANDLE* jpgOpen(std::FILE* file) {
    JpgHandleGuard handle = newHandle();
    if (!handle) {
        std::fclose(file);
        return nullptr;
    }
    handle->file = file;
    if (!jpegStart(handle.get(), file)) return nullptr;
    const jpeg_decompress_struct* cinfo = handle->cinfo;
    handle->width = cinfo->output_width;
    handle->height = cinfo->output_height;
    handle->headerBitsPerPixel = cinfo->output_components * 8;
    handle->line = static_cast<unsigned char*>(std::calloc(
        static_cast<std::size_t>(cinfo->output_width) * static_cast<std::size_t>(cinfo->output_components), 1));
    return handle->line ? handle.release() : nullptr;
}

int32_t jpgReadLine(uint32_t* dst, JPG_HANDLE* handle) {
    jpeg_decompress_struct* cinfo = handle->cinfo;
    const JDIMENSION width = cinfo->output_width;
    if (cinfo->output_scanline >= cinfo->output_height) {
        std::memset(dst, 0, width * sizeof(uint32_t));
        return 0;
    }
    // After a library error the decompressor is in no state to go on.
    if (errorsOf(handle)->message[0] != '\0' || !jpegReadRow(handle)) {
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
    jpegFinish(handle);  // the handle goes whatever the library says
    jpgFree(handle);
    return 0;
}

const char* jpgErrorMessage(const JPG_HANDLE* handle) { return errorsOf(handle)->message; }
