// Sprite: one frame drawn on the window thread: the 3D pass, the screen texture, the 2D pass.
#include "render/Sprite.h"

#include "render/MeshSides.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

int32_t Sprite::drawFrame(int32_t clientWidth, int32_t clientHeight) {
    if (!isInitialized()) return 0;
    // A minimised window has no pixels to draw and would divide by a zero height.
    if (clientWidth <= 0 || clientHeight <= 0) return 0;
    const auto guard = lists.hold();

    // The background quad takes the current colour, which the 3D pass leaves as it is (it
    // sets materials, not colours). Opaque white shows the 3D picture unchanged: then the pass
    // is drawn straight into the window and the screen texture is neither filled nor drawn.
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    const bool background = !(colour[0] == 1 && colour[1] == 1 && colour[2] == 1 && colour[3] == 1);
    if (background) screen.begin(clientWidth, clientHeight);
    // The 2D pass leaves depth writes off, and a clear obeys that mask; the window's depth
    // buffer was cleared behind it last frame, the texture's depth buffer was not.
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // Into a texture the driver caps below the window's size, at the texture's size.
    glViewport(0, 0, background ? screen.width() : clientWidth, background ? screen.height() : clientHeight);
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
        if (background) screen.finish();
        throw;
    }
    glDisable(GL_CULL_FACE);

    // The 3D picture becomes the background of the 2D pass.
    glDisable(GL_BLEND);
    if (background) screen.finish();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (background) drawBackground(clientWidth, clientHeight);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawSprites2D();
    glDisable(GL_BLEND);
    return 0;
}

void Sprite::drawBackground(int32_t clientWidth, int32_t clientHeight) {
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

bool Sprite::drawSprites3DByMaterial() {
    const std::span<const SP3D> sprites3D = lists.sprites3D();
    if (sprites3D.empty()) return false;
    const int32_t pcg = sprites3D[0].pcg;
    for (const SP3D& sprite : sprites3D)
        if (sprite.blend != BLEND_NORMAL || sprite.pcg != pcg) return false;
    const PCG3D& pattern = pcg3D[pcg];  // a bad pcg raises, as in the per-sprite order
    if (pattern.parts == 0) return false;
    // Opaque and depth-tested, each pixel keeps the nearest fragment whatever the order; a
    // material's state is set once instead of once per block.
    // Nearest first, so that the depth test rejects hidden fragments before they are shaded.
    nearestFirst.resize(sprites3D.size());
    for (std::size_t i = 0; i < sprites3D.size(); ++i) nearestFirst[i] = static_cast<int32_t>(i);
    const auto distance = [this, sprites3D](int32_t i) {
        const SP3D& s = sprites3D[i];
        return (s.x - eyeX) * (s.x - eyeX) + (s.y - eyeY) * (s.y - eyeY) + (s.z - eyeZ) * (s.z - eyeZ);
    };
    std::stable_sort(nearestFirst.begin(), nearestFirst.end(),
                     [&](int32_t a, int32_t b) { return distance(a) < distance(b); });
    // A side touching another block square to square, or turned away from the eye, is not
    // drawn: of a cube's blocks only the stickers outside and facing the eye are.
    const bool inPieces = pattern.pieces != 0;
    const double eye[3] = {eyeX, eyeY, eyeZ};
    const std::vector<uint8_t> noneHidden;
    const std::vector<uint8_t>& hidden = inPieces ? hiddenSides.find(sprites3D, pattern.halfSize, eye) : noneHidden;
    glDisable(GL_BLEND);
    for (int32_t k = 0; k < pattern.partCount; ++k) {
        const uint32_t part = pattern.parts + 3 * static_cast<uint32_t>(k);
        const uint32_t filled = inPieces ? pattern.filledPieces[k] : 0;
        glCallList(part);
        for (const int32_t i : nearestFirst) {
            const uint32_t shown = inPieces ? filled & ~static_cast<uint32_t>(hidden[i]) : 0;
            if (inPieces && shown == 0) continue;
            const SP3D& sprite = sprites3D[i];
            glPushMatrix();
            glTranslated(sprite.x, sprite.y, sprite.z);
            glRotated(sprite.angle, sprite.axisX, sprite.axisY, sprite.axisZ);
            glScaled(sprite.scaleX, sprite.scaleY, sprite.scaleZ);
            if (shown == filled) {
                glCallList(part + 1);
            } else {
                const uint32_t pieces = pattern.pieces + MeshSides::kPieces * static_cast<uint32_t>(k);
                for (int piece = 0; piece < MeshSides::kPieces; ++piece)
                    if (shown & (1u << piece)) glCallList(pieces + static_cast<uint32_t>(piece));
            }
            glPopMatrix();
        }
        glCallList(part + 2);
    }
    return true;
}

void Sprite::drawSprites3D() {
    if (drawSprites3DByMaterial()) return;
    for (const SP3D& sprite : lists.sprites3D()) {
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
    const std::span<const SP2D> sprites2D = lists.sprites2D();
    for (auto it = sprites2D.rbegin(); it != sprites2D.rend(); ++it) {
        const SP2D& sprite = *it;
        PCG2D& pattern = pcg2D[sprite.pcg];
        const double hw = pattern.width * sprite.scaleX / H;
        const double hh = pattern.height * sprite.scaleY / H;
        glBlendFunc(GL_SRC_ALPHA, sprite.blend != BLEND_NORMAL ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, pattern.texture);
        if (pattern.texture != 0 && !pattern.textureFilled) fillPatternTexture(pattern);
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
