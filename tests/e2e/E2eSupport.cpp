#include "E2eSupport.h"

#include "assets/Image.h"

bool readPicture(const std::string& path, int& width, int& height, std::vector<uint32_t>& pixels) {
    Image image;
    if (image.open(path, "r") != 0) return false;
    width = image.getWidth();
    height = image.getHeight();
    const Array<uint32_t> rows = image.readPixels(height);
    pixels.assign(rows.begin(), rows.end());
    return pixels.size() == static_cast<std::size_t>(width) * height;
}
