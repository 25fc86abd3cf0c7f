#pragma once
// Object3D: one loaded model. Shared arrays of positions, normals and texture
// coordinates, a table of materials, and per material three parallel triangle lists
// (position, normal and texture-coordinate indices) of 0-based indices, -1 where the
// model gave none. Triangle j of material i is entry j of vertexFaces[i], normalFaces[i]
// and texCoordFaces[i] together.
//
// While loading, the length of each array is its capacity: arrays start at 256 entries
// and double when full, the counts say how much is used, and finish() cuts every
// array to its count once, so loading stays linear in the size of the model.
// Texture coordinates are stored as (u, 1 - v): image row 0 is the top of the picture.

#include "assets/Material.h"
#include "base/Array.h"
#include "math/Vec3D.h"

#include <cstdint>
#include <map>
#include <string>

class Object3D {
public:
    virtual ~Object3D() = default;

    // A hook for the loader's constructor; does nothing. Returns 0.
    virtual int32_t init();
    // Append one entry; return the new count.
    virtual int32_t addVertex(double x, double y, double z);
    virtual int32_t addTexCoord(double u, double v);
    virtual int32_t addNormal(double x, double y, double z);
    // Starts a material; a new name gets the next index. The current material (the most
    // recently added new name) becomes white with no texture. Returns 0.
    virtual int32_t addMaterial(const std::string& name);
    // Colour setters of the current material; alpha stays 1. Without any material yet
    // there is nothing to set and they do nothing. Return 0.
    virtual int32_t setDiffuse(double r, double g, double b);
    virtual int32_t setAmbient(double r, double g, double b);
    virtual int32_t setSpecular(double r, double g, double b);
    virtual int32_t setTexture(const std::string& path);
    // Gives the triangle lists and counts one entry per material index. Returns 0.
    virtual int32_t endMaterials();
    // Adds a triangle to the named material; P, T, N are the file's 1-based indices of
    // the three corners (element 3 unused), 0 for absent. Returns the material's new
    // triangle count, or -1 (with "material %s is not found\n") for an unknown name.
    virtual int32_t addFace(const std::string& name, const int32_t P[4], const int32_t T[4], const int32_t N[4]);
    // Cuts every array to its count and prints the statistics. A triangle whose index
    // points past the end of its array raises Error naming the material, the triangle
    // and the index, so a broken model fails here and not in the renderer. Returns 0.
    virtual int32_t finish();

    Array<vec3D> vertices;
    Array<vec3D> normals;
    Array<vec2D> texCoords;
    Array<Array<face3D>> vertexFaces;
    Array<Array<face3D>> normalFaces;
    Array<Array<face3D>> texCoordFaces;
    Array<Material> materials;
    // Name to index; iterates in name order, the same order for every load of a file.
    std::map<std::string, int32_t> materialIndex;
    int32_t vertexCount = 0;
    int32_t normalCount = 0;
    int32_t texCoordCount = 0;
    Array<int32_t> faceCounts;
    int32_t materialCount = 0;

private:
    Material* currentMaterial();
    void checkIndices(const std::string& name, const Array<face3D>& faces, int32_t limit, const char* what) const;
};
