// Sprite: OBJ models compiled into display lists.
#include "render/Sprite.h"

#include "assets/OBJ3D.h"
#include "base/Error.h"
#include "render/MeshSides.h"
#include "render/RenderContext.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// Corner k (0 = a, 1 = b, 2 = c) of a triangle.
int32_t corner(const face3D& face, int k) {
    return k == 0 ? face.a : k == 1 ? face.b : face.c;
}

template <typename T>
bool inside(const Array<T>& array, int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < array.size();
}

}  // namespace

int32_t Sprite::loadModel(const std::string& fileName, int32_t pcg) {
    if (pcg < 0 || static_cast<std::size_t>(pcg) >= pcg3D.size()) return -1;
    auto reader = std::make_unique<OBJ3D>();
    reader->open(fileName);
    reader->load();
    const int32_t result = compileModel(*reader->mesh, fileName, pcg);
    reader->close();
    return result;
}

int32_t Sprite::compileModel(Object3D& mesh, const std::string& fileName, int32_t pcg) {
    if (pcg < 0 || static_cast<std::size_t>(pcg) >= pcg3D.size()) return -1;
    RenderContext gl(*info);
    if (!gl.current()) throw Error("Failed wglMakeCurrent");
    glLoadIdentity();
    const uint32_t list = listBase + static_cast<uint32_t>(pcg);
    {
        const auto guard = lists.hold();
        pcg3D[pcg].list = list;
    }
    // Forget the mesh on every way out: it goes with the reader.
    struct Loading {
        Sprite& sprite;
        ~Loading() {
            sprite.loadingMesh = nullptr;
            sprite.loadingFile.clear();
        }
    } loading{*this};
    loadingMesh = &mesh;
    loadingFile = fileName;
    for (const auto& [name, m] : mesh.materialIndex)
        if (createMaterialTexture(m) == 2) return -1;
    if (list == 0) {
        std::printf("failed glGenLists\n");
        return 0;
    }
    glDeleteLists(list, 1);
    const PCG3D& old = pcg3D[pcg];
    if (old.parts != 0) glDeleteLists(old.parts, 3 * old.partCount);
    if (old.pieces != 0) glDeleteLists(old.pieces, MeshSides::kPieces * old.partCount);
    PCG3D compiled;
    compiled.list = list;
    {  // the old parts are gone even if compiling the new ones fails
        const auto guard = lists.hold();
        pcg3D[pcg] = compiled;
    }
    if (compileParts(compiled, list)) {
        const auto guard = lists.hold();
        pcg3D[pcg] = compiled;
        return 0;
    }
    glNewList(list, GL_COMPILE);
    try {
        for (const auto& [name, m] : mesh.materialIndex) drawMaterialFaces(m);
    } catch (...) {
        glEndList();
        throw;
    }
    glEndList();
    return 0;
}

bool Sprite::compileParts(PCG3D& pattern, uint32_t list) {
    const int32_t count = static_cast<int32_t>(loadingMesh->materialIndex.size());
    if (count == 0) return false;
    const uint32_t parts = glGenLists(3 * count);
    if (parts == 0) return false;
    uint32_t next = parts;
    try {
        for (const auto& [name, m] : loadingMesh->materialIndex) {
            glNewList(next++, GL_COMPILE);
            setMaterialState(m);
            glEndList();
            glNewList(next++, GL_COMPILE);
            drawMaterialTriangles(m);
            glEndList();
            glNewList(next++, GL_COMPILE);
            releaseMaterialState(m);
            glEndList();
        }
    } catch (...) {
        glEndList();
        glDeleteLists(parts, 3 * count);
        throw;
    }
    // The same commands as drawMaterialFaces material by material, through the parts.
    glNewList(list, GL_COMPILE);
    for (uint32_t part = parts; part < next; ++part) glCallList(part);
    glEndList();
    pattern.parts = parts;
    pattern.partCount = count;
    compilePieces(pattern);
    return true;
}

