#include "render/Sprite.h"

#include "base/Error.h"
#include "render/RenderContext.h"

#include <GL/gl.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>

std::mutex& Sprite::criticalSection() {
    static std::mutex lock;
    return lock;
}

Sprite::Sprite() {
    std::lock_guard lock(criticalSection());
    initialized = 0;
    paused = 0;
}

bool Sprite::isInitialized() const {
    std::lock_guard lock(criticalSection());
    return initialized == 1;
}

int32_t Sprite::init(int32_t pcg2DCount, int32_t sprite2DCapacity, int32_t pcg3DCount, int32_t sprite3DCapacity,
                     GameInfo* gameInfo) {
    if (isInitialized()) throw Error("Class Sprite.init() multi calling");
    if (pcg2DCount < 0 || sprite2DCapacity < 0 || pcg3DCount < 0 || sprite3DCapacity < 0)
        throw Error("Class Sprite.init() negative table size");
    if (gameInfo == nullptr) throw Error("Class Sprite.init() without GameInfo");
    windowDuration = 0;
    {
        std::lock_guard lock(listsLock);
        pcg2D.release();
        pcg2D.resize(static_cast<std::size_t>(pcg2DCount));
        // Capacity reserved, not filled: a slot's memory is touched when a frame first uses
        // it, so the demo's 152 blocks do not keep 8192 slots resident.
        sprites2D.release();
        sprites2D.reserve(static_cast<std::size_t>(sprite2DCapacity));
        capacity2D = sprite2DCapacity;
        count2D = 0;
        pcg3D.release();
        pcg3D.resize(static_cast<std::size_t>(pcg3DCount));
        sprites3D.release();
        sprites3D.reserve(static_cast<std::size_t>(sprite3DCapacity));
        capacity3D = sprite3DCapacity;
        count3D = 0;
    }
    frameCounter = 0;
    frameStart = 0;
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
    const float ambient[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    const float position[4] = {1.0f, 1.0f, 4.5f, 1.0f};
    std::copy(ambient, ambient + 4, lightAmbient);
    std::copy(position, position + 4, lightPosition);
    std::fill(materialColor, materialColor + 32, 0.0f);
    {
        std::lock_guard lock(criticalSection());
        initialized = 1;
    }
    frameInterval = 16;
    initTime = timeGetTime();
    return 0;
}

void Sprite::clearSprites() {
    std::lock_guard lock(listsLock);
    count2D = 0;
    count3D = 0;
}

int32_t Sprite::addSprite2D(int32_t pcg, int32_t x, int32_t y) {
    return addSprite2D(pcg, x, y, 0.0, 255, BLEND_NORMAL, 1.0, 1.0);
}

int32_t Sprite::addSprite2D(int32_t pcg, int32_t x, int32_t y, double angle, int32_t alpha, double scale) {
    return addSprite2D(pcg, x, y, angle, alpha, BLEND_NORMAL, scale, scale);
}

int32_t Sprite::addSprite2D(int32_t pcg, int32_t x, int32_t y, double angle, int32_t alpha, BLEND_TYPE blend,
                            double scaleX, double scaleY) {
    std::lock_guard lock(listsLock);
    if (pcg < 0 || count2D >= capacity2D) return -1;
    if (static_cast<std::size_t>(count2D) == sprites2D.size()) sprites2D.emplace_back();  // within the reserve
    SP2D& sprite = sprites2D[count2D];
    sprite.pcg = pcg;
    sprite.x = x;
    sprite.y = y;
    sprite.alpha = alpha;
    sprite.angle = angle;
    sprite.scaleX = scaleX;
    sprite.scaleY = scaleY;
    sprite.blend = blend;
    return count2D++;
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
    std::lock_guard lock(listsLock);
    if (pcg < 0 || count3D >= capacity3D) return -1;
    if (static_cast<std::size_t>(count3D) == sprites3D.size()) sprites3D.emplace_back();  // within the reserve
    SP3D& sprite = sprites3D[count3D];
    sprite.pcg = pcg;
    sprite.blend = blend;
    sprite.x = x;
    sprite.y = y;
    sprite.z = z;
    sprite.axisX = axisX;
    sprite.axisY = axisY;
    sprite.axisZ = axisZ;
    sprite.angle = angle;
    sprite.scaleX = scaleX;
    sprite.scaleY = scaleY;
    sprite.scaleZ = scaleZ;
    return count3D++;
}

int32_t Sprite::sprite2DCount() {
    std::lock_guard lock(listsLock);
    return count2D;
}

int32_t Sprite::sprite3DCount() {
    std::lock_guard lock(listsLock);
    return count3D;
}
