#include "render/ScreenTarget.h"

#include <algorithm>

void ScreenTarget::create() {
    GLuint name = 0;
    glGenTextures(1, &name);
    textureName = name;
    glBindTexture(GL_TEXTURE_2D, textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    largestSide = std::max(limit, 1);
    framebufferOffered = glut::loadFramebufferEntryPoints(entries);
    if (!framebufferOffered) return;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &limit);
    largestSide = std::clamp(limit, 1, largestSide);
    entries.genFramebuffers(1, &framebuffer);
    entries.genRenderbuffers(1, &depthBuffer);
}

void ScreenTarget::allocate(int32_t width, int32_t height) {
    if (width == windowWidth && height == windowHeight) return;
    windowWidth = width;
    windowHeight = height;
    storedWidth = std::min(width, largestSide);
    storedHeight = std::min(height, largestSide);
    // Colour only: the window has no alpha bits, and texel alpha copied along would blend
    // the picture away when it is drawn back. Storage the driver refuses (out of memory)
    // is asked for again at half the size.
    glBindTexture(GL_TEXTURE_2D, textureName);
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {  // earlier errors are not ours
    }
    for (;;) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, storedWidth, storedHeight, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        if (glGetError() == GL_NO_ERROR || (storedWidth == 1 && storedHeight == 1)) break;
        storedWidth = std::max(storedWidth / 2, 1);
        storedHeight = std::max(storedHeight / 2, 1);
    }
    if (!framebufferOffered) return;
    entries.bindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    entries.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, storedWidth, storedHeight);
    const bool stored = glGetError() == GL_NO_ERROR;
    entries.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    entries.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, textureName, 0);
    entries.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    const bool complete = stored && entries.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    entries.bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {  // from now on the window is drawn into and copied
        entries.deleteFramebuffers(1, &framebuffer);
        entries.deleteRenderbuffers(1, &depthBuffer);
        framebufferOffered = false;
    }
}

bool ScreenTarget::begin(int32_t width, int32_t height) {
    allocate(width, height);
    if (!framebufferOffered) return false;
    entries.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    return true;
}

void ScreenTarget::finish() {
    if (framebufferOffered) {
        entries.bindFramebuffer(GL_FRAMEBUFFER, 0);
    } else {
        glBindTexture(GL_TEXTURE_2D, textureName);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, storedWidth, storedHeight);
    }
    if (storedWidth != windowWidth || storedHeight != windowHeight) glViewport(0, 0, windowWidth, windowHeight);
}
