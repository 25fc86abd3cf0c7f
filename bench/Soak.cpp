// bench_soak: the demo for a run of days, on the virtual clock, headless. Every 10,000
// frames it samples what could grow: resident memory, live GL objects (textures, display
// lists, framebuffer objects), what the layer holds for the program (windows, thread
// handles, DCs, GL contexts) and the process's CPU time per frame since the last sample.
// The tick starts so that it wraps at frame WRAP and the virtual clock so that timeGetTime
// wraps at frame WRAP / 2; the pictures of the frames around both wraps go to DIR, and
// every tick the status line shows is checked to follow the last by one (modulo the wrap).
//
//   cd data && ../build/bench/bench_soak [FRAMES [WRAP [DIR]]]   (1000000, 500000, .)
//
// Prints a tab-separated line per sample as it goes, then the growth of each figure from the first
// sample after the first cycle (frame 10,000) to the last. SIGTERM or SIGINT end the run early,
// as they do the demo, with the summary of the frames run.

#include "app/TwistblocksDemo.h"
#include "assets/PngWriter.h"
#include "game/myGameFrame.h"

#include <Desktop.h>
#include <Harness.h>
#include <sys/resource.h>
#include <windows.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr uint64_t kSampleEvery = 10000;
constexpr GLuint kNamesSearched = 1u << 16;  // GL names handed out sequentially by Mesa

struct Sample {
    uint64_t frame = 0;
    long rssKb = 0;
    double cpuMsPerFrame = 0;
    int textures = 0, lists = 0, framebuffers = 0;
    Harness::Holdings held;
    int32_t tick = 0;
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKb() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Live GL objects of the current context, by name.
void countGlObjects(Sample& sample) {
    using IsFunction = GLboolean(APIENTRY*)(GLuint);
    const auto isFramebuffer = reinterpret_cast<IsFunction>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("glIsFramebuffer")));
    for (GLuint name = 1; name < kNamesSearched; ++name) {
        sample.textures += glIsTexture(name);
        sample.lists += glIsList(name);
        if (isFramebuffer) sample.framebuffers += isFramebuffer(name);
    }
}

void print(const Sample& s) {
    std::printf("%llu\t%ld\t%.3f\t%d\t%d\t%d\t%zu\t%zu\t%zu\t%zu\t%d\n", static_cast<unsigned long long>(s.frame),
                s.rssKb, s.cpuMsPerFrame, s.textures, s.lists, s.framebuffers, s.held.windows, s.held.threadHandles,
                s.held.dcsTaken, s.held.glContexts, s.tick);
    std::fflush(stdout);
}

// The demo's window, observed: on the loop thread after each pass it checks the tick and,
// on sample frames and around the wraps, asks the presenting thread for that frame's picture.
class SoakFrame : public myGameFrame {
public:
    SoakFrame(uint64_t wrapFrame, std::string dir)
        : myGameFrame(kDemoCaption, kDemoWindowClass, PuzzleSchedule::kTickWrap - static_cast<int32_t>(wrapFrame)),
          wrapFrame(wrapFrame), dir(std::move(dir)) {}

    std::vector<Sample> samples;
    uint64_t tickSteps = 0;  // passes whose tick did not follow the last by one

    void printPending() {
        if (pending) print(samples.back());
        pending = false;
    }

protected:
    void frameDone(const PuzzleFrame& shown, int) override {
        printPending();  // the last sample is whole once its picture was presented
        const uint64_t frame = passes++;
        if (frame > 0 && shown.tick != (lastTick + 1) % PuzzleSchedule::kTickWrap) ++tickSteps;
        lastTick = shown.tick;
        const bool sampled = frame % kSampleEvery == 0;
        const bool pictured = nearWrap(frame, wrapFrame) || nearWrap(frame, wrapFrame / 2);
        if (!sampled && !pictured) {
            if (hooked) Harness::setPictureHook(nullptr);  // a hook reads every picture back
            hooked = false;
            return;
        }
        if (sampled) {
            Sample s;
            s.frame = frame;
            s.rssKb = residentKb();
            const double cpu = cpuSeconds();
            s.cpuMsPerFrame = frame == 0 ? 0 : (cpu - lastCpu) * 1000 / kSampleEvery;
            lastCpu = cpu;
            s.held = Harness::holdings();
            s.tick = shown.tick;
            samples.push_back(s);
            pending = true;
        }
        hooked = true;
        Harness::setPictureHook([this, sampled, pictured](const Harness::Picture& picture) {
            if (sampled) countGlObjects(samples.back());
            if (pictured) {
                char name[40];
                std::snprintf(name, sizeof name, "/soak-%07llu.png", static_cast<unsigned long long>(picture.frameIndex));
                writePng(dir + name, picture.width, picture.height, picture.pixels);
            }
        });
    }

private:
    static bool nearWrap(uint64_t frame, uint64_t wrap) { return frame + 1 >= wrap && frame <= wrap + 1; }

    uint64_t wrapFrame;
    std::string dir;
    uint64_t passes = 0;
    int32_t lastTick = 0;
    double lastCpu = 0;
    bool hooked = false;
    bool pending = false;
};

}  // namespace

int main(int argc, char** argv) {
    const uint64_t frames = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const uint64_t wrap = (argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 500000) / 20 * 20;
    const std::string dir = argc > 3 ? argv[3] : ".";
    if (frames == 0 || wrap == 0 || wrap >= PuzzleSchedule::kTickWrap) {
        std::fprintf(stderr, "usage: bench_soak [FRAMES [WRAP [DIR]]]\n");
        return 2;
    }
    Desktop::closeOnSignals();
    Harness::forceHeadless();
    // 16 ms a frame: timeGetTime passes 2^32 at frame wrap / 2.
    Harness::useVirtualClock(true, static_cast<DWORD>(0x100000000ull - (wrap / 2) * 16 % 0x100000000ull));
    Harness::closeAfterFrames(frames);
    SoakFrame frame(wrap, dir);
    std::printf("frame\trss_kb\tcpu_ms_per_frame\ttextures\tlists\tframebuffers\twindows\tthread_handles\tdcs\tgl_contexts\ttick\n");
    const int exitCode = runTwistblocksDemo(frame);
    frame.printPending();
    std::printf("# frames %llu, ticks not one after the last: %llu\n", static_cast<unsigned long long>(Harness::presentedFrames()),
                static_cast<unsigned long long>(frame.tickSteps));
    const std::vector<Sample>& s = frame.samples;
    if (s.size() > 2) {
        const Sample& a = s[1];
        const Sample& b = s.back();
        std::printf("# from frame %llu to %llu: rss %+ld kB, textures %+d, lists %+d, framebuffers %+d, windows %+ld, "
                    "thread handles %+ld, DCs %+ld, GL contexts %+ld, CPU ms per frame %.3f -> %.3f\n",
                    static_cast<unsigned long long>(a.frame), static_cast<unsigned long long>(b.frame),
                    b.rssKb - a.rssKb, b.textures - a.textures, b.lists - a.lists, b.framebuffers - a.framebuffers,
                    long(b.held.windows) - long(a.held.windows), long(b.held.threadHandles) - long(a.held.threadHandles),
                    long(b.held.dcsTaken) - long(a.held.dcsTaken), long(b.held.glContexts) - long(a.held.glContexts),
                    a.cpuMsPerFrame, b.cpuMsPerFrame);
    }
    return exitCode;
}
