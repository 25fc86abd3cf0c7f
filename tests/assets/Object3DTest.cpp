#include "assets/Object3D.h"

#include "base/Error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int32_t kNone[4] = {0, 0, 0, 0};

// A mesh with the given materials, as the loader leaves it after one MTL file.
Object3D meshWith(std::initializer_list<const char*> names) {
    Object3D mesh;
    for (const char* name : names) mesh.addMaterial(name);
    mesh.endMaterials();
    return mesh;
}

void expectFace(const face3D& f, int32_t a, int32_t b, int32_t c) {
    EXPECT_EQ(f.a, a);
    EXPECT_EQ(f.b, b);
    EXPECT_EQ(f.c, c);
    EXPECT_EQ(f.d, 0);
}

}  // namespace

TEST(Object3DTest, SharedArraysStartAt256DoubleWhenFullAndAreCutByFinish) {
    Object3D mesh;
    for (int i = 0; i < 256; ++i) EXPECT_EQ(mesh.addVertex(i, 2 * i, 3 * i), i + 1);
    EXPECT_EQ(mesh.vertices.size(), 256u);
    EXPECT_EQ(mesh.addVertex(7, 8, 9), 257);
    EXPECT_EQ(mesh.vertices.size(), 512u);
    EXPECT_EQ(mesh.addNormal(0, 0, 1), 1);
    EXPECT_EQ(mesh.normals.size(), 256u);
    EXPECT_EQ(mesh.addTexCoord(0.25, 0.25), 1);

    testing::internal::CaptureStdout();
    EXPECT_EQ(mesh.finish(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "  vtx =257\n  nml =1\n  uvm =1\n");
    EXPECT_EQ(mesh.vertices.size(), 257u);
    EXPECT_EQ(mesh.normals.size(), 1u);
    EXPECT_EQ(mesh.texCoords.size(), 1u);
    EXPECT_EQ(mesh.vertices[256].x, 7);
    EXPECT_EQ(mesh.vertices[255].z, 765);
    // Texture coordinates keep u and store 1 - v: image row 0 is the top.
    EXPECT_EQ(mesh.texCoords[0].x, 0.25);
    EXPECT_EQ(mesh.texCoords[0].y, 0.75);
}

TEST(Object3DTest, FacesBecomeZeroBasedWithAbsentIndicesMinusOne) {
    Object3D mesh = meshWith({"red"});
    const int32_t P[4] = {1, 2, 3, 0};
    const int32_t N[4] = {4, 5, 6, 0};
    EXPECT_EQ(mesh.addFace("red", P, kNone, N), 1);
    expectFace(mesh.vertexFaces[0][0], 0, 1, 2);
    expectFace(mesh.texCoordFaces[0][0], -1, -1, -1);
    expectFace(mesh.normalFaces[0][0], 3, 4, 5);
    EXPECT_EQ(mesh.faceCounts[0], 1);
}

TEST(Object3DTest, TriangleListsOfOneMaterialGrowTogetherAndAloneFrom256) {
    Object3D mesh = meshWith({"a", "b"});
    const int32_t P[4] = {1, 1, 1, 0};
    for (int i = 1; i <= 256; ++i) ASSERT_EQ(mesh.addFace("a", P, P, P), i);
    EXPECT_EQ(mesh.vertexFaces[0].size(), 256u);
    EXPECT_EQ(mesh.addFace("a", P, P, P), 257);
    EXPECT_EQ(mesh.vertexFaces[0].size(), 512u);
    EXPECT_EQ(mesh.normalFaces[0].size(), 512u);
    EXPECT_EQ(mesh.texCoordFaces[0].size(), 512u);
    EXPECT_EQ(mesh.vertexFaces[1].size(), 0u);
    EXPECT_EQ(mesh.faceCounts[1], 0);
}

TEST(Object3DTest, UnknownMaterialIsReportedAndStoresNothing) {
    Object3D mesh = meshWith({"red"});
    const int32_t P[4] = {1, 2, 3, 0};
    testing::internal::CaptureStdout();
    EXPECT_EQ(mesh.addFace("blue", P, kNone, kNone), -1);
    EXPECT_EQ(mesh.addFace("", P, kNone, kNone), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "material blue is not found\nmaterial  is not found\n");
    EXPECT_EQ(mesh.faceCounts[0], 0);
    EXPECT_EQ(mesh.vertexFaces[0].size(), 0u);
}

TEST(Object3DTest, MaterialsStartWhiteAndSettersChangeTheCurrentOne) {
    Object3D mesh;
    // Before any material there is nothing to set: no failure, no change.
    EXPECT_EQ(mesh.setDiffuse(1, 0, 0), 0);
    EXPECT_EQ(mesh.setTexture("x.png"), 0);
    EXPECT_EQ(mesh.materials.size(), 0u);

    mesh.addMaterial("red");
    mesh.setDiffuse(0.5, 0.25, 0.125);
    const Material& red = mesh.materials[0];
    EXPECT_EQ(red.diffuse.r, 0.5);
    EXPECT_EQ(red.diffuse.g, 0.25);
    EXPECT_EQ(red.diffuse.b, 0.125);
    EXPECT_EQ(red.diffuse.a, 1);
    for (const Color& c : {red.ambient, red.specular}) {
        EXPECT_EQ(c.r, 1);
        EXPECT_EQ(c.g, 1);
        EXPECT_EQ(c.b, 1);
        EXPECT_EQ(c.a, 1);
    }
    EXPECT_EQ(red.textureFile, "");
    EXPECT_EQ(red.textureId, 0u);

    mesh.addMaterial("blue");
    mesh.setAmbient(0.1, 0.2, 0.3);
    mesh.setSpecular(0.4, 0.5, 0.6);
    mesh.setTexture("d/t.png");
    EXPECT_EQ(mesh.materials[1].ambient.b, 0.3);
    EXPECT_EQ(mesh.materials[1].specular.r, 0.4);
    EXPECT_EQ(mesh.materials[1].textureFile, "d/t.png");
    EXPECT_EQ(mesh.materials[0].ambient.r, 1);  // the earlier material keeps its colours
    EXPECT_EQ(mesh.materialCount, 2);
}

TEST(Object3DTest, RepeatedMaterialNameKeepsItsIndexAndResetsTheLastNewName) {
    Object3D mesh;
    mesh.addMaterial("red");
    mesh.addMaterial("blue");
    mesh.setDiffuse(0, 0, 1);
    mesh.setTexture("b.png");
    mesh.addMaterial("red");
    EXPECT_EQ(mesh.materialIndex.at("red"), 0);
    EXPECT_EQ(mesh.materialCount, 2);
    EXPECT_EQ(mesh.materials.size(), 3u);
    // The current material is still "blue", reset to white; the lines after it change it.
    EXPECT_EQ(mesh.materials[1].diffuse.b, 1);
    EXPECT_EQ(mesh.materials[1].diffuse.r, 1);
    EXPECT_EQ(mesh.materials[1].textureFile, "");
    mesh.setDiffuse(0.5, 0.5, 0.5);
    EXPECT_EQ(mesh.materials[1].diffuse.r, 0.5);
}

TEST(Object3DTest, EndMaterialsKeepsExistingListsAndAddsEmptyOnes) {
    Object3D mesh = meshWith({"a"});
    const int32_t P[4] = {1, 2, 3, 0};
    mesh.addFace("a", P, P, P);
    mesh.addMaterial("b");
    mesh.endMaterials();
    EXPECT_EQ(mesh.faceCounts.size(), 2u);
    EXPECT_EQ(mesh.faceCounts[0], 1);
    EXPECT_EQ(mesh.faceCounts[1], 0);
    EXPECT_EQ(mesh.vertexFaces[0].size(), 256u);
    EXPECT_EQ(mesh.vertexFaces[1].size(), 0u);
}

TEST(Object3DTest, FinishCutsTriangleListsAndPrintsEveryMaterialInNameOrder) {
    Object3D mesh = meshWith({"zeta", "alpha", "empty"});
    for (int i = 0; i < 3; ++i) mesh.addVertex(0, 0, 0);
    const int32_t P[4] = {1, 2, 3, 0};
    mesh.addFace("zeta", P, kNone, kNone);
    mesh.addFace("zeta", P, kNone, kNone);
    mesh.addFace("alpha", P, kNone, kNone);
    testing::internal::CaptureStdout();
    mesh.finish();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "  vtx =3\n  nml =0\n  uvm =0\n  face[alpha]=1\n  face[empty]=0\n  face[zeta]=2\n");
    EXPECT_EQ(mesh.vertexFaces[0].size(), 2u);
    EXPECT_EQ(mesh.normalFaces[0].size(), 2u);
    EXPECT_EQ(mesh.texCoordFaces[1].size(), 1u);
    EXPECT_EQ(mesh.vertexFaces[2].size(), 0u);
}