void Sprite::compilePieces(PCG3D& pattern) {
    const double halfSize = MeshSides::touchingHalfSize(*loadingMesh);
    if (halfSize == 0) return;
    const uint32_t pieces = glGenLists(MeshSides::kPieces * pattern.partCount);
    if (pieces == 0) return;  // drawn whole, as without pieces
    std::vector<uint8_t> filled;
    uint32_t next = pieces;
    try {
        for (const auto& [name, m] : loadingMesh->materialIndex) {
            uint8_t filledHere = 0;
            for (int piece = 0; piece < MeshSides::kPieces; ++piece) {
                glNewList(next++, GL_COMPILE);
                if (drawMaterialTriangles(m, piece, halfSize) > 0) filledHere |= static_cast<uint8_t>(1u << piece);
                glEndList();
            }
            filled.push_back(filledHere);
        }
    } catch (...) {
        glEndList();
        glDeleteLists(pieces, MeshSides::kPieces * pattern.partCount);
        throw;
    }
    pattern.pieces = pieces;
    pattern.halfSize = halfSize;
    pattern.filledPieces = std::move(filled);
}

int32_t Sprite::drawMaterialFaces(int32_t m) {
    setMaterialState(m);
    drawMaterialTriangles(m);
    releaseMaterialState(m);
    return 0;
}

void Sprite::setMaterialState(int32_t m) {
    checkThat(loadingMesh != nullptr, "drawMaterialFaces only while a model loads");
    const Material& material = loadingMesh->materials[m];
    materialColor[0] = static_cast<float>(material.diffuse.r);
    materialColor[1] = static_cast<float>(material.diffuse.g);
    materialColor[2] = static_cast<float>(material.diffuse.b);
    materialColor[3] = 1.0f;
    glMaterialfv(GL_FRONT, GL_DIFFUSE, materialColor);
    const bool textured = !material.textureFile.empty();
    if (textured) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, material.textureId);
    }
}

void Sprite::releaseMaterialState(int32_t m) {
    if (!loadingMesh->materials[m].textureFile.empty()) glDisable(GL_TEXTURE_2D);
}

int32_t Sprite::drawMaterialTriangles(int32_t m, int piece, double halfSize) {
    checkThat(loadingMesh != nullptr, "drawMaterialFaces only while a model loads");
    const Object3D& mesh = *loadingMesh;
    const bool textured = !mesh.materials[m].textureFile.empty();
    const Array<face3D>& vertexFaces = mesh.vertexFaces[m];
    const Array<face3D>* normalFaces = inside(mesh.normalFaces, m) ? &mesh.normalFaces[m] : nullptr;
    const Array<face3D>* texCoordFaces = inside(mesh.texCoordFaces, m) ? &mesh.texCoordFaces[m] : nullptr;
    // One primitive for all of the material's triangles: the same vertices in the same order,
    // a single draw in the list instead of one per triangle.
    int32_t drawn = 0;
    glBegin(GL_TRIANGLES);
    for (std::size_t j = 0; j < vertexFaces.size(); ++j) {
        const face3D& positions = vertexFaces.data()[j];
        const vec3D* p[3];
        bool complete = true;
        for (int k = 0; k < 3; ++k) {
            const int32_t index = corner(positions, k);
            complete = complete && inside(mesh.vertices, index);
            p[k] = complete ? &mesh.vertices.data()[index] : nullptr;
        }
        if (!complete) continue;  // no corner to put it at: the triangle is left out
        if (piece != kAllPieces && MeshSides::sideOf(*p[0], *p[1], *p[2], halfSize) != piece) continue;
        ++drawn;
        // Face normal for corners that have none: right-handed about a, b, c.
        vec3D faceNormal;
        faceNormal.set(p[1]->x - p[0]->x, p[1]->y - p[0]->y, p[1]->z - p[0]->z);
        vec3D edge;
        edge.set(p[2]->x - p[0]->x, p[2]->y - p[0]->y, p[2]->z - p[0]->z);
        faceNormal.cross(edge);
        if (faceNormal.normalize() == 0) faceNormal.set(0, 0, 1);
        const bool hasNormals = normalFaces != nullptr && j < normalFaces->size();
        const bool hasTexCoords = texCoordFaces != nullptr && j < texCoordFaces->size();
        for (int k = 0; k < 3; ++k) {
            const int32_t n = hasNormals ? corner(normalFaces->data()[j], k) : -1;
            const vec3D& normal = inside(mesh.normals, n) ? mesh.normals.data()[n] : faceNormal;
            glNormal3d(normal.x, normal.y, normal.z);
            if (textured) {
                const int32_t t = hasTexCoords ? corner(texCoordFaces->data()[j], k) : -1;
                if (inside(mesh.texCoords, t))
                    glTexCoord2d(mesh.texCoords.data()[t].x, mesh.texCoords.data()[t].y);
                else
                    glTexCoord2d(0, 0);
            }
            glVertex3d(p[k]->x, p[k]->y, p[k]->z);
        }
    }
    glEnd();
    return drawn;
}
