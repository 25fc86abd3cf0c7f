#include "assets/OBJ3D.h"

#include "base/Error.h"
#include "ImageFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

// Loads a model held in memory; files maps every path the loader may open to its text.
struct MemoryLoad {
    explicit MemoryLoad(std::initializer_list<std::pair<const std::string, std::string>> texts,
                        const std::string& model = "m/x.obj")
        : files(texts) {
        loader.readFrom([this](const std::string& path, std::string& text) {
            opened.push_back(path);
            const auto found = this->files.find(path);
            if (found == this->files.end()) return false;
            text = found->second;
            return true;
        });
        testing::internal::CaptureStdout();
        try {
            loader.open(model);
            loader.load();
        } catch (const Error& e) {
            error = e.what();
        }
        output = testing::internal::GetCapturedStdout();
    }
    const Object3D& mesh() const { return *loader.mesh; }
    // The output without the "file=" line and the statistics of finish.
    std::string messages() const {
        std::string kept;
        std::size_t start = 0;
        while (start < output.size()) {
            const std::size_t end = output.find('\n', start);
            const std::string line = output.substr(start, end - start + 1);
            if (line.rfind("file=", 0) != 0 && line.rfind("  ", 0) != 0) kept += line;
            start = end + 1;
        }
        return kept;
    }

    std::map<std::string, std::string> files;
    OBJ3D loader;
    std::vector<std::string> opened;
    std::string output;
    std::string error;
};

// A model of one material "m" with the given lines after three positions.
MemoryLoad withFaces(const std::string& lines) {
    return MemoryLoad({{"m/x.obj", "mtllib x.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl m\n" + lines},
                       {"m/x.mtl", "newmtl m\n"}});
}

void expectFace(const face3D& f, int32_t a, int32_t b, int32_t c) {
    EXPECT_EQ(f.a, a);
    EXPECT_EQ(f.b, b);
    EXPECT_EQ(f.c, c);
    EXPECT_EQ(f.d, 0);
}

}  // namespace