// A triangle that points past its array fails the load with a message naming it,
// instead of failing later inside the renderer.
TEST(Object3DTest, FinishRejectsIndicesPastTheirArrays) {
    struct Case {
        const char* name;
        int32_t P[4], T[4], N[4];
        const char* message;
    };
    const Case cases[] = {
        {"position", {1, 2, 4, 0}, {1, 1, 1, 0}, {1, 1, 1, 0},
         "Object3D::finish(): triangle 2 of material m uses position 4 of 3"},
        {"normal", {1, 2, 3, 0}, {1, 1, 1, 0}, {1, 2, 1, 0},
         "Object3D::finish(): triangle 2 of material m uses normal 2 of 1"},
        {"texture coordinate", {1, 2, 3, 0}, {9, 1, 1, 0}, {1, 1, 1, 0},
         "Object3D::finish(): triangle 2 of material m uses texture coordinate 9 of 1"},
        {"index beyond 32 bits", {2147483647, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 1, 0},
         "Object3D::finish(): triangle 2 of material m uses position 2147483647 of 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Object3D mesh = meshWith({"m"});
        for (int i = 0; i < 3; ++i) mesh.addVertex(0, 0, 0);
        mesh.addNormal(0, 0, 1);
        mesh.addTexCoord(0, 0);
        const int32_t good[4] = {1, 1, 1, 0};
        mesh.addFace("m", good, good, good);
        mesh.addFace("m", c.P, c.T, c.N);
        testing::internal::CaptureStdout();
        try {
            mesh.finish();
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        testing::internal::GetCapturedStdout();
        // What was read stays: the good triangle and the arrays, cut to size.
        EXPECT_EQ(mesh.faceCounts[0], 2);
        EXPECT_EQ(mesh.vertices.size(), 3u);
    }
}
