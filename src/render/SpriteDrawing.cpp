// Sprite: one frame drawn on the window thread: the 3D pass, the screen texture, the 2D pass.
#include "render/Sprite.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <limits>

int32_t Sprite::drawFrame(int32_t clientWidth, int32_t clientHeight) {
    if (!isInitialized()) return 0;
    // A minimised window has no pixels to draw and would divide by a zero height.
    if (clientWidth <= 0 || clientHeight <= 0) return 0;
    std::lock_guard lock(listsLock);

    const bool intoTexture = screen.begin(clientWidth, clientHeight);
    // The 2D pass leaves depth writes off, and a clear obeys that mask; the window's depth
    // buffer was cleared behind it last frame, the texture's depth buffer was not.
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glViewport(0, 0, screen.width(), screen.height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovY, static_cast<double>(clientWidth) / clientHeight, nearPlane, farPlane);
    gluLookAt(eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0.3f, 0.3f, 0.3f, 0.0f);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glEnable(GL_LIGHTING);
    // The block mesh is closed: a back face lies behind a front face of the same block and
    // would only be rasterised to lose the depth test. Culled for the 3D pass alone.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    try {
        drawSprites3D();
    } catch (...) {  // a bad pattern number: the window is drawn into again
        glDisable(GL_CULL_FACE);
        screen.finish();
        throw;
    }
    glDisable(GL_CULL_FACE);

    // The 3D picture becomes the background of the 2D pass.
    glDisable(GL_BLEND);
    screen.finish();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    drawBackground(clientWidth, clientHeight, intoTexture);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawSprites2D();
    glDisable(GL_BLEND);
    return 0;
}

void Sprite::drawBackground(int32_t clientWidth, int32_t clientHeight, bool intoTexture) {
    // The quad takes the current colour (the last 2D sprite's): white would leave each texel
    // as it is, and a blit of the texels, a plain copy, draws the same picture for a fraction
    // of the cost (a drawn quad is a shaded pass over every pixel on llvmpipe).
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    if (colour[0] == 1 && colour[1] == 1 && colour[2] == 1 && colour[3] == 1 && !screen.scaled()) {
        if (intoTexture) screen.blitToWindow(areaOf3DSprites(clientWidth, clientHeight));
        return;  // else the window already shows that picture
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, screen.texture());
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    const double aspect = static_cast<double>(clientWidth) / clientHeight;
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
}

ScreenTarget::Area Sprite::areaOf3DSprites(int32_t clientWidth, int32_t clientHeight) {
    const ScreenTarget::Area whole{0, 0, clientWidth, clientHeight};
    double m[16];  // eye and perspective; the model-view matrix is the identity here
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    constexpr double none = std::numeric_limits<double>::infinity();
    double left = none, bottom = none, right = -none, top = -none;
    for (int32_t i = 0; i < count3D; ++i) {
        const SP3D& s = sprites3D[i];
        // A box around the sphere that holds the model however it is turned; its projection
        // lies within that of its corners while they are all in front of the eye.
        const double r = pcg3D[s.pcg].radius * std::max({std::abs(s.scaleX), std::abs(s.scaleY), std::abs(s.scaleZ)});
        for (int corner = 0; corner < 8; ++corner) {
            const double x = s.x + (corner & 1 ? r : -r);
            const double y = s.y + (corner & 2 ? r : -r);
            const double z = s.z + (corner & 4 ? r : -r);
            const double w = m[3] * x + m[7] * y + m[11] * z + m[15];
            if (!(w > 1e-9)) return whole;  // at or behind the eye, or not a number
            const double px = ((m[0] * x + m[4] * y + m[8] * z + m[12]) / w + 1) / 2 * clientWidth;
            const double py = ((m[1] * x + m[5] * y + m[9] * z + m[13]) / w + 1) / 2 * clientHeight;
            if (!std::isfinite(px) || !std::isfinite(py)) return whole;
            left = std::min(left, px);
            right = std::max(right, px);
            bottom = std::min(bottom, py);
            top = std::max(top, py);
        }
    }
    if (left > right) return {0, 0, 0, 0};  // no 3D sprite
    // A pixel of margin on each side for GL's single-precision rounding.
    const auto within = [](double v, int32_t limit) { return static_cast<int32_t>(std::clamp(v, 0.0, double(limit))); };
    return {within(std::floor(left) - 1, clientWidth), within(std::floor(bottom) - 1, clientHeight),
            within(std::ceil(right) + 1, clientWidth), within(std::ceil(top) + 1, clientHeight)};
}

bool Sprite::drawSprites3DByMaterial() {
    if (count3D == 0) return false;
    const int32_t pcg = sprites3D[0].pcg;
    for (int32_t i = 0; i < count3D; ++i)
        if (sprites3D[i].blend != BLEND_NORMAL || sprites3D[i].pcg != pcg) return false;
    const PCG3D& pattern = pcg3D[pcg];  // a bad pcg raises, as in the per-sprite order
    if (pattern.parts == 0) return false;
    // Opaque and depth-tested, each pixel keeps the nearest fragment whatever the order; a
    // material's state is set once instead of once per block.
    // Nearest first, so that the depth test rejects hidden fragments before they are shaded.
    nearestFirst.resize(static_cast<std::size_t>(count3D));
    for (int32_t i = 0; i < count3D; ++i) nearestFirst[i] = i;
    const auto distance = [this](int32_t i) {
        const SP3D& s = sprites3D[i];
        return (s.x - eyeX) * (s.x - eyeX) + (s.y - eyeY) * (s.y - eyeY) + (s.z - eyeZ) * (s.z - eyeZ);
    };
    std::stable_sort(nearestFirst.begin(), nearestFirst.end(),
                     [&](int32_t a, int32_t b) { return distance(a) < distance(b); });
    glDisable(GL_BLEND);
    for (int32_t k = 0; k < pattern.partCount; ++k) {
        const uint32_t part = pattern.parts + 3 * static_cast<uint32_t>(k);
        glCallList(part);
        for (const int32_t i : nearestFirst) {
            const SP3D& sprite = sprites3D[i];
            glPushMatrix();
            glTranslated(sprite.x, sprite.y, sprite.z);
            glRotated(sprite.angle, sprite.axisX, sprite.axisY, sprite.axisZ);
            glScaled(sprite.scaleX, sprite.scaleY, sprite.scaleZ);
            glCallList(part + 1);
            glPopMatrix();
        }
        glCallList(part + 2);
    }
    return true;
}

void Sprite::drawSprites3D() {
    if (drawSprites3DByMaterial()) return;
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
