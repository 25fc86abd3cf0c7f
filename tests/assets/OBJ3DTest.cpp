#include "assets/OBJ3D.h"

#include "base/Error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

namespace {

// Loads a model held in memory; texts maps every path the loader may open to its text.
struct MemoryLoad {
    explicit MemoryLoad(std::initializer_list<std::pair<const std::string, std::string>> texts,
                        const std::string& model = "m/x.obj") {
        loader.readFrom([files = std::map<std::string, std::string>(texts)](const std::string& path, std::string& text) {
            const auto found = files.find(path);
            if (found == files.end()) return false;
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

    OBJ3D loader;
    std::string output;
    std::string error;
};

// Nine of every kind of data come first, so that faces of the lines under test are valid.
const int kGiven = 9;

// What the line under test added: positions, normals, texture coordinates and the
// triangles of material "m" as position/texture/normal indices, then the messages.
std::string added(const MemoryLoad& load) {
    std::ostringstream out;
    const Object3D& mesh = load.mesh();
    for (int i = kGiven; i < mesh.vertexCount; ++i)
        out << "v " << mesh.vertices[i].x << " " << mesh.vertices[i].y << " " << mesh.vertices[i].z << " ";
    for (int i = kGiven; i < mesh.normalCount; ++i)
        out << "n " << mesh.normals[i].x << " " << mesh.normals[i].y << " " << mesh.normals[i].z << " ";
    for (int i = kGiven; i < mesh.texCoordCount; ++i) out << "t " << mesh.texCoords[i].x << " " << mesh.texCoords[i].y << " ";
    for (int j = 0; j < mesh.faceCounts[0]; ++j) {
        const face3D p = mesh.vertexFaces[0][j], t = mesh.texCoordFaces[0][j], n = mesh.normalFaces[0][j];
        out << "f " << p.a << "/" << t.a << "/" << n.a << " " << p.b << "/" << t.b << "/" << n.b << " " << p.c << "/"
            << t.c << "/" << n.c << " ";
    }
    std::istringstream lines(load.output);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("file=", 0) != 0 && line.rfind("  ", 0) != 0) out << line << "|";
    return out.str();
}

}  // namespace

TEST(OBJ3DTest, EveryLineForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"v 1.5e3 -2.0 0", "v 1500 -2 0 "},
        {"v 1.0E+5 1.0e-5 -0.5 4", "v 100000 1e-05 -0.5 "},
        {"v \t 1\t\t2   3", "v 1 2 3 "},
        {"v\v1\f2 3", "v 1 2 3 "},  // vertical tab and form feed are blanks too
        {"v 1.5e3x 2 3", ""},
        {"v 1 2 3.5e+", "v 1 2 3.5 "},
        {" v 1 2 3", ""},
        {"v 1e5 2 3", ""},  // the exponent needs a fraction
        {"v 1. 2 3", ""},
        {"v .5 2 3", ""},
        {"v +1 2 3", ""},
        {"v1 2 3", "keyword v1 not found|"},
        {"vn 0 -1 0 9", "n 0 -1 0 "},
        {"vt 0.25 0.25", "t 0.25 0.75 "},  // image row 0 is the top
        {"vt 5", ""},
        {"# v 1 2 3", ""},
        {"\tanything at all", ""},
        {"s 1", "keyword s not found|"},
        {"g group", ""},
        {"f 1/2/3 4/5/6 7/8/9", "f 0/1/2 3/4/5 6/7/8 "},
        {"f\t1//3  4//6\t7//9", "f 0/-1/2 3/-1/5 6/-1/8 "},
        {"f 1/2/3 4//6 7/8/9", "f 0/-1/2 3/-1/5 6/-1/8 "},  // one corner without: none has
        {"f 1/2/ 4/5/ 7/8/", "f 0/1/-1 3/4/-1 6/7/-1 "},
        {"f 1/1/1 2/2/2 3/3/3 4/4/4", "f 0/0/0 1/1/1 2/2/2 "},
        {"f 1 2 3", ""},
        {"f 1/1 2/2 3/3", ""},
        {"f -1/-1/-1 -2/-2/-2 -3/-3/-3", ""},
    };
    std::string given = "mtllib x.mtl\n";
    for (int i = 0; i < kGiven; ++i) given += "v 0 0 0\nvt 0 0\nvn 0 0 1\n";
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        const MemoryLoad load({{"m/x.obj", given + "usemtl m\n" + line + "\n"}, {"m/x.mtl", "newmtl m\n"}});
        EXPECT_EQ(load.error, "");
        EXPECT_EQ(added(load), expected);
    }
}

