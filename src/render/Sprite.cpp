#include "render/Sprite.h"

#include "assets/Image.h"
#include "assets/OBJ3D.h"
#include "base/Error.h"
#include "render/RenderContext.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>

// OpenGL 1.1 headers (Windows) stop before 1.2; the value is fixed by the GL registry.
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

namespace {

// The process-wide lock of the initialised flag and the key reads: it guards single words.
std::mutex& criticalSection() {
    static std::mutex lock;
    return lock;
}

// Corner k (0 = a, 1 = b, 2 = c) of a triangle.
int32_t corner(const face3D& face, int k) {
    return k == 0 ? face.a : k == 1 ? face.b : face.c;
}

template <typename T>
bool inside(const Array<T>& array, int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < array.size();
}

}  // namespace

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
        sprites2D.release();
        sprites2D.resize(static_cast<std::size_t>(sprite2DCapacity));
        count2D = 0;
        pcg3D.release();
        pcg3D.resize(static_cast<std::size_t>(pcg3DCount));
        sprites3D.release();
        sprites3D.resize(static_cast<std::size_t>(sprite3DCapacity));
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
        GLuint texture = 0;
        glGenTextures(1, &texture);
        screenTexture = texture;
        glBindTexture(GL_TEXTURE_2D, screenTexture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
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
    if (pcg < 0 || static_cast<std::size_t>(count2D) >= sprites2D.size()) return -1;
    SP2D& sprite = sprites2D.data()[count2D];
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
    if (pcg < 0 || static_cast<std::size_t>(count3D) >= sprites3D.size()) return -1;
    SP3D& sprite = sprites3D.data()[count3D];
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

// ---- textures ----

bool Sprite::readImage(const std::string& fileName, int32_t& width, int32_t& height, Array<uint32_t>& pixels) {
    Image image;
    if (image.open(fileName, "r") < 0) {
        image.close();
        return false;
    }
    width = image.getWidth();
    height = image.getHeight();
    pixels = image.readPixels(height);
    image.close();
    return true;
}

uint32_t Sprite::makePatternTexture(const PCG2D& pattern) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, pattern.width, pattern.height, GL_RGBA, GL_UNSIGNED_BYTE,
                      pattern.pixels.data());
    return texture;
}

int32_t Sprite::loadPattern(const std::string& fileName, int32_t pcg) {
    if (pcg < 0 || static_cast<std::size_t>(pcg) >= pcg2D.size()) return -1;
    PCG2D pattern;
    if (!readImage(fileName, pattern.width, pattern.height, pattern.pixels)) {
        std::printf("can not load texture png (%s)\n", fileName.c_str());
        return -1;
    }
    {
        RenderContext gl(*info);
        if (!gl.current()) throw Error("Failed wglMakeCurrent");
        pattern.texture = makePatternTexture(pattern);
    }
    std::lock_guard lock(listsLock);
    pcg2D[pcg] = std::move(pattern);
    return 0;
}

int32_t Sprite::loadPatternSheet(const std::string& fileName, int32_t firstPcg, int32_t cellWidth, int32_t cellHeight,
                                 int32_t maxColumns, int32_t maxRows) {
    if (firstPcg < 0 || static_cast<std::size_t>(firstPcg) >= pcg2D.size()) return -1;
    // A cell of no size would divide by zero below.
    if (cellWidth < 1 || cellHeight < 1) return -1;
    int32_t sheetWidth = 0;
    int32_t sheetHeight = 0;
    Array<uint32_t> sheet;
    if (!readImage(fileName, sheetWidth, sheetHeight, sheet)) {
        std::printf("can not load texture png (%s)\n", fileName.c_str());
        return -1;
    }
    const int32_t columns = std::min(sheetWidth / cellWidth, maxColumns);
    const int32_t rows = std::min(sheetHeight / cellHeight, maxRows);
    int32_t k = firstPcg;
    for (int32_t r = 0; r < rows; ++r) {
        for (int32_t c = 0; c < columns; ++c, ++k) {
            PCG2D pattern;
            pattern.pixels.resize(static_cast<std::size_t>(cellWidth) * cellHeight);
            pattern.width = cellWidth;
            pattern.height = cellHeight;
            for (int32_t y = 0; y < cellHeight; ++y) {
                const std::size_t from =
                    (static_cast<std::size_t>(r) * cellHeight + y) * sheetWidth + static_cast<std::size_t>(c) * cellWidth;
                std::copy_n(sheet.data() + from, cellWidth, pattern.pixels.data() + static_cast<std::size_t>(y) * cellWidth);
            }
            {
                RenderContext gl(*info);
                if (!gl.current()) throw Error("Failed wglMakeCurrent");
                pattern.texture = makePatternTexture(pattern);
            }
            std::lock_guard lock(listsLock);
            pcg2D[k] = std::move(pattern);
        }
    }
    return 0;
}

