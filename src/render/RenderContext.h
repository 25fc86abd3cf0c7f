#pragma once
// RenderContext: a scope in which the GL context of a GameInfo is current on the calling
// thread. The constructor takes GameInfo::contextLock and makes hGLRC current on hDC; the
// destructor releases the context (wglMakeCurrent with two null handles) and the lock, on
// every path, exceptions included. Because every user holds the lock while the context is
// current, the context is never current on two threads at once, and a thread that wants it
// waits for the other's scope to end instead of failing.
//
// If the context is current somewhere without the lock (code that does not use this
// scope), the make-current is retried for up to retryMs milliseconds of real time before
// the scope gives up; current() then says false and nothing is released.
//
// Scopes do not nest: a thread that holds one must not open another for the same record.
//
// Use in a paint handler:
//     { RenderContext gl(info); sprite->drawFrame(w, h); SwapBuffers(info.hDC); }

#include "gameinfo/GameInfo.h"

#include <mutex>

class RenderContext {
public:
    explicit RenderContext(GameInfo& info, int retryMs = 1000);
    ~RenderContext();
    RenderContext(const RenderContext&) = delete;
    RenderContext& operator=(const RenderContext&) = delete;

    // Whether the context was made current by this scope.
    bool current() const { return made; }

private:
    std::unique_lock<std::mutex> lock;
    bool made = false;
};
