#include "render/RenderContext.h"

#include <chrono>
#include <thread>

RenderContext::RenderContext(GameInfo& info, int retryMs) : lock(info.contextLock) {
    // No context at all is a failure, not a release of the current one.
    if (info.hGLRC == nullptr) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(retryMs);
    for (;;) {
        if (wglMakeCurrent(info.hDC, info.hGLRC)) {
            made = true;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) return;
        // Real time on purpose: Sleep may run on the harness's virtual clock.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

RenderContext::~RenderContext() {
    if (made) wglMakeCurrent(nullptr, nullptr);
}
