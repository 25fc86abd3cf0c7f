#include "render/Sprite.h"

#include "base/Error.h"
#include "render/RenderContext.h"

#include <GL/gl.h>

#include <cstdio>

Sprite::Sprite() = default;

int32_t Sprite::init(int32_t pcg2DCount, int32_t sprite2DCapacity, int32_t pcg3DCount, int32_t sprite3DCapacity,
                     GameInfo* gameInfo) {
    // The first message is the one callers know a second init by.
    if (isInitialized()) throw Error("Class Sprite.init() multi calling");
    if (pcg2DCount < 0 || sprite2DCapacity < 0 || pcg3DCount < 0 || sprite3DCapacity < 0)
        throw Error("Sprite::init(): negative table size");
    if (gameInfo == nullptr) throw Error("Sprite::init(): without GameInfo");
    {
        const auto guard = lists.hold();
        pcg2D.release();
        pcg2D.resize(static_cast<std::size_t>(pcg2DCount));
        pcg3D.release();
        pcg3D.resize(static_cast<std::size_t>(pcg3DCount));
    }
    lists.reset(sprite2DCapacity, sprite3DCapacity);
    info = gameInfo;
    {
        RenderContext gl(*info);
        if (!gl.current()) throw Error("Failed wglMakeCurrent");
        glEnable(GL_DEPTH_TEST);
        // Sprites are scaled (the demo's blocks by 0.1), and GL scales normals with the
        // inverse: renormalise them, or every scaled model would be lit ten times too bright.
        glEnable(GL_NORMALIZE);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        screen.create();
        screenTexture = screen.texture();
        listBase = glGenLists(pcg3DCount);
        if (listBase == 0) std::printf("glGenLists faild\n");
    }
    initialized = 1;
    pacer.start();
    return 0;
}

int32_t Sprite::beginFrame() {
    pacer.beginFrame();
    if (pollPause() == 0) clearSprites();
    return pacer.paused();
}

int32_t Sprite::pollPause() { return pacer.pollPause(*info); }

int32_t Sprite::endFrame() {
    // The window thread paints this frame before the call returns; no lock is held here.
    RedrawWindow(info->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pacer.endFrame();
    return 0;
}

int32_t Sprite::fps() { return pacer.fps(); }

int32_t Sprite::elapsedTime() { return pacer.elapsedTime(); }

void Sprite::clearSprites() { lists.clear(); }

int32_t Sprite::addSprite2D(int32_t pcg, int32_t x, int32_t y) {
    return addSprite2D(pcg, x, y, 0.0, 255, BLEND_NORMAL, 1.0, 1.0);
}

int32_t Sprite::addSprite2D(int32_t pcg, int32_t x, int32_t y, double angle, int32_t alpha, double scale) {
    return addSprite2D(pcg, x, y, angle, alpha, BLEND_NORMAL, scale, scale);
}

int32_t Sprite::addSprite2D(int32_t pcg, int32_t x, int32_t y, double angle, int32_t alpha, BLEND_TYPE blend,
                            double scaleX, double scaleY) {
    if (pcg < 0) return -1;
    return lists.add(SP2D{pcg, x, y, alpha, angle, scaleX, scaleY, blend});
}

int32_t Sprite::addSprite3DAt(int32_t pcg, double x, double y, double z) {
    return addSprite3DAt(pcg, x, y, z, 0, 0, 0, 0, 1, 1, 1, BLEND_NORMAL);
}

int32_t Sprite::addSprite3DAt(int32_t pcg, double x, double y, double z, double axisX, double axisY, double axisZ,
                              double angle, double scaleX, double scaleY, double scaleZ, BLEND_TYPE blend) {
    const int32_t w = info->width;
    const int32_t h = info->height;
    const double unit = 0.5 * h;
    return addSprite3D(pcg, (x - w / 2) / unit, (y - h / 2) / -unit, z / -unit, axisX, axisY, axisZ, angle, scaleX,
                       scaleY, scaleZ, blend);
}

int32_t Sprite::addSprite3D(int32_t pcg, double x, double y, double z) {
    return addSprite3D(pcg, x, y, z, 0, 0, 0, 0, 1, 1, 1, BLEND_NORMAL);
}

int32_t Sprite::addSprite3D(int32_t pcg, double x, double y, double z, double axisX, double axisY, double axisZ,
                            double angle, double scaleX, double scaleY, double scaleZ, BLEND_TYPE blend) {
    if (pcg < 0) return -1;
    return lists.add(SP3D{pcg, blend, x, y, z, axisX, axisY, axisZ, angle, scaleX, scaleY, scaleZ});
}

int32_t Sprite::sprite2DCount() { return lists.count2D(); }

int32_t Sprite::sprite3DCount() { return lists.count3D(); }
