#pragma once
// ScreenTarget: the screen texture and how a frame's 3D picture gets into it. Where the
// driver offers framebuffer objects, the 3D pass is drawn straight into the texture (with a
// depth buffer of its own); elsewhere it is drawn into the window and copied. Either way,
// once finish has run, the texture holds the 3D picture, width x height texels, colour only.
// Storage is made on the first frame of a size that needs it, not every frame. Context
// current throughout.

#include "glload/FramebufferEntryPoints.h"

#include <cstdint>

class ScreenTarget {
public:
    // Names the texture (repeat, linear) and looks for framebuffer objects and the blit.
    void create();
    uint32_t texture() const { return textureName; }
    // Before the 3D pass. True when the pass now draws into the texture; false when it draws
    // into the window (no framebuffer objects, or none complete at this size).
    bool begin(int32_t width, int32_t height);
    // After the 3D pass: back to the window, or the window's picture copied into the texture.
    void finish(int32_t width, int32_t height);

private:
    // Storage of the texture (and the depth buffer) at this size, when the size changes. A
    // framebuffer object that cannot be completed is given up for the copy.
    void allocate(int32_t width, int32_t height);

    glut::FramebufferEntryPoints entries;
    bool framebufferOffered = false;
    uint32_t textureName = 0;
    uint32_t framebuffer = 0;
    uint32_t depthBuffer = 0;
    int32_t storedWidth = 0;
    int32_t storedHeight = 0;
};
