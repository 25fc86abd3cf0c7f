#include "assets/Object3D.h"

#include "base/Error.h"

#include <cstdio>

namespace {

constexpr std::size_t kFirstLength = 256;

// Makes room for entry `count`: 256 entries at first, then twice the length when full.
template <typename T>
void growFor(Array<T>& array, int32_t count) {
    if (array.size() == 0)
        array.resize(kFirstLength);
    else if (array.size() <= static_cast<std::size_t>(count))
        array.resize(array.size() * 2);
}

constexpr Color kWhite{1, 1, 1, 1};

}  // namespace

int32_t Object3D::init() { return 0; }

int32_t Object3D::addVertex(double x, double y, double z) {
    growFor(vertices, vertexCount);
    vertices[vertexCount].set(x, y, z);
    return ++vertexCount;
}

int32_t Object3D::addNormal(double x, double y, double z) {
    growFor(normals, normalCount);
    normals[normalCount].set(x, y, z);
    return ++normalCount;
}

int32_t Object3D::addTexCoord(double u, double v) {
    growFor(texCoords, texCoordCount);
    texCoords[texCoordCount] = vec2D{u, 1 - v};
    return ++texCoordCount;
}

int32_t Object3D::addMaterial(const std::string& name) {
    if (materialIndex.emplace(name, materialCount).second) ++materialCount;
    materials.resize(materials.size() + 1);
    // A repeated name leaves the current material at the last new name (which is reset).
    Material& current = materials[materialCount - 1];
    current.diffuse = current.ambient = current.specular = kWhite;
    current.textureFile.clear();
    return 0;
}

Material* Object3D::currentMaterial() {
    if (materialCount == 0) return nullptr;
    return &materials[materialCount - 1];
}

int32_t Object3D::setDiffuse(double r, double g, double b) {
    if (Material* m = currentMaterial()) m->diffuse.r = r, m->diffuse.g = g, m->diffuse.b = b;
    return 0;
}

int32_t Object3D::setAmbient(double r, double g, double b) {
    if (Material* m = currentMaterial()) m->ambient.r = r, m->ambient.g = g, m->ambient.b = b;
    return 0;
}

int32_t Object3D::setSpecular(double r, double g, double b) {
    if (Material* m = currentMaterial()) m->specular.r = r, m->specular.g = g, m->specular.b = b;
    return 0;
}

int32_t Object3D::setTexture(const std::string& path) {
    if (Material* m = currentMaterial()) m->textureFile = path;
    return 0;
}

int32_t Object3D::endMaterials() {
    const auto count = static_cast<std::size_t>(materialCount);
    vertexFaces.resize(count);
    normalFaces.resize(count);
    texCoordFaces.resize(count);
    faceCounts.resize(count, 0);
    return 0;
}

int32_t Object3D::addFace(const std::string& name, const int32_t P[4], const int32_t T[4], const int32_t N[4]) {
    const auto found = materialIndex.find(name);
    if (found == materialIndex.end()) {
        std::printf("material %s is not found\n", name.c_str());
        return -1;
    }
    const int32_t i = found->second;
    // A material known but not yet given its lists (no endMaterials since) gets them now.
    if (static_cast<std::size_t>(i) >= faceCounts.size()) endMaterials();
    int32_t& count = faceCounts[i];
    Array<face3D>& positions = vertexFaces[i];
    Array<face3D>& texCoordLists = texCoordFaces[i];
    Array<face3D>& normalLists = normalFaces[i];
    const auto k = static_cast<std::size_t>(count);
    if (positions.size() <= k) {
        const std::size_t length = positions.size() == 0 ? kFirstLength : positions.size() * 2;
        positions.resize(length);
        texCoordLists.resize(length);
        normalLists.resize(length);
    }
    // 64-bit arithmetic: the file's index 0 (absent) becomes -1 and no index overflows.
    auto corner = [](const int32_t v[4]) {
        return face3D{static_cast<int32_t>(int64_t{v[0]} - 1), static_cast<int32_t>(int64_t{v[1]} - 1),
                      static_cast<int32_t>(int64_t{v[2]} - 1), 0};
    };
    // k is below the three lists' common length (made so just above): no checked subscript
    // on the busiest path of a load.
    positions.data()[k] = corner(P);
    texCoordLists.data()[k] = corner(T);
    normalLists.data()[k] = corner(N);
    return ++count;
}

void Object3D::checkIndices(const std::string& name, const Array<face3D>& faces, int32_t limit,
                            const char* what) const {
    std::size_t triangle = 0;
    for (const face3D& face : faces) {
        ++triangle;
        for (const int32_t index : {face.a, face.b, face.c}) {
            if (index >= limit || index < -1)
                throw Error("Object3D::finish(): triangle " + std::to_string(triangle) + " of material " + name +
                            " uses " + what + " " + std::to_string(index + 1) + " of " + std::to_string(limit));
        }
    }
}

int32_t Object3D::finish() {
    vertices.resize(static_cast<std::size_t>(vertexCount));
    normals.resize(static_cast<std::size_t>(normalCount));
    texCoords.resize(static_cast<std::size_t>(texCoordCount));
    for (const auto& [name, i] : materialIndex) {
        if (static_cast<std::size_t>(i) >= faceCounts.size()) continue;  // no endMaterials yet: no lists
        const auto count = static_cast<std::size_t>(faceCounts[i]);
        vertexFaces[i].resize(count);
        normalFaces[i].resize(count);
        texCoordFaces[i].resize(count);
    }
    std::printf("  vtx =%d\n", vertexCount);
    std::printf("  nml =%d\n", normalCount);
    std::printf("  uvm =%d\n", texCoordCount);
    for (const auto& [name, i] : materialIndex) {
        const int32_t count = static_cast<std::size_t>(i) < faceCounts.size() ? faceCounts[i] : 0;
        std::printf("  face[%s]=%d\n", name.c_str(), count);
    }
    for (const auto& [name, i] : materialIndex) {
        if (static_cast<std::size_t>(i) >= faceCounts.size()) continue;
        checkIndices(name, vertexFaces[i], vertexCount, "position");
        checkIndices(name, normalFaces[i], normalCount, "normal");
        checkIndices(name, texCoordFaces[i], texCoordCount, "texture coordinate");
    }
    return 0;
}
