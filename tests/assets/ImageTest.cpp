#include "assets/Image.h"

#include "base/Error.h"
#include "ImageFixtures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

uint32_t rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r | g << 8 | b << 16 | a << 24; }

PngLayout rgbPng() {
    PngLayout layout;
    layout.colorType = 2;
    layout.samples = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
    return layout;
}

// A picture with different values everywhere, so that misplaced rows or passes show.
PngLayout patternPng(uint32_t width, uint32_t height, int colorType, int channels, bool interlaced) {
    PngLayout layout;
    layout.width = width;
    layout.height = height;
    layout.colorType = colorType;
    layout.interlaced = interlaced;
    for (uint32_t i = 0; i < width * height * channels; ++i) layout.samples.push_back(static_cast<uint8_t>(i * 37 + 11));
    return layout;
}

uint32_t crc32Of(const uint8_t* data, std::size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void putBig32(std::vector<uint8_t>& bytes, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// A PNG whose header declares the given size, with a valid header checksum.
std::vector<uint8_t> pngDeclaring(const std::vector<uint8_t>& png, uint32_t width, uint32_t height) {
    std::vector<uint8_t> bytes = png;
    putBig32(bytes, 16, width);
    putBig32(bytes, 20, height);
    putBig32(bytes, 29, crc32Of(bytes.data() + 12, 17));
    return bytes;
}

// A JPEG whose frame header declares the given height.
std::vector<uint8_t> jpegDeclaringHeight(const std::vector<uint8_t>& jpeg, uint16_t height) {
    std::vector<uint8_t> bytes = jpeg;
    for (std::size_t i = 0; i + 6 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = static_cast<uint8_t>(height >> 8);
            bytes[i + 6] = static_cast<uint8_t>(height);
            break;
        }
    }
    return bytes;
}

class ImageTest : public testing::Test {
protected:
    std::string png(const std::string& name, const PngLayout& layout) {
        writePng(dir / name, layout);
        return (dir / name).string();
    }
    std::string jpeg(const std::string& name, uint32_t w, uint32_t h, int components, const std::vector<uint8_t>& s) {
        writeJpeg(dir / name, w, h, components, s);
        return (dir / name).string();
    }
    std::string bytes(const std::string& name, const std::vector<uint8_t>& content) {
        writeBytes(dir / name, content);
        return (dir / name).string();
    }
    std::vector<uint32_t> decode(const std::string& path, int32_t* bitsPerPixel = nullptr) {
        Image image;
        EXPECT_EQ(image.open(path, "r"), 0) << path;
        if (bitsPerPixel) *bitsPerPixel = image.getBitsPerPixel();
        const Array<uint32_t> pixels = image.readPixels(image.getHeight());
        return {pixels.begin(), pixels.end()};
    }
    std::vector<uint8_t> noiseSamples(std::size_t count) {
        std::vector<uint8_t> samples(count);
        uint32_t state = 99;
        for (uint8_t& s : samples) s = static_cast<uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
        return samples;
    }

    TempDir dir;
};

}  // namespace

