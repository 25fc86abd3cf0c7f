// The cube's hot paths: a committed layer turn and the per-frame pose list, for the sizes
// the demo draws. Each also reports heap allocations per call (a turn must make none).

#include "cube/Twistblock.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

// The counting operator new hands out malloc'd memory, so its operator delete frees it;
// GCC cannot see that the pair is replaced together.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

static void BM_rotate(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Twistblock cube;
    cube.init(n);
    int step = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        cube.rotate(step % 3, step % n, 1 + step % 3);
        ++step;
    }
    state.counters["allocs/call"] =
        benchmark::Counter(static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_rotate)->DenseRange(2, 6);

static void BM_getAnim(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Twistblock cube;
    cube.init(n);
    for (int i = 0; i < 50; ++i) cube.rotate(i % 3, i % n, 1 + i % 3);
    int tick = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        Array<Anim> poses = cube.getAnim(tick % 3, tick % n, 1 + tick % 3, 0.2, (tick % 20) / 20.0);
        benchmark::DoNotOptimize(poses.data());
        ++tick;
    }
    state.counters["allocs/call"] =
        benchmark::Counter(static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_getAnim)->DenseRange(2, 6);

BENCHMARK_MAIN();
