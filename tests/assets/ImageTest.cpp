#include "assets/Image.h"

#include "base/Error.h"
#include "ImageFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

uint32_t rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r | g << 8 | b << 16 | a << 24; }

// A picture with different values everywhere, so that misplaced rows or passes show.
PngLayout patternPng(uint32_t size, int colorType, int channels, bool interlaced) {
    PngLayout layout{size, size, colorType, 8, interlaced, {}, {}, {}, 0};
    for (uint32_t i = 0; i < size * size * channels; ++i) layout.samples.push_back(static_cast<uint8_t>(i * 37 + 11));
    return layout;
}

// A PNG whose header declares the given size, with a valid header checksum.
std::vector<uint8_t> pngDeclaring(std::vector<uint8_t> bytes, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        bytes[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
        bytes[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    uint32_t crc = 0xFFFFFFFFu;
    for (int i = 12; i < 29; ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    for (int i = 0; i < 4; ++i) bytes[29 + i] = static_cast<uint8_t>(~crc >> (24 - 8 * i));
    return bytes;
}

class ImageTest : public testing::Test {
protected:
    std::string png(const std::string& name, const PngLayout& layout) {
        writePng(dir / name, layout);
        return (dir / name).string();
    }
    std::string jpeg(const std::string& name, uint32_t size, int components, const std::vector<uint8_t>& samples) {
        writeJpeg(dir / name, size, size, components, samples);
        return (dir / name).string();
    }
    std::vector<uint32_t> decode(const std::string& path, int32_t* bitsPerPixel = nullptr) {
        Image image;
        EXPECT_EQ(image.open(path, "r"), 0) << path;
        if (bitsPerPixel) *bitsPerPixel = image.getBitsPerPixel();
        const Array<uint32_t> pixels = image.readPixels(image.getHeight());
        return {pixels.begin(), pixels.end()};
    }

    TempDir dir;
};

}  // namespace

TEST_F(ImageTest, EveryColourLayoutBecomesRgbaInMemoryOrder) {
    const struct {
        const char* name;
        PngLayout layout;
        int32_t headerBits;
        std::vector<uint32_t> pixels;
    } cases[] = {
        {"rgb", {2, 1, 2, 8, false, {255, 0, 0, 10, 20, 30}, {}, {}, 0}, 24, {rgba(255, 0, 0, 255), rgba(10, 20, 30, 255)}},
        {"rgba", {1, 1, 6, 8, false, {1, 2, 3, 128}, {}, {}, 0}, 32, {rgba(1, 2, 3, 128)}},
        {"grey", {2, 1, 0, 8, false, {10, 200}, {}, {}, 0}, 8, {rgba(10, 10, 10, 255), rgba(200, 200, 200, 255)}},
        {"grey with alpha", {1, 1, 4, 8, false, {10, 128}, {}, {}, 0}, 16, {rgba(10, 10, 10, 128)}},
        {"palette with tRNS", {2, 1, 3, 8, false, {0, 1}, {255, 0, 0, 0, 0, 255}, {0x40}, 0}, 8,
         {rgba(255, 0, 0, 0x40), rgba(0, 0, 255, 255)}},
        {"palette 4 bits", {2, 1, 3, 4, false, {0x10}, {9, 8, 7, 6, 5, 4}, {}, 0}, 4, {rgba(6, 5, 4, 255), rgba(9, 8, 7, 255)}},
        {"grey 1 bit", {2, 1, 0, 1, false, {0x80}, {}, {}, 0}, 1, {rgba(255, 255, 255, 255), rgba(0, 0, 0, 255)}},
        // Full scale stays full scale: the samples are not shifted down to their sBIT bits.
        {"grey 4 bits with sBIT", {2, 1, 0, 4, false, {0xF5}, {}, {}, 4}, 4, {rgba(255, 255, 255, 255), rgba(85, 85, 85, 255)}},
        {"rgb 16 bits", {1, 1, 2, 16, false, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}, {}, {}, 0}, 48, {rgba(0x12, 0x56, 0x9A, 255)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t bpp = 0;
        EXPECT_EQ(decode(png(std::string(c.name) + ".png", c.layout), &bpp), c.pixels);
        EXPECT_EQ(bpp, c.headerBits);
    }
    for (const auto& [colorType, channels] : {std::pair{2, 3}, {6, 4}, {0, 1}, {4, 2}}) {
        const std::string name = std::to_string(colorType);
        const std::vector<uint32_t> plain = decode(png(name + ".png", patternPng(13, colorType, channels, false)));
        ASSERT_EQ(plain.size(), 169u);
        EXPECT_EQ(decode(png(name + "adam7.png", patternPng(13, colorType, channels, true))), plain) << name;
    }
}

TEST_F(ImageTest, JpegPixelsAreOpaqueInEveryColourSpace) {
    const struct {
        int components;
        std::vector<uint8_t> sample;  // of every pixel
        uint32_t r, g, b;
    } cases[] = {
        {3, {200, 30, 60}, 200, 30, 60},
        {1, {77}, 77, 77, 77},
        {4, {255, 0, 0, 255}, 255, 0, 0},  // Adobe CMYK stores inverted inks: this is red
        {2, {90, 200}, 90, 90, 90},  // no named colour space: grey from the first component
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.components);
        std::vector<uint8_t> samples;
        for (int i = 0; i < 16 * 16; ++i) samples.insert(samples.end(), c.sample.begin(), c.sample.end());
        int32_t bpp = 0;
        const std::vector<uint32_t> pixels = decode(jpeg("c.jpg", 16, c.components, samples), &bpp);
        EXPECT_EQ(bpp, 8 * c.components);
        ASSERT_EQ(pixels.size(), 256u);
        for (const uint32_t p : {pixels[0], pixels[255]})
            for (const auto& [shift, value, tolerance] : {std::tuple{0u, c.r, 3}, {8u, c.g, 3}, {16u, c.b, 3}, {24u, 255u, 0}})
                EXPECT_NEAR(p >> shift & 0xFF, value, tolerance) << "bits from " << shift;
    }
}

TEST_F(ImageTest, TheNameChoosesTheDecoderAndReopeningClosesTheFirst) {
    const std::vector<uint8_t> pngFile = readBytes(png("a.png", patternPng(2, 2, 3, false)));
    const std::vector<uint8_t> jpgFile = readBytes(jpeg("a.jpg", 2, 3, std::vector<uint8_t>(12, 128)));
    for (const auto& [name, isPng, result] : {std::tuple{"UPPER.PNG", true, 0}, {"underscore_png", true, 0},
                                              {"photo.JpG", false, 0}, {"photo.jpeg", false, -1},
                                              {"picture.bmp", true, -1}, {"a.png.txt", true, -1}}) {
        writeBytes(dir / name, isPng ? pngFile : jpgFile);
        EXPECT_EQ(Image().open((dir / name).string(), "r"), result) << name;
    }
    Image image;
    ASSERT_EQ(image.open((dir / "a.png").string(), "r"), 0);
    ASSERT_EQ(image.open((dir / "a.jpg").string(), "r"), 0);
    EXPECT_EQ(image.png, nullptr);
    EXPECT_EQ(image.open((dir / "missing.png").string(), "r"), -1);  // still closes the second
    EXPECT_EQ(image.jpg, nullptr);
    ASSERT_EQ(image.open((dir / "a.png").string(), "r"), 0);
    const Array<uint32_t> pixels = image.readPixels(3);  // rows past the end are transparent black
    ASSERT_EQ(pixels.size(), 6u);
    EXPECT_EQ(std::vector<uint32_t>(pixels.begin() + 4, pixels.end()), std::vector<uint32_t>(2, 0u));
}

// Bad files: open fails cleanly (-1, image closed) or, for faults in the image data,
// readPixels raises a clear error. Never a crash, an abort or an exit.
TEST_F(ImageTest, BadFilesFailCleanly) {
    std::vector<uint8_t> noise(64 * 64 * 3);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>((i * 2654435761u) >> 24);
    const std::vector<uint8_t> goodPng = readBytes(png("good.png", patternPng(64, 2, 3, false)));
    const std::vector<uint8_t> goodAdam7 = readBytes(png("adam7.png", patternPng(64, 6, 4, true)));
    const std::vector<uint8_t> goodJpeg = readBytes(jpeg("good.jpg", 64, 3, noise));
    auto cut = [](const std::vector<uint8_t>& b, std::size_t n) { return std::vector<uint8_t>(b.begin(), b.begin() + n); };
    auto corrupt = [](std::vector<uint8_t> b) {  // the compressed stream's checksum, in the last IDAT
        b[b.size() - 20] ^= 0xFF;
        return b;
    };
    const struct {
        const char* name;
        std::vector<uint8_t> content;
        int32_t openResult;
        std::string readError;  // after "Image::readPixels(): <path>: "
    } cases[] = {
        {"empty.png", {}, -1, ""},
        {"truncated-header.png", cut(goodPng, 20), -1, ""},
        {"truncated-header.jpg", cut(goodJpeg, 100), -1, ""},
        {"wide.png", pngDeclaring(goodPng, 20000, 1), -1, ""},
        {"over-budget.png", pngDeclaring(goodPng, 16384, 4097), -1, ""},  // each side allowed, not the area
        {"corrupt-interlaced.png", corrupt(goodAdam7), -1, ""},
        {"truncated-data.png", cut(goodPng, goodPng.size() - 40), 0, "Read Error"},
        {"corrupt-data.png", corrupt(goodPng), 0, "IDAT: incorrect data check"},
        {"truncated-data.jpg", cut(goodJpeg, goodJpeg.size() / 2), 0, "Premature end of JPEG file"},
    };
    EXPECT_EQ(Image().open((dir / "missing.png").string(), "r"), -1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(dir / c.name, c.content);
        const std::string path = (dir / c.name).string();
        // The same bytes fail the same way from a file and from memory.
        for (const bool inMemory : {false, true}) {
            Image image;
            ASSERT_EQ(inMemory ? image.openMemory(c.content.data(), c.content.size(), path) : image.open(path, "r"),
                      c.openResult);
            if (c.openResult != 0) {
                EXPECT_EQ(image.state, FileOPstat::NONE);
                continue;
            }
            try {
                image.readPixels(image.getHeight());
                ADD_FAILURE() << "no error";
            } catch (const Error& e) {
                EXPECT_EQ(std::string(e.what()), "Image::readPixels(): " + path + ": " + c.readError);
            }
        }
    }
    // Good bytes in memory decode as their file does.
    for (const char* name : {"good.png", "adam7.png", "good.jpg"}) {
        const std::vector<uint8_t> bytes = readBytes(dir / name);
        Image image;
        ASSERT_EQ(image.openMemory(bytes.data(), bytes.size(), name), 0) << name;
        const Array<uint32_t> pixels = image.readPixels(image.getHeight());
        EXPECT_EQ(std::vector<uint32_t>(pixels.begin(), pixels.end()), decode((dir / name).string())) << name;
    }
}
