// Fuzzes the OBJ/MTL loader from memory. The input is a model; if it holds a NUL byte,
// the part after it is the text of every MTL file the model names. A load may fail
// only with Error; anything else (a crash, a sanitizer report, another exception) is a
// finding. Output goes to /dev/null: the loader prints a line per unknown keyword.

#include "assets/OBJ3D.h"
#include "base/Error.h"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string model = input.substr(0, split);
    const std::string mtl = split == std::string::npos ? std::string() : input.substr(split + 1);
    OBJ3D loader;
    loader.readFrom([&](const std::string& path, std::string& text) {
        text = path == "fuzz/model.obj" ? model : mtl;
        return true;
    });
    try {
        loader.open("fuzz/model.obj");
        loader.load();
        // What a renderer reads after a successful load must be in range.
        const Object3D& mesh = *loader.mesh;
        for (const auto& [name, i] : mesh.materialIndex) {
            for (std::size_t j = 0; j < mesh.vertexFaces[i].size(); ++j) {
                const face3D& f = mesh.vertexFaces[i][j];
                for (const int32_t k : {f.a, f.b, f.c})
                    if (k >= 0) (void)mesh.vertices[k];
            }
        }
    } catch (const Error&) {
    }
    loader.close();
    return 0;
}
