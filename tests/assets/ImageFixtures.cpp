#include "ImageFixtures.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

void writePng(const std::filesystem::path& path, const PngLayout& layout) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path.string());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("libpng could not write " + path.string());
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colorType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<const png_color*>(layout.palette.data()),
                     static_cast<int>(layout.palette.size() / 3));
    if (!layout.alphas.empty())
        png_set_tRNS(png, info, layout.alphas.data(), static_cast<int>(layout.alphas.size()), nullptr);
    if (layout.significantBits) {
        png_color_8 bits{};
        bits.red = bits.green = bits.blue = bits.gray = bits.alpha = static_cast<png_byte>(layout.significantBits);
        png_set_sBIT(png, info, &bits);
    }
    png_write_info(png, info);
    const std::size_t stride = layout.samples.size() / layout.height;
    std::vector<png_bytep> rows(layout.height);
    for (uint32_t y = 0; y < layout.height; ++y)
        rows[y] = const_cast<png_bytep>(layout.samples.data()) + stride * y;
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void writeJpeg(const std::filesystem::path& path, uint32_t width, uint32_t height, int components,
               const std::vector<uint8_t>& samples, int quality) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path.string());
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK
                         : components == 3 ? JCS_RGB : JCS_UNKNOWN;
    jpeg_set_defaults(&cinfo);
    if (components == 4) cinfo.write_Adobe_marker = TRUE;
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data()) + cinfo.next_scanline * width * components;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
