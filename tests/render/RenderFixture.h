#pragma once
// A renderer initialised as the game initialises it (512 2D patterns, 8192 2D sprites,
// 32 3D patterns, 8192 3D sprites) on a 512 x 512 headless test window, and helpers that
// make pattern images and models.

#include "GLWindow.h"
#include "render/Sprite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class RenderFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sprite.init(512, 8192, 32, 8192, &window.info), 0);
    }

    // A w x h image of one colour (bytes R, G, B, A) loaded as 2D pattern pcg.
    void loadSolid(int32_t pcg, int w, int h, uint32_t colour) {
        const std::string path = writeTempPng("solid" + std::to_string(pcg) + ".png", w, h,
                                              std::vector<uint32_t>(static_cast<std::size_t>(w) * h, colour));
        ASSERT_EQ(sprite.loadPattern(path, pcg), 0);
    }

    // Two frames: the first one's background copy holds the initial black clear colour.
    Picture drawSettled() {
        window.draw();
        return window.draw();
    }

    GLWindow window;
    Sprite& sprite = window.getSprite();
};

// The grey of the frame's clear colour (0.3) as the framebuffer stores it.
inline bool isBackground(const Picture& picture, int x, int y) {
    const int r = picture.red(x, y);
    return r >= 76 && r <= 77 && picture.green(x, y) == r && picture.blue(x, y) == r;
}

// A square of side 2 in the plane z = 0 facing +z, of one material; the OBJ text.
inline std::string squareObj(const std::string& mtlFile, const std::string& material, bool withNormals = true) {
    std::string text = "mtllib " + mtlFile + "\nv -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
                       "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\nusemtl " + material + "\n";
    text += withNormals ? "f 1/1/1 2/2/1 3/3/1\nf 1/1/1 3/3/1 4/4/1\n" : "f 1/1/ 2/2/ 3/3/\nf 1/1/ 3/3/ 4/4/\n";
    return text;
}
