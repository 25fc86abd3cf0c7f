// Fuzzes Image on PNG and JPEG files: the input is written to a temporary file named
// .jpg when it starts like a JPEG (FF D8) and .png otherwise, then opened and read as
// the renderer does. A failed open and an Error from readPixels are fine; anything
// else is a finding.

#include "assets/Image.h"
#include "base/Error.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const bool jpeg = size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
    const std::string path = "/tmp/twistblocks-fuzz-image-" + std::to_string(getpid()) + (jpeg ? ".jpg" : ".png");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    Image image;
    if (image.open(path, "r") == 0) {
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
    std::remove(path.c_str());
    return 0;
}