TEST(OBJ3DTest, VertexLinesAddPositionsOnlyWhenTheyParse) {
    struct Case {
        const char* line;
        bool added;
        double x, y, z;
    };
    const Case cases[] = {
        {"v 1 2 3", true, 1, 2, 3},
        {"v 1.5e3 -2.0 0", true, 1500, -2, 0},
        {"v 1 2 3 4", true, 1, 2, 3},
        {"v \t 1\t\t2   3", true, 1, 2, 3},
        {"v 1.0E+5 1.0e-5 -0.5", true, 100000, 0.00001, -0.5},
        {"v 1e5 2 3", false, 0, 0, 0},
        {"v 1 2", false, 0, 0, 0},
        {"v 1. 2 3", false, 0, 0, 0},
        {"v .5 2 3", false, 0, 0, 0},
        {"v +1 2 3", false, 0, 0, 0},
        {"v1 2 3", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        MemoryLoad load({{"m/x.obj", std::string(c.line) + "\n"}});
        EXPECT_EQ(load.error, "");
        EXPECT_EQ(load.messages(), std::string(c.line) == "v1 2 3" ? "keyword v1 not found\n" : "");
        ASSERT_EQ(load.mesh().vertexCount, c.added ? 1 : 0);
        if (c.added) {
            EXPECT_DOUBLE_EQ(load.mesh().vertices[0].x, c.x);
            EXPECT_DOUBLE_EQ(load.mesh().vertices[0].y, c.y);
            EXPECT_DOUBLE_EQ(load.mesh().vertices[0].z, c.z);
        }
    }
}

TEST(OBJ3DTest, NormalsAndTextureCoordinates) {
    MemoryLoad load({{"m/x.obj", "vn 0 0 1\nvn 0 -1 0 9\nvt 0.25 0.25\nvt 1 0 0\nvt 5\n"}});
    ASSERT_EQ(load.mesh().normalCount, 2);
    EXPECT_EQ(load.mesh().normals[1].y, -1);
    ASSERT_EQ(load.mesh().texCoordCount, 2);
    EXPECT_EQ(load.mesh().texCoords[0].x, 0.25);
    EXPECT_EQ(load.mesh().texCoords[0].y, 0.75);
    EXPECT_EQ(load.mesh().texCoords[1].y, 1);
    EXPECT_EQ(load.output, "file=m/x.obj\n  vtx =0\n  nml =2\n  uvm =2\n");
}

TEST(OBJ3DTest, LineClassificationAndMessages) {
    MemoryLoad load({{"m/x.obj",
                      " v 1 2 3\n"
                      "\tanything at all\n"
                      "# a comment\n"
                      "#v 1 2 3\n"
                      "s 1\n"
                      "g group\n"
                      "o object\n"
                      "\n"
                      "l 1 2\n"
                      "v 4 5 6\n"}});
    EXPECT_EQ(load.messages(), "keyword s not found\nkeyword l not found\n");
    ASSERT_EQ(load.mesh().vertexCount, 1);
    EXPECT_EQ(load.mesh().vertices[0].x, 4);
}

TEST(OBJ3DTest, FaceCornersAndTheirFields) {
    struct Case {
        const char* line;
        int32_t p[3], t[3], n[3];
    };
    const Case cases[] = {
        {"f 1/2/3 4/5/6 7/8/9", {0, 3, 6}, {1, 4, 7}, {2, 5, 8}},
        {"f 1//3 4//6 7//9", {0, 3, 6}, {-1, -1, -1}, {2, 5, 8}},
        {"f 1/2/3 4//6 7/8/9", {0, 3, 6}, {-1, -1, -1}, {2, 5, 8}},
        {"f 1/2/ 4/5/ 7/8/", {0, 3, 6}, {1, 4, 7}, {-1, -1, -1}},
        {"f 1/1/1 2/2/2 3/3/3 4/4/4", {0, 1, 2}, {0, 1, 2}, {0, 1, 2}},
        {"f\t1/1/1  2/2/2\t3/3/3", {0, 1, 2}, {0, 1, 2}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        // Texture coordinates and normals are present, so finish accepts every case.
        std::string geometry;
        for (int i = 0; i < 9; ++i) geometry += "vt 0 0\nvn 0 0 1\nv 0 0 0\n";
        MemoryLoad load = withFaces(geometry + c.line + "\n");
        EXPECT_EQ(load.error, "");
        ASSERT_EQ(load.mesh().faceCounts[0], 1);
        expectFace(load.mesh().vertexFaces[0][0], c.p[0], c.p[1], c.p[2]);
        expectFace(load.mesh().texCoordFaces[0][0], c.t[0], c.t[1], c.t[2]);
        expectFace(load.mesh().normalFaces[0][0], c.n[0], c.n[1], c.n[2]);
    }
}

TEST(OBJ3DTest, FacesThatDoNotMatchAreDroppedSilently) {
    for (const char* line : {"f 1 2 3", "f 1/1 2/2 3/3", "f -1/-1/-1 -2/-2/-2 -3/-3/-3", "f 1/1/1 2/2/2"}) {
        SCOPED_TRACE(line);
        MemoryLoad load = withFaces(std::string(line) + "\n");
        EXPECT_EQ(load.messages(), "");
        EXPECT_EQ(load.mesh().faceCounts[0], 0);
    }
}

TEST(OBJ3DTest, FacesBeforeUsemtlGoToTheUnnamedMaterialAndAreDropped) {
    MemoryLoad load({{"m/x.obj", "mtllib x.mtl\nv 0 0 0\nf 1//1 1//1 1//1\n"}, {"m/x.mtl", "newmtl m\n"}});
    EXPECT_EQ(load.messages(), "material  is not found\n");
    EXPECT_EQ(load.mesh().faceCounts[0], 0);
}

TEST(OBJ3DTest, MaterialFilesAndTexturesAreFoundBesideTheModel) {
    MemoryLoad load({{"3d_obj/block.obj", "mtllib block.mtl other.mtl\n"},
                     {"3d_obj/block.mtl", "newmtl red\nKd 1 0 0\nKa 0.5 0 0\nKs 0.25 0.25 0.25\nmap_Kd tex/x.png\n"}},
                    "3d_obj/block.obj");
    EXPECT_EQ(load.error, "");
    EXPECT_EQ(load.loader.baseDir, "3d_obj");
    EXPECT_EQ(load.opened, (std::vector<std::string>{"3d_obj/block.obj", "3d_obj/block.mtl"}));
    ASSERT_EQ(load.mesh().materialCount, 1);
    const Material& red = load.mesh().materials[0];
    EXPECT_EQ(red.diffuse.r, 1);
    EXPECT_EQ(red.diffuse.g, 0);
    EXPECT_EQ(red.ambient.r, 0.5);
    EXPECT_EQ(red.specular.b, 0.25);
    EXPECT_EQ(red.textureFile, "3d_obj/tex/x.png");
}

TEST(OBJ3DTest, SeveralMaterialFilesAccumulate) {
    MemoryLoad load({{"m/x.obj", "mtllib a.mtl\nmtllib b.mtl\nv 0 0 0\nusemtl b\nf 1//1 1//1 1//1\n"},
                     {"m/a.mtl", "newmtl a\n"},
                     {"m/b.mtl", "newmtl b\nmap_Kd b.jpg\n"}});
    EXPECT_EQ(load.error, "Object3D::finish(): triangle 1 of material b uses normal 1 of 0");
    EXPECT_EQ(load.mesh().materialIndex.at("b"), 1);
    EXPECT_EQ(load.mesh().faceCounts.size(), 2u);
    EXPECT_EQ(load.mesh().faceCounts[1], 1);
    EXPECT_EQ(load.mesh().materials[1].textureFile, "m/b.jpg");
}

TEST(OBJ3DTest, MaterialLines) {
    MemoryLoad load({{"m/x.obj", "mtllib x.mtl\n"},
                     {"m/x.mtl",
                      "newmtl indented\n"
                      "\tKd 0 0 0\n"
                      "  Ka 0 0 0\n"
                      "newmtl plain\n"
                      "Ns 10\nd 0.5\nillum 2\nKe 1 1 1\n"
                      "Ni 1.5\n"
                      "# comment\n"
                      "Kd 0.1 0.2\n"}});
    EXPECT_EQ(load.messages(), "Keyword Ni not found\n");
    ASSERT_EQ(load.mesh().materials.size(), 2u);
    EXPECT_EQ(load.mesh().materials[0].diffuse.r, 1);
    EXPECT_EQ(load.mesh().materials[0].ambient.g, 1);
    EXPECT_EQ(load.mesh().materials[1].diffuse.b, 1);
}

TEST(OBJ3DTest, ModelDirectory) {
    struct Case {
        const char* model;
        const char* baseDir;
    };
    const std::string cwd = std::filesystem::current_path().generic_string();
    const Case cases[] = {
        {"a/b.obj", "a"},
        {"/b.obj", ""},
        {"a\\b\\c.obj", "a/b"},
        {"x/y/z.obj", "x/y"},
        {"b.obj", cwd.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        MemoryLoad load({{c.model, "mtllib m.mtl\n"}, {std::string(c.baseDir) + "/m.mtl", "newmtl q\n"}}, c.model);
        EXPECT_EQ(load.loader.baseDir, c.baseDir);
        EXPECT_EQ(load.error, "");
        EXPECT_EQ(load.mesh().materialCount, 1);
    }
}

TEST(OBJ3DTest, LineEndsCrLfAndLoneCrReadLikeLf) {
    const std::string lf = "mtllib x.mtl\nv 1 2 3\nv 4 5 6\nv 7 8 9\nusemtl m\nf 1/1/1 2/1/1 3/1/1\nvt 0 0\nvn 0 0 1";
    std::string crlf, cr;
    for (const char ch : lf) {
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        cr += ch == '\n' ? '\r' : ch;
    }
    const MemoryLoad a({{"m/x.obj", lf}, {"m/x.mtl", "newmtl m\n"}});
    for (const std::string& text : {crlf, cr}) {
        const MemoryLoad b({{"m/x.obj", text}, {"m/x.mtl", "newmtl m\r\n"}});
        EXPECT_EQ(b.output, a.output);
        EXPECT_EQ(b.error, "");
        EXPECT_EQ(b.mesh().vertexCount, 3);
        EXPECT_EQ(b.mesh().normalCount, 1);
        EXPECT_EQ(b.mesh().faceCounts[0], 1);
    }
}

// Bad input: a clear error leaves load, and what was read before stays in the mesh.
TEST(OBJ3DTest, BadInputRaisesClearErrors) {
    struct Case {
        const char* name;
        std::string model;
        std::string message;
        int32_t verticesKept;
    };
    const std::string big(1'000'000, '7');
    const Case cases[] = {
        {"two minus signs", "v 1 2 3\nv --1 0 0\n", "m/x.obj:3: not a number: --1", 1},
        {"number too large", "v 1.0e999 0 0\n", "m/x.obj:2: number out of range: 1.0e999", 0},
        {"number too small", "v 0 1.0e-999 0\n", "m/x.obj:2: number out of range: 1.0e-999", 0},
        {"megabyte of digits", "v 1 1 1\nv " + big + " 0 0\n", "m/x.obj:3: number out of range: " + big, 1},
        {"index beyond 32 bits", "v 0 0 0\nusemtl m\nf 2147483648//1 1//1 1//1\n",
         "m/x.obj:4: number out of range: 2147483648", 1},
        {"index past the positions", "v 0 0 0\nvn 0 0 1\nusemtl m\nf 1//1 2//1 1//1\n",
         "Object3D::finish(): triangle 1 of material m uses position 2 of 1", 1},
        {"missing material file", "v 0 0 0\nmtllib none.mtl\n", "can not open file m/none.mtl", 1},
        {"bad number in a material file", "mtllib bad.mtl\n", "m/bad.mtl:2: not a number: --0.5", 0},
        {"material file error names the model line after", "mtllib x.mtl\nv --2 0 0\n",
         "m/x.obj:3: not a number: --2", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryLoad load({{"m/x.obj", "mtllib x.mtl\n" + c.model},
                         {"m/x.mtl", "newmtl m\n"},
                         {"m/bad.mtl", "newmtl b\nKd --0.5 0 0\n"}});
        EXPECT_EQ(load.error, c.message);
        EXPECT_EQ(load.mesh().vertexCount, c.verticesKept);
    }
}

TEST(OBJ3DTest, FilesOnDiskAndOpenErrors) {
    TempDir dir;
    std::filesystem::create_directories(dir / "3d_obj");
    std::ofstream(dir / "3d_obj/block.obj") << "mtllib block.mtl\nv 0 0 0\nvn 0 0 1\nusemtl a\nf 1//1 1//1 1//1\n";
    std::ofstream(dir / "3d_obj/block.mtl") << "newmtl a\nmap_Kd t.png\n";
    {
        OBJ3D loader;
        testing::internal::CaptureStdout();
        const std::string path = (dir / "3d_obj/block.obj").string();
        EXPECT_EQ(loader.open(path), 0);
        EXPECT_EQ(loader.load(), 0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "file=" + path + "\n  vtx =1\n  nml =1\n  uvm =0\n  face[a]=1\n");
        EXPECT_EQ(loader.mesh->materials[0].textureFile, (dir / "3d_obj/t.png").generic_string());
        EXPECT_EQ(loader.close(), 0);
        EXPECT_EQ(loader.file, nullptr);
        EXPECT_EQ(loader.close(), 0);
    }
    OBJ3D loader;
    const std::string missing = (dir / "none.obj").string();
    try {
        loader.open(missing);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "can not open file " + missing);
    }
    EXPECT_EQ(loader.file, nullptr);
    EXPECT_THROW(loader.load(), Error);
}

TEST(OBJ3DTest, MegabyteLinesAndBinaryGarbageNeverCrash) {
    const std::string digits(1'000'000, '1');
    MemoryLoad load({{"m/x.obj", "v 0." + digits + " 2 3\n" + std::string(1'000'000, 'x') + "\no " + digits +
                                     "\nv 1.5e" + digits + "x\n" + "f " + digits + "/ 1/1/1\n"}});
    EXPECT_EQ(load.error, "");
    ASSERT_EQ(load.mesh().vertexCount, 1);
    EXPECT_DOUBLE_EQ(load.mesh().vertices[0].x, 0.1111111111111111);
    EXPECT_EQ(load.messages(), "keyword " + std::string(1'000'000, 'x') + " not found\n");

    // Deterministic garbage: every byte value, NULs and stray line ends included.
    std::string garbage;
    uint32_t state = 12345;
    for (int i = 0; i < 200'000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 16);
    }
    MemoryLoad noise({{"m/x.obj", garbage}});
    const std::string& e = noise.error;
    EXPECT_TRUE(e.empty() || e.rfind("m/x.obj:", 0) == 0 || e.rfind("Object3D::finish(): ", 0) == 0 ||
                e.rfind("can not open file ", 0) == 0)
        << e;
}
