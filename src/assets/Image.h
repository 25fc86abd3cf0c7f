#pragma once
// Image: decodes a JPEG or PNG file into packed 32-bit RGBA pixels, row by row, for GL
// textures. The decoder is chosen by the end of the name: ".jpg" or ".png" in any letter
// case (the dot matches any character). A pixel holds red in bits 0-7, green 8-15, blue
// 16-23 and alpha 24-31, so its bytes in memory read R, G, B, A; row 0 is the top row.
//
// Below Image sits a flat layer of eight functions, four per format, that drives libjpeg
// (6b interface, version 62) and libpng (the read API that 1.2 and 1.6 share). Library
// errors never end the process: a file that is missing, no image, corrupt or truncated
// in its header, or declares more than kMaxImageSide pixels a side or kMaxImagePixels in
// all, fails in open (-1, nothing printed; the caller prints its own message). A fault in
// the image data met while reading rows makes readPixels raise Error
// "Image::readPixels(): <file>: <library message>".
//
// Every colour layout becomes RGBA: grey gives (g, g, g, 255), grey with alpha
// (g, g, g, a), palettes expand (with alpha from tRNS), 16-bit samples are cut to 8.
// JPEG CMYK is converted to RGB, other JPEG component counts give grey from the first
// (two) or the first three (five and more); JPEG pixels always have alpha 255.
// Interlaced PNGs are decoded whole when opened and then handed out row by row.
//
// Use: construct; open(path, "r"); on -1 give up; getWidth, getHeight,
// readPixels(height); close. The destructor closes. openMemory decodes bytes in memory
// through the same streams and decoders as a file.

#include "base/Array.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

struct jpeg_decompress_struct;
struct jpeg_error_mgr;
struct png_struct_def;
struct png_info_def;

// Images larger than this are refused before any pixel memory is allocated.
inline constexpr int32_t kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 26;  // 256 MiB of pixels

// Which decoder an Image holds open.
enum class FileOPstat : int32_t { NONE = 0, JPG = 1, PNG = 2 };

// The state of one open JPEG file.
struct JPG_HANDLE {
    jpeg_decompress_struct* cinfo = nullptr;
    jpeg_error_mgr* jerr = nullptr;  // the error manager that turns fatal errors into failures
    std::FILE* file = nullptr;
    unsigned char* line = nullptr;  // one decoded row: output width times output components
    // Our own state: the output size and components x 8, as the header gives them.
    uint32_t width = 0;
    uint32_t height = 0;
    int32_t headerBitsPerPixel = 0;
};

// The state of one open PNG file.
struct PNG_HANDLE {
    png_struct_def* png = nullptr;
    png_info_def* info = nullptr;
    std::FILE* file = nullptr;
    unsigned char* line = nullptr;  // one decoded row
    int32_t bitsPerPixel = 0;       // of a decoded row: 24 or 32
    // Our own state: the pixel depth the header gives, the size, rows handed out, the
    // whole picture of an interlaced file, and the message of the last library error.
    int32_t headerBitsPerPixel = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t rowsRead = 0;
    unsigned char* image = nullptr;
    char message[200] = {};
};

// The flat layer. Results: 0 for success, -1 for failure; readers return -1 when the
// library reported an error in the row (the row is then left transparent black), and
// jpgErrorMessage / pngErrorMessage tell why. The FILE* forms read an open stream from
// its position: GetInfo leaves it open, Open owns it (closes it on failure too).
int32_t jpgGetInfo(const char* path, int32_t* width, int32_t* height, int32_t* bitsPerPixel);
int32_t jpgGetInfo(std::FILE* file, int32_t* width, int32_t* height, int32_t* bitsPerPixel);
JPG_HANDLE* jpgOpen(const char* path);
JPG_HANDLE* jpgOpen(std::FILE* file);
int32_t jpgReadLine(uint32_t* dst, JPG_HANDLE* handle);
int32_t jpgClose(JPG_HANDLE* handle);
const char* jpgErrorMessage(const JPG_HANDLE* handle);
int32_t pngGetInfo(const char* path, int32_t* width, int32_t* height, int32_t* bitsPerPixel);
int32_t pngGetInfo(std::FILE* file, int32_t* width, int32_t* height, int32_t* bitsPerPixel);
PNG_HANDLE* pngOpen(const char* path);
PNG_HANDLE* pngOpen(std::FILE* file);
int32_t pngReadLine(uint32_t* dst, PNG_HANDLE* handle);
int32_t pngClose(PNG_HANDLE* handle);
const char* pngErrorMessage(const PNG_HANDLE* handle);

class Image {
public:
    Image() = default;
    virtual ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    virtual int32_t getWidth();
    virtual int32_t getHeight();
    virtual int32_t getBitsPerPixel();
    // Opens name as JPEG or PNG; mode is not read. 0, or -1 with the image closed.
    virtual int32_t open(const std::string& name, const std::string& mode);
    // Opens size bytes at data as open does a file named name (whose end chooses the
    // decoder and which error messages name). The bytes must stay until close.
    int32_t openMemory(const void* data, std::size_t size, const std::string& name);
    // The next `rows` rows as rows x width packed pixels; empty when nothing is open.
    virtual Array<uint32_t> readPixels(int32_t rows);
    // Closes the decoder; 0. Harmless when closed.
    virtual int32_t close();

    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;  // as the file's header says: JPEG components x 8, PNG pixel depth
    JPG_HANDLE* jpg = nullptr;
    PNG_HANDLE* png = nullptr;
    FileOPstat state = FileOPstat::NONE;

private:
    // Opens the stream and hands it to the decoder the name chooses.
    int32_t openStreams(const std::string& name, const std::function<std::FILE*()>& openStream);

    std::string fileName;  // for error messages
};
