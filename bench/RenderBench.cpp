// The renderer's heaviest frame of the demo: 152 blocks of the installation's block model
// (the surface of a 6 x 6 x 6 cube) plus the status line, at 512 x 512 on the headless
// software GL. Measures the frame's placements and drawFrame, alone (the commands handed
// to GL) and with glFinish (GL has drawn them), an empty frame for comparison, and the frame
// pass by pass.

#include "render/RenderContext.h"
#include "render/SPformat.h"
#include "render/Sprite.h"

#include <GL/gl.h>
#include <Harness.h>
#include <benchmark/benchmark.h>
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>
#include <string>

namespace {

// A 512 x 512 client window with a GL context and an initialised renderer, loaded as the
// game loads it.
struct Scene {
    Scene() {
        Harness::forceHeadless();
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = reinterpret_cast<LPCWSTR>(u"RenderBench");
        RegisterClassExW(&windowClass);
        RECT outer{0, 0, 512, 512};
        AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
        info.hWnd = CreateWindowExW(0, windowClass.lpszClassName, reinterpret_cast<LPCWSTR>(u"bench"),
                                    WS_OVERLAPPEDWINDOW, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                                    nullptr, nullptr, nullptr, nullptr);
        info.hDC = GetDC(info.hWnd);
        PIXELFORMATDESCRIPTOR format{};
        format.nSize = sizeof format;
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.cColorBits = 24;
        format.cDepthBits = 32;
        SetPixelFormat(info.hDC, ChoosePixelFormat(info.hDC, &format), &format);
        info.hGLRC = wglCreateContext(info.hDC);
        if (info.hGLRC == nullptr) throw std::runtime_error("no GL context");
        info.width = info.height = 512;
        info.clientWidth = info.clientHeight = 512;
        sprite.init(512, 8192, 32, 8192, &info);
        const std::string data = TWISTBLOCKS_DATA_DIR;
        sprite.loadModel(data + "/3d_obj/block.obj", 0);
        sprite.loadPatternSheet(data + "/img_data/font8x16.png", 32, 8, 16, 16, 16);
    }

    // One frame's placements: every surface block of the largest cube under the view's
    // tilt, and the status line.
    void place(int tick, bool blocks = true, bool statusLine = true) {
        sprite.clearSprites();
        if (statusLine) text.print(8, 8, "fps=%d tick=%d", sprite.fps(), tick);
        if (!blocks) return;
        const double pitch = 0.2;
        for (int x = 0; x < 6; ++x)
            for (int y = 0; y < 6; ++y)
                for (int z = 0; z < 6; ++z) {
                    if (x > 0 && x < 5 && y > 0 && y < 5 && z > 0 && z < 5) continue;
                    // The blocks' own tilt, 45 degrees about (1, 1, 0) / sqrt 2, applied to the block
                    // centre: the blocks touch, as in the demo.
                    const double px = (x - 2.5) * pitch, py = (y - 2.5) * pitch, pz = (z - 2.5) * pitch;
                    const double k = std::sqrt(0.5), c = std::cos(std::numbers::pi / 4), s = std::sin(std::numbers::pi / 4);
                    const double dot = k * px + k * py;
                    const double rx = px * c + (k * pz) * s + k * dot * (1 - c);
                    const double ry = py * c + (-k * pz) * s + k * dot * (1 - c);
                    const double rz = pz * c + (k * py - k * px) * s;
                    sprite.addSprite3D(0, rx, ry, rz, 1, 1, 0, 45.0, 0.1, 0.1, 0.1, BLEND_NORMAL);
                }
    }

    GameInfo info;
    Sprite sprite;
    SPformat text{sprite, 32, 8, 16};
};

Scene& scene() {
    static Scene instance;
    return instance;
}

void BM_placements(benchmark::State& state) {
    Scene& s = scene();
    int tick = 10000;
    for (auto _ : state) s.place(tick++);
    state.counters["sprites3D"] = s.sprite.sprite3DCount();
    state.counters["sprites2D"] = s.sprite.sprite2DCount();
}
BENCHMARK(BM_placements);

void BM_drawFrame(benchmark::State& state) {
    Scene& s = scene();
    s.place(12345);
    RenderContext gl(s.info);
    for (auto _ : state) {
        s.sprite.drawFrame(512, 512);
        state.PauseTiming();
        glFinish();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_drawFrame)->Unit(benchmark::kMicrosecond);

void BM_drawFrameFinished(benchmark::State& state) {
    Scene& s = scene();
    s.place(12345);
    RenderContext gl(s.info);
    for (auto _ : state) {
        s.sprite.drawFrame(512, 512);
        glFinish();
    }
}
BENCHMARK(BM_drawFrameFinished)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The fixed cost of a frame: the clear, no sprites.
void BM_drawFrameEmpty(benchmark::State& state) {
    Scene& s = scene();
    s.sprite.clearSprites();
    RenderContext gl(s.info);
    for (auto _ : state) {
        s.sprite.drawFrame(512, 512);
        glFinish();
    }
}
BENCHMARK(BM_drawFrameEmpty)->Unit(benchmark::kMicrosecond)->UseRealTime();

// drawFrame drawn to the end, by what it holds: arg 0 the blocks (3D pass), arg 1 the status
// line (2D pass).
// CPU time of the whole process, since the software rasteriser draws on threads of its own.
void BM_drawFramePasses(benchmark::State& state) {
    Scene& s = scene();
    s.place(12345, state.range(0) != 0, state.range(1) != 0);
    RenderContext gl(s.info);
    for (auto _ : state) {
        s.sprite.drawFrame(512, 512);
        glFinish();
    }
}
BENCHMARK(BM_drawFramePasses)
    ->ArgNames({"blocks", "text"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
