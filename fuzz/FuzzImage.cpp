// Fuzzes Image on PNG and JPEG bytes, read from memory through the same streams and
// decoders as a file: the input is named .jpg when it starts like a JPEG (FF D8) and
// .png otherwise, then opened and read as the renderer does. A failed open and an
// Error from readPixels are fine; anything else is a finding.
//
// Images declared larger than 256 x 256 are opened but not read: a few bytes can declare
// 8192 x 8192, and reading it costs the time of its 64 M pixels (thousands of small inputs'
// worth) through the same row loop a small image runs.

#include "assets/Image.h"
#include "base/Error.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const bool jpeg = size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
    Image image;
    constexpr int64_t kPixelsRead = 256 * 256;
    if (image.openMemory(data, size, jpeg ? "fuzz.jpg" : "fuzz.png") == 0 &&
        int64_t{image.getWidth()} * image.getHeight() <= kPixelsRead) {
        try {
            const Array<uint32_t> pixels = image.readPixels(image.getHeight());
            // Read every pixel, as the texture upload would.
            uint32_t sum = 0;
            for (const uint32_t p : pixels) sum += p;
            [[maybe_unused]] volatile uint32_t sink = sum;
        } catch (const Error&) {
        }
    }
    image.close();
    return 0;
}