int32_t Sprite::createMaterialTexture(int32_t m) {
    checkThat(loadingMesh != nullptr, "createMaterialTexture only while a model loads");
    Material& material = loadingMesh->materials[m];
    if (material.textureFile.empty()) return 0;
    int32_t width = 0;
    int32_t height = 0;
    if (!readImage(material.textureFile, width, height, material.pixels)) {
        std::printf("can not load texture png (%s)\n", loadingFile.c_str());
        return 2;
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    material.textureId = texture;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, material.pixels.data());
    return 0;
}

// ---- models ----

int32_t Sprite::loadModel(const std::string& fileName, int32_t pcg) {
    if (pcg < 0 || static_cast<std::size_t>(pcg) >= pcg3D.size()) return -1;
    auto reader = std::make_unique<OBJ3D>();
    reader->open(fileName);
    reader->load();
    const int32_t result = compileModel(*reader->mesh, fileName, pcg);
    reader->close();
    return result;
}

int32_t Sprite::compileModel(Object3D& mesh, const std::string& fileName, int32_t pcg) {
    if (pcg < 0 || static_cast<std::size_t>(pcg) >= pcg3D.size()) return -1;
    RenderContext gl(*info);
    if (!gl.current()) throw Error("Failed wglMakeCurrent");
    glLoadIdentity();
    const uint32_t list = listBase + static_cast<uint32_t>(pcg);
    {
        std::lock_guard lock(listsLock);
        pcg3D[pcg].list = list;
    }
    // Forget the mesh on every way out: it goes with the reader.
    struct Loading {
        Sprite& sprite;
        ~Loading() {
            sprite.loadingMesh = nullptr;
            sprite.loadingFile.clear();
        }
    } loading{*this};
    loadingMesh = &mesh;
    loadingFile = fileName;
    for (const auto& [name, m] : mesh.materialIndex)
        if (createMaterialTexture(m) == 2) return -1;
    if (list == 0) {
        std::printf("failed glGenLists\n");
        return 0;
    }
    glDeleteLists(list, 1);
    glNewList(list, GL_COMPILE);
    try {
        for (const auto& [name, m] : mesh.materialIndex) drawMaterialFaces(m);
    } catch (...) {
        glEndList();
        throw;
    }
    glEndList();
    return 0;
}

