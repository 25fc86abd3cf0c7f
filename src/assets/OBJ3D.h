#pragma once
// OBJ3D: reads a Wavefront OBJ model and the MTL files it names into one Object3D.
//
// Table-driven: each line is classified by its first word (the keyword); one table maps
// known keywords to the compiled pattern that parses the line, a second maps keywords to
// handlers. Understood: mtllib, o, v, vn, vt, g, usemtl, f (triangles written a/b/c,
// any field may be empty) and comments; in MTL files newmtl, Ns, d, illum, Kd, Ka, Ks,
// Ke and map_Kd. Lines beginning with a blank or not matching their pattern are skipped
// silently; an unknown keyword prints "keyword %s not found\n" (OBJ) or
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
#include "base/Regex.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class OBJ3D {
public:
    // A handler: (keyword, whole line) to 0.
    using Handler = int32_t (OBJ3D::*)(const std::string& keyword, const std::string& line);
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
    virtual int32_t onMtllib(const std::string& keyword, const std::string& line);
    virtual int32_t onNewmtl(const std::string& keyword, const std::string& line);
    virtual int32_t onKd(const std::string& keyword, const std::string& line);
    virtual int32_t onKa(const std::string& keyword, const std::string& line);
    virtual int32_t onKs(const std::string& keyword, const std::string& line);
    virtual int32_t onMapKd(const std::string& keyword, const std::string& line);
    virtual int32_t onObject(const std::string& keyword, const std::string& line);
    virtual int32_t onVertex(const std::string& keyword, const std::string& line);
    virtual int32_t onNormal(const std::string& keyword, const std::string& line);
    virtual int32_t onTexCoord(const std::string& keyword, const std::string& line);
    virtual int32_t onUsemtl(const std::string& keyword, const std::string& line);
    virtual int32_t onFace(const std::string& keyword, const std::string& line);

    // From now on every file (the model and its MTL files) is read through source
    // instead of the file system; a path it refuses fails like a missing file. For
    // models held in memory (tests, fuzzing).
    void readFrom(FileSource source);

    std::unique_ptr<LineReader> file;  // the open model; null while closed
    std::unique_ptr<Object3D> mesh;
    Regex keywordPattern;
    std::string baseDir;  // '/' separators, no trailing separator
    std::string currentMaterial;
    std::unordered_map<std::string, Regex> objPatterns;
    std::unordered_map<std::string, Regex> mtlPatterns;
    std::unordered_map<std::string, Handler> objHandlers;
    std::unordered_map<std::string, Handler> mtlHandlers;

private:
    using Patterns = std::unordered_map<std::string, Regex>;
    using Handlers = std::unordered_map<std::string, Handler>;

    LineReader openStream(const std::string& path);
    void readLines(LineReader& reader, const Patterns& patterns, const Handlers& handlers, const char* notFound);
    // Applies the keyword's pattern to the whole line; captures go to `captures`.
    bool parse(const Patterns& patterns, const std::string& keyword, const std::string& line);
    double number(int group) const;
    int32_t index(int group) const;
    [[noreturn]] void conversionError(const char* what, std::string_view text) const;

    FileSource source;
    RegexMatch captures;
    RegexMatch keywordCaptures;
    std::string where;  // path of the file being read, for conversion errors
    int64_t lineNumber = 0;
};
