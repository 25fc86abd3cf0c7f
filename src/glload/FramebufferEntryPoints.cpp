#include "glload/FramebufferEntryPoints.h"

#include "glload/glut.h"

#include <cstring>
#include <string>

namespace glut {

namespace {

bool offers(const char* extensions, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at != nullptr; at = std::strstr(at + length, name)) {
        const bool starts = at == extensions || at[-1] == ' ';
        const bool ends = at[length] == '\0' || at[length] == ' ';
        if (starts && ends) return true;  // a whole name, not the prefix of a longer one
    }
    return false;
}

template <typename Function>
bool resolve(Function*& slot, const std::string& name) {
    // Stored as the loader stores the others: through a slot of a generic function pointer.
    *reinterpret_cast<void (**)()>(&slot) = reinterpret_cast<void (*)()>(queryProcAddress(name.c_str()));
    return slot != nullptr;
}

}  // namespace

bool loadFramebufferEntryPoints(FramebufferEntryPoints& entries) {
    entries = {};
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (extensions == nullptr) return false;
    std::string suffix;
    if (!offers(extensions, "GL_ARB_framebuffer_object")) {
        if (!offers(extensions, "GL_EXT_framebuffer_object") || !offers(extensions, "GL_EXT_framebuffer_blit"))
            return false;
        suffix = "EXT";
    }
    FramebufferEntryPoints found;
    const bool complete = resolve(found.genFramebuffers, "glGenFramebuffers" + suffix) &&
                          resolve(found.deleteFramebuffers, "glDeleteFramebuffers" + suffix) &&
                          resolve(found.bindFramebuffer, "glBindFramebuffer" + suffix) &&
                          resolve(found.framebufferTexture2D, "glFramebufferTexture2D" + suffix) &&
                          resolve(found.checkFramebufferStatus, "glCheckFramebufferStatus" + suffix) &&
                          resolve(found.genRenderbuffers, "glGenRenderbuffers" + suffix) &&
                          resolve(found.deleteRenderbuffers, "glDeleteRenderbuffers" + suffix) &&
                          resolve(found.bindRenderbuffer, "glBindRenderbuffer" + suffix) &&
                          resolve(found.renderbufferStorage, "glRenderbufferStorage" + suffix) &&
                          resolve(found.framebufferRenderbuffer, "glFramebufferRenderbuffer" + suffix) &&
                          resolve(found.blitFramebuffer, "glBlitFramebuffer" + suffix);
    if (complete) entries = found;
    return complete;
}

}  // namespace glut
