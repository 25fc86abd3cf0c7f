// Model loading: OBJ3D against tinyobjloader on the same generated model of 400k
// triangles (200k v/vt/vn, three materials), in the same run.
//
// The model is written by gen_obj.py (from the shared peers folder beside the checkout,
// or the script named by TWISTBLOCKS_GEN_OBJ) into $TMPDIR/twistblocks-objbench on first
// use, never into the source tree. Compare the two real times: OBJ3D / tinyobjloader.

#include "assets/OBJ3D.h"

#include <benchmark/benchmark.h>
#include <tiny_obj_loader.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::string modelPath() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        const std::filesystem::path dir = std::filesystem::path(tmp ? tmp : "/tmp") / "twistblocks-objbench";
        const std::filesystem::path obj = dir / "big.obj";
        if (!std::filesystem::exists(obj)) {
            const char* script = std::getenv("TWISTBLOCKS_GEN_OBJ");
            const std::string generator =
                script ? script : std::string(TWISTBLOCKS_SOURCE_DIR) + "/../shared/peers/gen_obj.py";
            const std::string command = "python3 '" + generator + "' '" + dir.string() + "' >/dev/null";
            if (std::system(command.c_str()) != 0 || !std::filesystem::exists(obj)) {
                std::fprintf(stderr, "could not generate %s with %s\n", obj.c_str(), generator.c_str());
                std::exit(1);
            }
        }
        return obj.string();
    }();
    return path;
}

// OBJ3D prints its statistics on every load; keep them out of the benchmark's table.
class QuietStdout {
public:
    QuietStdout() : saved(::dup(1)) {
        std::fflush(stdout);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::close(null);
    }
    ~QuietStdout() {
        std::fflush(stdout);
        ::dup2(saved, 1);
        ::close(saved);
    }

private:
    int saved;
};

}  // namespace

static void BM_OBJ3D_load(benchmark::State& state) {
    const std::string path = modelPath();
    int64_t triangles = 0;
    for (auto _ : state) {
        QuietStdout quiet;
        OBJ3D loader;
        loader.open(path);
        loader.load();
        triangles = 0;
        for (const auto& [name, i] : loader.mesh->materialIndex) triangles += loader.mesh->faceCounts[i];
        benchmark::DoNotOptimize(loader.mesh->vertices.data());
        loader.close();
    }
    state.counters["triangles"] = static_cast<double>(triangles);
}
BENCHMARK(BM_OBJ3D_load)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

static void BM_tinyobjloader_load(benchmark::State& state) {
    const std::string path = modelPath();
    const std::string dir = std::filesystem::path(path).parent_path().string() + "/";
    int64_t triangles = 0;
    for (auto _ : state) {
        tinyobj::attrib_t attrib;
        std::vector<tinyobj::shape_t> shapes;
        std::vector<tinyobj::material_t> materials;
        std::string warn, err;
        if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warn, &err, path.c_str(), dir.c_str(), true)) {
            state.SkipWithError(err.c_str());
            return;
        }
        triangles = 0;
        for (const auto& shape : shapes) triangles += static_cast<int64_t>(shape.mesh.num_face_vertices.size());
        benchmark::DoNotOptimize(attrib.vertices.data());
    }
    state.counters["triangles"] = static_cast<double>(triangles);
}
BENCHMARK(BM_tinyobjloader_load)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

BENCHMARK_MAIN();
