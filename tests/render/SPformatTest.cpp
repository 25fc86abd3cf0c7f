// Text output: where the glyph sprites go.

#include "RenderFixture.h"

#include "render/SPformat.h"

namespace {

class SPformatTest : public RenderFixture {
protected:
    // (pattern, x, y) of every placed 2D sprite.
    std::vector<std::tuple<int32_t, int32_t, int32_t>> placed() {
        std::vector<std::tuple<int32_t, int32_t, int32_t>> result;
        for (const SP2D& s : sprite.lists.sprites2D()) result.emplace_back(s.pcg, s.x, s.y);
        return result;
    }

    SPformat text{sprite, 32, 8, 16};
};

using Placed = std::vector<std::tuple<int32_t, int32_t, int32_t>>;

TEST_F(SPformatTest, CharactersGoToTheCentresOfTheirCells) {
    text.print(100, 50, "A\nB");
    text.putc('Z');
    EXPECT_EQ(placed(), (Placed{{97, 104, 58}, {42, 104, 74}, {98, 112, 74}, {32 + 'Z', 120, 74}}));
    sprite.clearSprites();
    const std::string line(300, 'q');  // formatted whole, however long
    text.print(0, 0, "%s%d", line.c_str(), 7);
    ASSERT_EQ(sprite.sprite2DCount(), 301);
    EXPECT_EQ(placed()[300], std::tuple(32 + '7', 300 * 8 + 4, 8));
}

}  // namespace
