#include "E2eSupport.h"

#include "assets/Image.h"

#include <cstdlib>

PictureDifference comparePictures(const std::vector<uint32_t>& actual, const std::vector<uint32_t>& reference,
                                  int width, int height, double tolerance) {
    constexpr int kCell = 16;
    PictureDifference result;
    for (int cy = 0; cy < height; cy += kCell)
        for (int cx = 0; cx < width; cx += kCell) {
            long sum = 0, samples = 0;
            for (int y = cy; y < std::min(cy + kCell, height); ++y)
                for (int x = cx; x < std::min(cx + kCell, width); ++x) {
                    const uint32_t a = actual[static_cast<std::size_t>(y) * width + x];
                    const uint32_t b = reference[static_cast<std::size_t>(y) * width + x];
                    for (int shift = 0; shift < 24; shift += 8)
                        sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
                    samples += 3;
                }
            const double mean = static_cast<double>(sum) / static_cast<double>(samples);
            result.worstCell = std::max(result.worstCell, mean);
            if (mean > tolerance) ++result.cellsOver;
        }
    return result;
}

bool readPicture(const std::string& path, int& width, int& height, std::vector<uint32_t>& pixels) {
    Image image;
    if (image.open(path, "r") != 0) return false;
    width = image.getWidth();
    height = image.getHeight();
    const Array<uint32_t> rows = image.readPixels(height);
    pixels.assign(rows.begin(), rows.end());
    return pixels.size() == static_cast<std::size_t>(width) * height;
}
