// Drivers that cannot serve the screen texture at the window's size: a small GL shim (the
// linker's --wrap, and the entry-point query) makes Mesa refuse storage above a limit, as
// such drivers do. The frame must still show the whole picture an unlimited driver shows.

#include "RenderFixture.h"

#include "glload/glut.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

namespace {

struct Shim {
    GLint reportedLimit = 0;   // reported as the texture and renderbuffer limits; 0: the driver's own
    GLsizei refusedAbove = 0;  // storage wider or taller is refused with refusal; 0: none refused
    GLenum refusal = GL_NO_ERROR;
    bool framebufferObjects = true;
    GLenum pendingError = GL_NO_ERROR;
} shim;

bool refused(GLsizei width, GLsizei height) {
    if (shim.refusedAbove == 0 || (width <= shim.refusedAbove && height <= shim.refusedAbove)) return false;
    shim.pendingError = shim.refusal;
    return true;
}

using StorageFunction = void(APIENTRY*)(GLenum, GLenum, GLsizei, GLsizei);
StorageFunction realStorage = nullptr;

void APIENTRY shimStorage(GLenum target, GLenum format, GLsizei width, GLsizei height) {
    if (!refused(width, height)) realStorage(target, format, width, height);
}

// Through void (*)(), the type that converts to and from any function pointer type.
template <typename To, typename From>
To functionCast(From function) {
    return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

PROC WINAPI shimQuery(LPCSTR name) {
    PROC real = wglGetProcAddress(name);
    if (!real || (!shim.framebufferObjects && std::strstr(name, "buffer"))) return nullptr;
    if (std::strstr(name, "RenderbufferStorage")) {
        realStorage = functionCast<StorageFunction>(real);
        return functionCast<PROC>(shimStorage);
    }
    return real;
}

}  // namespace

extern "C" {
void __real_glGetIntegerv(GLenum name, GLint* value);
void __real_glTexImage2D(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*);
GLenum __real_glGetError();

void __wrap_glGetIntegerv(GLenum name, GLint* value) {
    __real_glGetIntegerv(name, value);
    if (shim.reportedLimit && (name == GL_MAX_TEXTURE_SIZE || name == GL_MAX_RENDERBUFFER_SIZE))
        *value = shim.reportedLimit;
}

void __wrap_glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                         GLenum format, GLenum type, const void* pixels) {
    if (!refused(width, height))
        __real_glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}

GLenum __wrap_glGetError() {
    const GLenum error = shim.pendingError;
    shim.pendingError = GL_NO_ERROR;
    return error != GL_NO_ERROR ? error : __real_glGetError();
}
}

namespace {

// Two frames of a red square model left of the centre under a green 2D square whose alpha
// (below 255) makes the background the texture drawn over the clear colour; the picture of
// the second, on a window whose renderer starts under the shim as it stands.
Picture drawScene(int32_t alpha) {
    glut::setProcAddressQuery(shimQuery);
    GLWindow window;
    Sprite& sprite = window.getSprite();
    EXPECT_EQ(sprite.init(512, 8192, 32, 8192, &window.info), 0);
    writeTempFile("limits.mtl", "newmtl red\nKd 0.8 0.2 0.1\n");
    EXPECT_EQ(sprite.loadModel(writeTempFile("limits.obj", squareObj("limits.mtl", "red")), 0), 0);
    const std::string solid = writeTempPng("limits.png", 20, 20, std::vector<uint32_t>(400, rgb(0, 255, 0)));
    EXPECT_EQ(sprite.loadPattern(solid, 1), 0);
    sprite.addSprite3D(0, 0.2, -0.1, 0, 1, 1, 0, 40, 0.5, 0.5, 0.5, BLEND_NORMAL);
    sprite.addSprite2D(1, 40, 40, 0, alpha, 1.0);
    window.draw();
    const Picture picture = window.draw();
    glut::setProcAddressQuery(nullptr);
    return picture;
}

// Pixels of a and b apart by more than the smoothing of a picture scaled up 2.6 times.
int differing(const Picture& a, const Picture& b) {
    int count = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            count += std::abs(a.red(x, y) - b.red(x, y)) > 40 || std::abs(a.green(x, y) - b.green(x, y)) > 40;
    return count;
}

TEST(DriverLimitsTest, TheWholePictureShowsWhereTheTextureCannotHaveTheWindowsSize) {
    const struct {
        const char* name;
        Shim conditions;
    } cases[] = {
        {"limit below the window", {200, 200, GL_INVALID_VALUE, true, GL_NO_ERROR}},
        {"limit below the window, no framebuffer objects", {200, 200, GL_INVALID_VALUE, false, GL_NO_ERROR}},
        {"storage above 300 out of memory", {0, 300, GL_OUT_OF_MEMORY, true, GL_NO_ERROR}},
    };
    for (const int32_t alpha : {128, 64}) {  // below 255: the 3D pass goes through the texture
        shim = {};
        const Picture expected = drawScene(alpha);
        ASSERT_EQ(expected.width, 512);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", alpha " << alpha);
            shim = c.conditions;
            const Picture picture = drawScene(alpha);
            shim = {};
            ASSERT_EQ(picture.width, 512);
            EXPECT_LT(differing(picture, expected), 512 * 512 / 100);
        }
    }
}

}  // namespace
