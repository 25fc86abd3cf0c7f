// Model loading: OBJ3D against tinyobjloader on the same models, in the same run: a
// generated torus of about 400k triangles (200k v/vt/vn, three materials) and the
// program's own block (data/3d_obj/block.obj, 44 triangles, its MTL file).
//
// The torus is written afresh at start into $TMPDIR/twistblocks-objbench (never into the
// source tree); it is the same on every run. Compare the two times of each model, OBJ3D /
// tinyobjloader: real time on an idle machine, CPU time on a busy one.

#include "assets/OBJ3D.h"

#include <benchmark/benchmark.h>
#include <tiny_obj_loader.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kRings = 447;  // around the torus's axis
constexpr int kSides = 447;  // around its tube: 447 x 447 = 199809 vertices, twice as many triangles
struct BenchMaterial {
    const char* name;
    const char* diffuse;
};
const BenchMaterial kMaterials[] = {{"red", "0.8 0.1 0.1"}, {"green", "0.1 0.8 0.1"}, {"blue", "0.1 0.1 0.8"}};

// A torus of radii 1 and 0.3, every vertex with its own texture coordinate and normal
// (index i for all three), in three bands of rings, one per material; and its MTL file.
void writeTorus(const std::filesystem::path& obj, const std::filesystem::path& mtl) {
    FILE* materials = std::fopen(mtl.c_str(), "w");
    FILE* model = std::fopen(obj.c_str(), "w");
    if (materials == nullptr || model == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", obj.c_str());
        std::exit(1);
    }
    for (const BenchMaterial& m : kMaterials)
        std::fprintf(materials, "newmtl %s\nKa 0.1 0.1 0.1\nKd %s\nKs 0.3 0.3 0.3\nNs 20\n\n", m.name, m.diffuse);
    std::fclose(materials);

    std::fprintf(model, "mtllib %s\no torus\n", mtl.filename().c_str());
    const double step = 2.0 * std::numbers::pi;
    for (int r = 0; r < kRings; ++r)
        for (int s = 0; s < kSides; ++s) {
            const double u = step * r / kRings, v = step * s / kSides;
            const double nx = std::cos(v) * std::cos(u), ny = std::cos(v) * std::sin(u), nz = std::sin(v);
            std::fprintf(model, "v %.6f %.6f %.6f\nvt %.6f %.6f\nvn %.6f %.6f %.6f\n", std::cos(u) + 0.3 * nx,
                         std::sin(u) + 0.3 * ny, 0.3 * nz, double(r) / kRings, double(s) / kSides, nx, ny, nz);
        }
    const auto index = [](int r, int s) { return (r % kRings) * kSides + s % kSides + 1; };
    for (int r = 0; r < kRings; ++r) {
        const int band = r * 3 / kRings;
        if (r == 0 || band != (r - 1) * 3 / kRings) std::fprintf(model, "usemtl %s\n", kMaterials[band].name);
        for (int s = 0; s < kSides; ++s) {
            const int a = index(r, s), b = index(r + 1, s), c = index(r + 1, s + 1), d = index(r, s + 1);
            std::fprintf(model, "f %d/%d/%d %d/%d/%d %d/%d/%d\nf %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b, b, c, c,
                         c, a, a, a, c, c, c, d, d, d);
        }
    }
    std::fclose(model);
}

std::string torusPath() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        const std::filesystem::path dir = std::filesystem::path(tmp ? tmp : "/tmp") / "twistblocks-objbench";
        std::filesystem::create_directories(dir);
        writeTorus(dir / "torus.obj", dir / "torus.mtl");
        return (dir / "torus.obj").string();
    }();
    return path;
}

std::string blockPath() { return std::string(TWISTBLOCKS_DATA_DIR) + "/3d_obj/block.obj"; }

// OBJ3D prints its statistics on every load; keep them out of the benchmark's table
// (around the whole loop: the redirection's system calls are not the loader's).
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

static void BM_OBJ3D_load(benchmark::State& state, std::string (*model)()) {
    const std::string path = model();
    int64_t triangles = 0;
    QuietStdout quiet;
    for (auto _ : state) {
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

static void BM_tinyobjloader_load(benchmark::State& state, std::string (*model)()) {
    const std::string path = model();
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

// Each model's pair side by side in the table.
BENCHMARK_CAPTURE(BM_OBJ3D_load, torus, torusPath)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK_CAPTURE(BM_tinyobjloader_load, torus, torusPath)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK_CAPTURE(BM_OBJ3D_load, block, blockPath)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(3);
BENCHMARK_CAPTURE(BM_tinyobjloader_load, block, blockPath)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(3);

BENCHMARK_MAIN();
