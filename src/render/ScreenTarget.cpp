#include "render/ScreenTarget.h"

void ScreenTarget::create() {
    GLuint name = 0;
    glGenTextures(1, &name);
    textureName = name;
    glBindTexture(GL_TEXTURE_2D, textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    framebufferOffered = glut::loadFramebufferEntryPoints(entries);
    if (!framebufferOffered) return;
    entries.genFramebuffers(1, &framebuffer);
    entries.genRenderbuffers(1, &depthBuffer);
}

void ScreenTarget::allocate(int32_t width, int32_t height) {
    if (width == storedWidth && height == storedHeight) return;
    // Colour only: the window has no alpha bits, and texel alpha copied along would blend
    // the picture away when it is drawn back.
    glBindTexture(GL_TEXTURE_2D, textureName);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    storedWidth = width;
    storedHeight = height;
    if (!framebufferOffered) return;
    entries.bindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    entries.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    entries.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    entries.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, textureName, 0);
    entries.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    const bool complete = entries.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
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

void ScreenTarget::finish(int32_t width, int32_t height) {
    if (framebufferOffered) {
        entries.bindFramebuffer(GL_FRAMEBUFFER, 0);
        return;
    }
    glBindTexture(GL_TEXTURE_2D, textureName);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
}