// Numbers come out as the correctly rounded double, whichever way they are converted.
TEST(OBJ3DTest, NumbersReadExactly) {
    const char* numbers[] = {"0.1", "-2.675", "123456.789012", "0.30000000000000004", "931071500356.4377",
                             "-1.7976931348623157", "0.0000000000000000000000001", "9007199254740993", "-0.0"};
    std::string model;
    for (const char* n : numbers) model += std::string("v ") + n + " 0 0\n";
    const MemoryLoad load({{"m/x.obj", model}});
    ASSERT_EQ(load.mesh().vertexCount, 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(load.mesh().vertices[i].x, std::strtod(numbers[i], nullptr)) << numbers[i];
        EXPECT_EQ(std::signbit(load.mesh().vertices[i].x), numbers[i][0] == '-') << numbers[i];
    }
}

TEST(OBJ3DTest, MaterialsAndTheirFilesBesideTheModel) {
    const MemoryLoad load({{"3d_obj/block.obj", "mtllib a.mtl\nmtllib b.mtl\nusemtl q\n"},
                           {"3d_obj/a.mtl", "newmtl red\nKd 1 0 0\n\tKa 0.5 0 0\nKs 0.25 0.25 0.25\nmap_Kd t/x.png\n"
                                            "newmtl blue\nKd 0 0 1\nNi 1.5\nnewmtl red\nKd 0.1 0.2\n"},
                           {"3d_obj/b.mtl", "newmtl q\n"}},
                          "3d_obj/block.obj");
    EXPECT_EQ(load.error, "");
    EXPECT_NE(load.output.find("Keyword Ni not found\n"), std::string::npos);
    EXPECT_EQ(load.mesh().materialIndex, (std::map<std::string, int32_t>{{"red", 0}, {"blue", 1}, {"q", 2}}));
    const Material& red = load.mesh().materials[0];
    EXPECT_EQ(std::tuple(red.diffuse.r, red.diffuse.g, red.ambient.r, red.specular.b), std::tuple(1, 0, 1, 0.25));  // indented lines are ignored
    EXPECT_EQ(red.textureFile, "3d_obj/t/x.png");
    // A repeated name keeps its index; the material being defined (blue) starts white again.
    EXPECT_EQ(load.mesh().materials[1].diffuse.r, 1);

    for (const auto& [model, baseDir] : {std::pair<std::string, std::string>{"a\\b\\c.obj", "a/b"},
                                         {"b.obj", std::filesystem::current_path().generic_string()}}) {
        const MemoryLoad other({{model, "mtllib m.mtl\n"}, {baseDir + "/m.mtl", "newmtl q\n"}}, model);
        EXPECT_EQ(other.error, "") << model;
        EXPECT_EQ(other.mesh().materialCount, 1) << model;
    }
}

// Bad input: a clear error naming the file and line leaves load, and what was read before
// stays in the mesh. Never a crash.
TEST(OBJ3DTest, BadInputRaisesClearErrors) {
    const std::string big(1'000'000, '7');
    const struct {
        std::string model, message;
        int32_t verticesKept;
    } cases[] = {
        {"v 1 2 3\nv --1 0 0\n", "m/x.obj:3: not a number: --1", 1},
        {"v 1.0e999 0 0\n", "m/x.obj:2: number out of range: 1.0e999", 0},
        {"v 0 1.0e-999 0\n", "m/x.obj:2: number out of range: 1.0e-999", 0},
        {"v 0 0 0\nusemtl m\nf 2147483648//1 1//1 1//1\n", "m/x.obj:4: number out of range: 2147483648", 1},
        {"v 0 0 0\nvn 0 0 1\nusemtl m\nf 1//1 2//1 1//1\n", "Object3D::finish(): triangle 1 of material m uses position 2 of 1", 1},
        {"v 0 0 0\nusemtl m\nf 1//1 1//1 1//1\n", "Object3D::finish(): triangle 1 of material m uses normal 1 of 0", 1},
        {"v 0 0 0\nmtllib none.mtl\n", "can not open file m/none.mtl", 1},
        {"mtllib bad.mtl\n", "m/bad.mtl:2: not a number: --0.5", 0},
        {"v 0." + std::string(1'000'000, '1') + " 2 3\n" + std::string(1'000'000, 'x') + "\nv 1.5e" + big + "x\nv --2 0 0\n",
         "m/x.obj:5: not a number: --2", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.substr(0, 60));
        const MemoryLoad load({{"m/x.obj", "mtllib x.mtl\n" + c.model}, {"m/x.mtl", "newmtl m\n"},
                               {"m/bad.mtl", "newmtl b\nKd --0.5 0 0\n"}});
        EXPECT_EQ(load.error, c.message);
        EXPECT_EQ(load.mesh().vertexCount, c.verticesKept);
    }

    std::string garbage;  // every byte value, NULs and stray line ends included
    for (uint32_t i = 0, state = 12345; i < 200'000; ++i) garbage += static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
    const std::string error = MemoryLoad({{"m/x.obj", garbage}}).error;
    EXPECT_TRUE(error.empty() || error.rfind("m/x.obj:", 0) == 0 || error.rfind("Object3D::finish(): ", 0) == 0) << error;
}
