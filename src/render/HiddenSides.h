#pragma once
// HiddenSides: the sides of each block of a frame that cannot be seen, for block models whose
// blocks can touch (MeshSides): a side touching another block's side square to square, and a
// side turned away from the eye.

#include "render/SpriteLists.h"

#include <cstdint>
#include <span>
#include <vector>

class HiddenSides {
public:
    // For each sprite, bit s set when its model side s (MeshSides' order) is hidden. All
    // sprites are of one model of this half size; the eye is in world units. A sprite scaled
    // unevenly or without a rotation axis hides nothing. Valid until the next call.
    const std::vector<uint8_t>& find(std::span<const SP3D> sprites, double halfSize, const double eye[3]);

private:
    struct Side {
        uint64_t cell;  // the centre's cell, for finding the sides that meet
        int32_t sprite;
        int32_t side;
        double centre[3];
        double normal[3];
        double across[3];  // one of the side's two edge directions
    };
    std::vector<Side> sides;
    std::vector<uint8_t> hidden;

    // Marks the sides that meet another block's, among sides sorted by cell.
    void markTouching(std::span<const SP3D> sprites, double halfSize);
};