int32_t Sprite::drawMaterialFaces(int32_t m) {
    checkThat(loadingMesh != nullptr, "drawMaterialFaces only while a model loads");
    const Object3D& mesh = *loadingMesh;
    const Material& material = mesh.materials[m];
    materialColor[0] = static_cast<float>(material.diffuse.r);
    materialColor[1] = static_cast<float>(material.diffuse.g);
    materialColor[2] = static_cast<float>(material.diffuse.b);
    materialColor[3] = 1.0f;
    glMaterialfv(GL_FRONT, GL_DIFFUSE, materialColor);
    const bool textured = !material.textureFile.empty();
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, material.textureId);
    }
    const Array<face3D>& vertexFaces = mesh.vertexFaces[m];
    const Array<face3D>* normalFaces = inside(mesh.normalFaces, m) ? &mesh.normalFaces[m] : nullptr;
    const Array<face3D>* texCoordFaces = inside(mesh.texCoordFaces, m) ? &mesh.texCoordFaces[m] : nullptr;
    for (std::size_t j = 0; j < vertexFaces.size(); ++j) {
        const face3D& positions = vertexFaces.data()[j];
        const vec3D* p[3];
        bool complete = true;
        for (int k = 0; k < 3; ++k) {
            const int32_t index = corner(positions, k);
            complete = complete && inside(mesh.vertices, index);
            p[k] = complete ? &mesh.vertices.data()[index] : nullptr;
        }
        if (!complete) continue;  // no corner to put it at: the triangle is left out
        // Face normal for corners that have none: right-handed about a, b, c.
        vec3D faceNormal;
        faceNormal.set(p[1]->x - p[0]->x, p[1]->y - p[0]->y, p[1]->z - p[0]->z);
        vec3D edge;
        edge.set(p[2]->x - p[0]->x, p[2]->y - p[0]->y, p[2]->z - p[0]->z);
        faceNormal.cross(edge);
        if (faceNormal.normalize() == 0) faceNormal.set(0, 0, 1);
        const bool hasNormals = normalFaces != nullptr && j < normalFaces->size();
        const bool hasTexCoords = texCoordFaces != nullptr && j < texCoordFaces->size();
        glBegin(GL_TRIANGLES);
        for (int k = 0; k < 3; ++k) {
            const int32_t n = hasNormals ? corner(normalFaces->data()[j], k) : -1;
            const vec3D& normal = inside(mesh.normals, n) ? mesh.normals.data()[n] : faceNormal;
            glNormal3d(normal.x, normal.y, normal.z);
            if (textured) {
                const int32_t t = hasTexCoords ? corner(texCoordFaces->data()[j], k) : -1;
                if (inside(mesh.texCoords, t))
                    glTexCoord2d(mesh.texCoords.data()[t].x, mesh.texCoords.data()[t].y);
                else
                    glTexCoord2d(0, 0);
            }
            glVertex3d(p[k]->x, p[k]->y, p[k]->z);
        }
        glEnd();
    }
    if (textured) glDisable(GL_TEXTURE_2D);
    return 0;
}

// ---- frames ----

int32_t Sprite::beginFrame() {
    frameStart = timeGetTime();
    if (frameCounter == 0) windowStart = frameStart;
    if (pollPause() == 0) clearSprites();
    return paused;
}

