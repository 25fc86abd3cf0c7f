#pragma once
// OBJ3D: reads a Wavefront OBJ model and the MTL files it names into one Object3D.
//
// Table-driven: each line is classified by its first word (the keyword); a table per
// file kind maps the known keywords to their handlers, and each handler matches its own
// line form (LineForms). Understood: mtllib, o, v, vn, vt, g, usemtl, f (triangles
// written a/b/c, any field may be empty) and comments; in MTL files newmtl, Ns, d, illum,
// Kd, Ka, Ks, Ke and map_Kd. Lines beginning with a blank or not matching their form are
// skipped silently; an unknown keyword prints "keyword %s not found\n" (OBJ) or
// "Keyword %s not found\n" (MTL). MTL files and textures are looked up in the directory
// of the OBJ file.
//
// Failures leave open() or load() as Error: a file that cannot be opened
// ("can not open file <path>"), a number the conversion rejects
// ("<path>:<line>: not a number: <text>", "<path>:<line>: number out of range: <text>")
// and a model whose triangles point past its arrays (Object3D::finish). What was read
// before stays in the mesh.
//
// Calling order: construct, open(path), load(), read mesh, close(), destroy.

#include "assets/LineReader.h"
#include "assets/Object3D.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class OBJ3D {
public:
    // A handler: (keyword, whole line) to 0.
    using Handler = int32_t (OBJ3D::*)(std::string_view keyword, std::string_view line);
    // A known keyword; a null handler means its lines have no effect.
    struct Keyword {
        std::string_view name;
        Handler handler;
    };
    // Supplies the text of a file by path; false when there is no such file.
    using FileSource = std::function<bool(const std::string& path, std::string& text)>;

    OBJ3D();
    virtual ~OBJ3D();
    OBJ3D(const OBJ3D&) = delete;
    OBJ3D& operator=(const OBJ3D&) = delete;

    // Opens the model, prints "file=%s\n" and sets baseDir. Returns 0.
    virtual int32_t open(const std::string& fileName);
    // Closes the model file if open. Returns 0.
    virtual int32_t close();
    // Reads the whole model, MTL files included, and finishes the mesh. Returns 0.
    virtual int32_t load();
    virtual int32_t onMtllib(std::string_view keyword, std::string_view line);
    virtual int32_t onNewmtl(std::string_view keyword, std::string_view line);
    virtual int32_t onKd(std::string_view keyword, std::string_view line);
    virtual int32_t onKa(std::string_view keyword, std::string_view line);
    virtual int32_t onKs(std::string_view keyword, std::string_view line);
    virtual int32_t onMapKd(std::string_view keyword, std::string_view line);
    virtual int32_t onObject(std::string_view keyword, std::string_view line);
    virtual int32_t onVertex(std::string_view keyword, std::string_view line);
    virtual int32_t onNormal(std::string_view keyword, std::string_view line);
    virtual int32_t onTexCoord(std::string_view keyword, std::string_view line);
    virtual int32_t onUsemtl(std::string_view keyword, std::string_view line);
    virtual int32_t onFace(std::string_view keyword, std::string_view line);

    // From now on every file (the model and its MTL files) is read through source
    // instead of the file system; a path it refuses fails like a missing file. For
    // models held in memory (tests, fuzzing).
    void readFrom(FileSource source);

    std::unique_ptr<LineReader> file;  // the open model; null while closed
    std::unique_ptr<Object3D> mesh;
    std::string baseDir;  // '/' separators, no trailing separator
    std::string currentMaterial;

private:
    LineReader openStream(const std::string& path);
    template <std::size_t N>
    void readLines(LineReader& reader, const Keyword (&keywords)[N], const char* notFound);
    // The captured text as a double or a 32-bit index, or the conversion error.
    template <typename T>
    T convert(std::string_view text) const;
    // The N NUMBERs after the keyword, converted left to right; false when the line is
    // not of that form.
    template <int N>
    bool numbers(std::string_view keyword, std::string_view line, double (&out)[N]) const;
    [[noreturn]] void conversionError(const char* what, std::string_view text) const;

    FileSource source;
    std::string where;  // path of the file being read, for conversion errors
    int64_t lineNumber = 0;
};
