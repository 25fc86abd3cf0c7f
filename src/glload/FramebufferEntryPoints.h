#pragma once
// FramebufferEntryPoints: the framebuffer-object entry points and the blit between
// framebuffers, from GL_ARB_framebuffer_object (core names) or else GL_EXT_framebuffer_object
// with GL_EXT_framebuffer_blit (names ending in EXT), resolved through the same query as the
// other entry points. The extensions use the same enum values.

#include <windows.h>

#include <GL/gl.h>
#include <GL/glext.h>

#ifndef APIENTRY
#define APIENTRY
#endif

namespace glut {

struct FramebufferEntryPoints {
    void(APIENTRY* genFramebuffers)(GLsizei n, GLuint* framebuffers) = nullptr;
    void(APIENTRY* deleteFramebuffers)(GLsizei n, const GLuint* framebuffers) = nullptr;
    void(APIENTRY* bindFramebuffer)(GLenum target, GLuint framebuffer) = nullptr;
    void(APIENTRY* framebufferTexture2D)(GLenum target, GLenum attachment, GLenum textureTarget, GLuint texture,
                                         GLint level) = nullptr;
    GLenum(APIENTRY* checkFramebufferStatus)(GLenum target) = nullptr;
    void(APIENTRY* genRenderbuffers)(GLsizei n, GLuint* renderbuffers) = nullptr;
    void(APIENTRY* deleteRenderbuffers)(GLsizei n, const GLuint* renderbuffers) = nullptr;
    void(APIENTRY* bindRenderbuffer)(GLenum target, GLuint renderbuffer) = nullptr;
    void(APIENTRY* renderbufferStorage)(GLenum target, GLenum internalFormat, GLsizei width, GLsizei height) = nullptr;
    void(APIENTRY* framebufferRenderbuffer)(GLenum target, GLenum attachment, GLenum renderbufferTarget,
                                            GLuint renderbuffer) = nullptr;
    void(APIENTRY* blitFramebuffer)(GLint srcX0, GLint srcY0, GLint srcX1, GLint srcY1, GLint dstX0, GLint dstY0,
                                    GLint dstX1, GLint dstY1, GLbitfield mask, GLenum filter) = nullptr;
};

// True with every entry point set when the current context offers them; false (all null)
// otherwise. Needs a current GL context on the calling thread.
bool loadFramebufferEntryPoints(FramebufferEntryPoints& entries);

}  // namespace glut
