// The pictures of a few frames of the demo, pixel by pixel against pictures rendered before
// the renderer was made faster: a faster path must draw the same frames, within a rounding
// step or two of the software rasteriser.

#include "E2eSupport.h"
#include "assets/Image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

namespace {

constexpr int kMaxChannelStep = 2;  // of 255
// Drawn into a texture, the software rasteriser's rule for a pixel centre lying exactly on an
// edge follows the texture's orientation (bottom up) rather than the window's (top down): a
// few edge pixels may show the neighbouring face. A lost block or a wrong colour is thousands.
constexpr int kEdgePixels = 8;

// How many pixels differ by more than the step in a colour channel; the largest difference.
std::pair<int, int> compareChannels(const std::vector<uint32_t>& actual, const std::vector<uint32_t>& reference) {
    int over = 0, largest = 0;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        int worst = 0;
        for (int shift = 0; shift < 24; shift += 8)
            worst = std::max(worst, std::abs(static_cast<int>((actual[i] >> shift) & 0xFF) -
                                             static_cast<int>((reference[i] >> shift) & 0xFF)));
        largest = std::max(largest, worst);
        over += worst > kMaxChannelStep;
    }
    return {over, largest};
}

// Reads a PNG with the project's decoder into RGBA pixels; false when it cannot.
bool readPicture(const std::string& path, int& width, int& height, std::vector<uint32_t>& pixels) {
    Image image;
    if (image.open(path, "r") != 0) return false;
    width = image.getWidth();
    height = image.getHeight();
    const Array<uint32_t> rows = image.readPixels(height);
    pixels.assign(rows.begin(), rows.end());
    return pixels.size() == static_cast<std::size_t>(width) * height;
}

}  // namespace

TEST(ExactPictureTest, FramesMatchThePicturesOfTheReferenceRenderer) {
    const std::map<std::size_t, std::string> wanted = {
        {0, "frame-000000.png"}, {30, "frame-000030.png"}, {2100, "frame-002100.png"}};
    std::map<std::size_t, Harness::Picture> taken;
    std::size_t next = 0;  // pictures of this run, from 0
    Harness::setPictureHook([&](const Harness::Picture& picture) {
        if (wanted.count(next)) taken[next] = picture;
        ++next;
    });
    ObservedGame game;
    ASSERT_EQ(runObserved(game, 2101), 0);
    for (const auto& [frame, name] : wanted) {
        SCOPED_TRACE(name);
        ASSERT_EQ(taken.count(frame), 1u);
        const Harness::Picture& picture = taken[frame];
        int width = 0, height = 0;
        std::vector<uint32_t> reference;
        ASSERT_TRUE(readPicture(TWISTBLOCKS_SOURCE_DIR "/tests/e2e/exact/" + name, width, height, reference));
        ASSERT_EQ(std::pair(width, height), std::pair(picture.width, picture.height));
        const auto [over, largest] = compareChannels(picture.pixels, reference);
        EXPECT_LE(over, kEdgePixels) << "largest channel difference " << largest;
    }
}