int32_t Sprite::pollPause() {
    const auto spaceHeld = [this] {
        std::lock_guard lock(criticalSection());
        return (info->commandKeys & kKeySpace) != 0;
    };
    if (spaceHeld()) {
        // The window thread clears the bit on key-up. A window that closes meanwhile ends
        // the wait with the pause unchanged.
        while (spaceHeld()) {
            if (info->stopping.load(std::memory_order_acquire)) return paused;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        paused = paused ? 0 : 1;
    }
    return paused;
}

int32_t Sprite::endFrame() {
    // The window thread paints this frame before the call returns; no lock is held here.
    RedrawWindow(info->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    lastFrameEnd = timeGetTime();
    frameDuration = lastFrameEnd - frameStart;
    DWORD target = frameInterval;
    while (frameInterval > 0 && frameDuration > target) target += frameInterval;
    if (target > frameDuration) Sleep(target - frameDuration);
    lastFrameEnd = timeGetTime();
    frameDuration = lastFrameEnd - frameStart;
    frameCounter = (frameCounter + 1) % 256;
    if (frameCounter == 255) windowDuration = lastFrameEnd - windowStart;
    return 0;
}

int32_t Sprite::fps() {
    if (windowDuration < 1) return 0;
    return static_cast<int32_t>(256000 / windowDuration);
}

int32_t Sprite::elapsedTime() {
    return static_cast<int32_t>(lastFrameEnd - initTime);
}

int32_t Sprite::drawFrame(int32_t clientWidth, int32_t clientHeight) {
    if (!isInitialized()) return 0;
    const int32_t shownWidth = info->clientWidth;
    const int32_t shownHeight = info->clientHeight;
    // A minimised window has no pixels to draw and would divide by a zero height.
    if (clientWidth <= 0 || clientHeight <= 0 || shownWidth <= 0 || shownHeight <= 0) return 0;
    std::lock_guard lock(listsLock);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glViewport(0, 0, clientWidth, clientHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovY, static_cast<double>(clientWidth) / clientHeight, nearPlane, farPlane);
    gluLookAt(eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0.3f, 0.3f, 0.3f, 0.0f);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glEnable(GL_LIGHTING);
    drawSprites3D();

    // The 3D picture becomes the background of the 2D pass. Colour only: the window asks
    // for no alpha bits, but where the framebuffer has them anyway (the clear alpha is 0,
    // faces may carry texel alpha) an alpha copy would blend the picture away.
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, screenTexture);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, shownWidth, shownHeight, 0);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();

    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, screenTexture);
    const double aspect = static_cast<double>(shownWidth) / shownHeight;
    glBegin(GL_QUADS);
    glNormal3d(0, 0, 1);
    glTexCoord2d(0, 0);
    glVertex3d(-aspect, -1, 0);
    glTexCoord2d(0, 1);
    glVertex3d(-aspect, 1, 0);
    glTexCoord2d(1, 1);
    glVertex3d(aspect, 1, 0);
    glTexCoord2d(1, 0);
    glVertex3d(aspect, -1, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);

    drawSprites2D();
    glDisable(GL_BLEND);
    return 0;
}

void Sprite::drawSprites3D() {
    for (int32_t i = 0; i < count3D; ++i) {
        const SP3D& sprite = sprites3D[i];
        if (sprite.blend != BLEND_NORMAL) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        } else {
            glDisable(GL_BLEND);
        }
        const uint32_t list = pcg3D[sprite.pcg].list;  // before the push: a bad pcg raises
        glPushMatrix();
        glTranslated(sprite.x, sprite.y, sprite.z);
        glRotated(sprite.angle, sprite.axisX, sprite.axisY, sprite.axisZ);
        glScaled(sprite.scaleX, sprite.scaleY, sprite.scaleZ);
        glCallList(list);
        glPopMatrix();
    }
}

void Sprite::drawSprites2D() {
    const double W = info->width;
    const double H = info->height;
    // From the last placed down, so that the first placed ends up on top.
    for (int32_t i = count2D - 1; i >= 0; --i) {
        const SP2D& sprite = sprites2D[i];
        const PCG2D& pattern = pcg2D[sprite.pcg];
        const double hw = pattern.width * sprite.scaleX / H;
        const double hh = pattern.height * sprite.scaleY / H;
        glBlendFunc(GL_SRC_ALPHA, sprite.blend != BLEND_NORMAL ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, pattern.texture);
        glColor4d(1, 1, 1, sprite.alpha / 255.0);
        glPushMatrix();
        glTranslated((2 * sprite.x - W) / H, (H - 2 * sprite.y) / H, 0);
        glRotated(sprite.angle, 0, 0, 1);
        glBegin(GL_POLYGON);
        glNormal3d(0, 0, 1);
        glTexCoord2d(0, 1);
        glVertex3d(-hw, -hh, 0);
        glTexCoord2d(1, 1);
        glVertex3d(hw, -hh, 0);
        glTexCoord2d(1, 0);
        glVertex3d(hw, hh, 0);
        glTexCoord2d(0, 0);
        glVertex3d(-hw, hh, 0);
        glEnd();
        glPopMatrix();
        glDisable(GL_TEXTURE_2D);
    }
}