TEST_F(ImageTest, TheNameChoosesTheDecoder) {
    writePng(dir / "a.png", rgbPng());
    const std::vector<uint8_t> pngFile = readBytes(dir / "a.png");
    writeJpeg(dir / "a.jpg", 2, 2, 3, std::vector<uint8_t>(12, 128));
    const std::vector<uint8_t> jpgFile = readBytes(dir / "a.jpg");
    struct Case {
        const char* name;
        bool isPng;
        int32_t result;
        FileOPstat state;
    };
    const Case cases[] = {
        {"font8x16.png", true, 0, FileOPstat::PNG}, {"UPPER.PNG", true, 0, FileOPstat::PNG},
        {"mixed.pNg", true, 0, FileOPstat::PNG},    {"underscore_png", true, 0, FileOPstat::PNG},
        {"photo.jpg", false, 0, FileOPstat::JPG},   {"PHOTO.JPG", false, 0, FileOPstat::JPG},
        {"photo.JpG", false, 0, FileOPstat::JPG},   {"photo.jpeg", false, -1, FileOPstat::NONE},
        {"picture.bmp", true, -1, FileOPstat::NONE}, {"pngfile", true, -1, FileOPstat::NONE},
        {"a.png.txt", true, -1, FileOPstat::NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = bytes(c.name, c.isPng ? pngFile : jpgFile);
        Image image;
        EXPECT_EQ(image.open(path, "r"), c.result);
        EXPECT_EQ(image.state, c.state);
        EXPECT_EQ(image.getWidth(), c.result == 0 ? 2 : 0);
    }
}

TEST_F(ImageTest, RgbAndRgbaPixelsInMemoryOrder) {
    int32_t bpp = 0;
    const std::vector<uint32_t> pixels = decode(png("rgb.png", rgbPng()), &bpp);
    EXPECT_EQ(bpp, 24);
    ASSERT_EQ(pixels.size(), 4u);
    uint8_t first[4];
    std::memcpy(first, &pixels[0], 4);
    EXPECT_EQ(first[0], 0xFF);
    EXPECT_EQ(first[1], 0x00);
    EXPECT_EQ(first[2], 0x00);
    EXPECT_EQ(first[3], 0xFF);
    EXPECT_EQ(pixels[1], rgba(0, 255, 0, 255));
    EXPECT_EQ(pixels[3], rgba(10, 20, 30, 255));

    PngLayout layout;
    layout.width = 1;
    layout.height = 1;
    layout.colorType = 6;
    layout.samples = {1, 2, 3, 128};
    EXPECT_EQ(decode(png("rgba.png", layout), &bpp), std::vector<uint32_t>{rgba(1, 2, 3, 128)});
    EXPECT_EQ(bpp, 32);
}

TEST_F(ImageTest, EveryColourLayoutBecomesRgba) {
    struct Case {
        const char* name;
        PngLayout layout;
        int32_t headerBits;
        std::vector<uint32_t> pixels;
    };
    const std::vector<Case> cases = {
        {"grey", {2, 1, 0, 8, false, {10, 200}, {}, {}, 0}, 8, {rgba(10, 10, 10, 255), rgba(200, 200, 200, 255)}},
        {"grey with alpha", {2, 1, 4, 8, false, {10, 100, 20, 200}, {}, {}, 0}, 16,
         {rgba(10, 10, 10, 100), rgba(20, 20, 20, 200)}},
        {"palette with tRNS", {2, 1, 3, 8, false, {0, 1}, {255, 0, 0, 0, 0, 255}, {0x40}, 0}, 8,
         {rgba(255, 0, 0, 0x40), rgba(0, 0, 255, 255)}},
        {"palette 4 bits", {2, 1, 3, 4, false, {0x10}, {9, 8, 7, 6, 5, 4}, {}, 0}, 4,
         {rgba(6, 5, 4, 255), rgba(9, 8, 7, 255)}},
        {"grey 1 bit", {2, 1, 0, 1, false, {0x80}, {}, {}, 0}, 1, {rgba(255, 255, 255, 255), rgba(0, 0, 0, 255)}},
        // Full scale stays full scale: the samples are not shifted down to their sBIT bits.
        {"grey 4 bits with sBIT", {2, 1, 0, 4, false, {0xF5}, {}, {}, 4}, 4,
         {rgba(255, 255, 255, 255), rgba(85, 85, 85, 255)}},
        {"rgb 16 bits", {1, 1, 2, 16, false, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}, {}, {}, 0}, 48,
         {rgba(0x12, 0x56, 0x9A, 255)}},
        {"rgba 16 bits", {1, 1, 6, 16, false, {1, 0, 2, 0, 3, 0, 4, 0}, {}, {}, 0}, 64, {rgba(1, 2, 3, 4)}},
        {"grey with alpha 16 bits", {1, 1, 4, 16, false, {0x80, 0, 0x40, 0}, {}, {}, 0}, 32,
         {rgba(0x80, 0x80, 0x80, 0x40)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t bpp = 0;
        EXPECT_EQ(decode(png(std::string(c.name) + ".png", c.layout), &bpp), c.pixels);
        EXPECT_EQ(bpp, c.headerBits);
    }
}

TEST_F(ImageTest, InterlacedFilesDecodeLikePlainOnes) {
    struct Layout {
        int colorType, channels;
    };
    for (const Layout layout : {Layout{2, 3}, Layout{6, 4}, Layout{0, 1}, Layout{4, 2}}) {
        SCOPED_TRACE(layout.colorType);
        const std::string name = std::to_string(layout.colorType);
        const std::vector<uint32_t> plain =
            decode(png(name + "plain.png", patternPng(13, 11, layout.colorType, layout.channels, false)));
        const std::vector<uint32_t> interlaced =
            decode(png(name + "adam7.png", patternPng(13, 11, layout.colorType, layout.channels, true)));
        ASSERT_EQ(plain.size(), 143u);
        EXPECT_EQ(interlaced, plain);
    }
}

TEST_F(ImageTest, JpegPixelsAreOpaqueInEveryColourSpace) {
    struct Case {
        const char* name;
        int components;
        std::vector<uint8_t> sample;  // of every pixel
        uint32_t r, g, b;
        int32_t bits;
    };
    const Case cases[] = {
        {"rgb", 3, {200, 30, 60}, 200, 30, 60, 24},
        {"grey", 1, {77}, 77, 77, 77, 8},
        // Adobe CMYK stores inverted inks: full magenta and yellow, no black, is red.
        {"cmyk", 4, {255, 0, 0, 255}, 255, 0, 0, 32},
        {"cmyk with black", 4, {255, 255, 255, 128}, 128, 128, 128, 32},
        // Two components in no named colour space: the conversion read three bytes of a
        // two-byte pixel, past the end of the row for the last one. Grey from the first.
        {"two components", 2, {90, 200}, 90, 90, 90, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> samples;
        for (int i = 0; i < 16 * 16; ++i) samples.insert(samples.end(), c.sample.begin(), c.sample.end());
        int32_t bpp = 0;
        const std::vector<uint32_t> pixels = decode(jpeg(std::string(c.name) + ".jpg", 16, 16, c.components, samples), &bpp);
        EXPECT_EQ(bpp, c.bits);
        ASSERT_EQ(pixels.size(), 256u);
        for (const uint32_t p : {pixels[0], pixels[255]}) {
            EXPECT_NEAR(p & 0xFF, c.r, 3);
            EXPECT_NEAR(p >> 8 & 0xFF, c.g, 3);
            EXPECT_NEAR(p >> 16 & 0xFF, c.b, 3);
            EXPECT_EQ(p >> 24, 255u);
        }
    }
}

TEST_F(ImageTest, ClosedImagesAndReopening) {
    Image image;
    EXPECT_EQ(image.readPixels(4).size(), 0u);
    EXPECT_EQ(image.close(), 0);
    EXPECT_EQ(image.state, FileOPstat::NONE);

    const std::string first = png("first.png", rgbPng());
    const std::string second = jpeg("second.jpg", 3, 5, 3, std::vector<uint8_t>(45, 9));
    ASSERT_EQ(image.open(first, "r"), 0);
    ASSERT_EQ(image.open(second, "r"), 0);
    EXPECT_EQ(image.state, FileOPstat::JPG);
    EXPECT_EQ(image.png, nullptr);
    EXPECT_EQ(image.getWidth(), 3);
    EXPECT_EQ(image.getHeight(), 5);
    // A failing second open still closes the first.
    EXPECT_EQ(image.open((dir / "missing.png").string(), "r"), -1);
    EXPECT_EQ(image.state, FileOPstat::NONE);
    EXPECT_EQ(image.jpg, nullptr);
    EXPECT_EQ(image.getWidth(), 0);
    EXPECT_EQ(image.getBitsPerPixel(), 0);

    // Rows past the end of the file are transparent black.
    ASSERT_EQ(image.open(first, "r"), 0);
    const Array<uint32_t> pixels = image.readPixels(3);
    ASSERT_EQ(pixels.size(), 6u);
    EXPECT_EQ(pixels[3], rgba(10, 20, 30, 255));
    EXPECT_EQ(pixels[4], 0u);
    EXPECT_EQ(pixels[5], 0u);
}

// Bad files: open fails cleanly (-1, image closed) or, for faults in the image data,
// readPixels raises a clear error. Never a crash, an abort or an exit.
TEST_F(ImageTest, BadFilesFailCleanly) {
    const std::vector<uint8_t> goodPng = [&] {
        const std::string path = png("good.png", patternPng(64, 64, 2, 3, false));
        return readBytes(path);
    }();
    const std::vector<uint8_t> goodJpeg = [&] {
        const std::string path = jpeg("good.jpg", 64, 64, 3, noiseSamples(64 * 64 * 3));
        return readBytes(path);
    }();
    auto cut = [](const std::vector<uint8_t>& b, std::size_t n) { return std::vector<uint8_t>(b.begin(), b.begin() + n); };
    const std::vector<uint8_t> goodAdam7 = [&] {
        const std::string path = png("adam7.png", patternPng(64, 64, 6, 4, true));
        return readBytes(path);
    }();
    std::vector<uint8_t> corruptAdam7 = goodAdam7;
    corruptAdam7[goodAdam7.size() - 20] ^= 0xFF;
    std::vector<uint8_t> corrupt = goodPng;
    corrupt[goodPng.size() - 20] ^= 0xFF;  // the compressed stream's checksum, in the last IDAT
    const std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o', '\n'};

    struct Case {
        const char* name;
        std::vector<uint8_t> content;  // empty and missing differ: missing is no file at all
        bool missing;
        int32_t openResult;
        std::string readError;  // after "Image::readPixels(): <path>: "
    };
    const std::vector<Case> cases = {
        {"missing.png", {}, true, -1, ""},
        {"missing.jpg", {}, true, -1, ""},
        {"empty.png", {}, false, -1, ""},
        {"empty.jpg", {}, false, -1, ""},
        {"text.png", text, false, -1, ""},
        {"text.jpg", text, false, -1, ""},
        {"png-named.jpg", goodPng, false, -1, ""},
        {"truncated-header.png", cut(goodPng, 20), false, -1, ""},
        {"truncated-header.jpg", cut(goodJpeg, 100), false, -1, ""},
        {"wide.png", pngDeclaring(goodPng, 20000, 1), false, -1, ""},
        {"huge.png", pngDeclaring(goodPng, 16384, 16384), false, -1, ""},
        {"absurd.png", pngDeclaring(goodPng, 0x7FFFFFFF, 0x7FFFFFFF), false, -1, ""},
        {"tall.jpg", jpegDeclaringHeight(goodJpeg, 60000), false, -1, ""},
        {"truncated-data.png", cut(goodPng, goodPng.size() - 40), false, 0, "Read Error"},
        // Found by fuzz_image: the error jump out of decoding an interlaced file skipped
        // the destructor of the row table (a leak under LeakSanitizer).
        {"corrupt-interlaced.png", corruptAdam7, false, -1, ""},
        {"truncated-interlaced.png", cut(goodAdam7, goodAdam7.size() / 2), false, -1, ""},
        {"corrupt-data.png", corrupt, false, 0, "IDAT: incorrect data check"},
        {"truncated-data.jpg", cut(goodJpeg, goodJpeg.size() / 2), false, 0, "Premature end of JPEG file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.missing ? (dir / c.name).string() : bytes(c.name, c.content);
        Image image;
        ASSERT_EQ(image.open(path, "r"), c.openResult);
        if (c.openResult != 0) {
            EXPECT_EQ(image.state, FileOPstat::NONE);
            EXPECT_EQ(image.getWidth(), 0);
            continue;
        }
        try {
            image.readPixels(image.getHeight());
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Image::readPixels(): " + path + ": " + c.readError);
        }
        EXPECT_EQ(image.close(), 0);
    }
}

TEST_F(ImageTest, FlatLayerReportsHeaderFacts) {
    const std::string path = png("p.png", patternPng(5, 3, 6, 4, false));
    int32_t w = -1, h = -1, bpp = -1;
    EXPECT_EQ(pngGetInfo(path.c_str(), &w, &h, &bpp), 0);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(bpp, 32);
    EXPECT_EQ(jpgGetInfo(path.c_str(), &w, &h, &bpp), -1);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(bpp, 0);
    EXPECT_EQ(jpgOpen(path.c_str()), nullptr);
    EXPECT_EQ(pngOpen((dir / "none.png").string().c_str()), nullptr);
}
