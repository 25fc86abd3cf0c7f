#include "assets/OBJ3D.h"

#include "assets/LineForms.h"
#include "base/Error.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>

namespace {

// The known keywords of each file kind, the busiest first: they are looked for in order.
// Comments (a keyword beginning with '#') are skipped before either table is asked.
constexpr OBJ3D::Keyword kObjKeywords[] = {
    {"v", &OBJ3D::onVertex},     {"vt", &OBJ3D::onTexCoord}, {"vn", &OBJ3D::onNormal},
    {"f", &OBJ3D::onFace},       {"usemtl", &OBJ3D::onUsemtl}, {"mtllib", &OBJ3D::onMtllib},
    {"o", &OBJ3D::onObject},     {"g", nullptr},
};
constexpr OBJ3D::Keyword kMtlKeywords[] = {
    {"newmtl", &OBJ3D::onNewmtl}, {"Ns", nullptr},          {"d", nullptr},  {"illum", nullptr},
    {"Kd", &OBJ3D::onKd},         {"Ka", &OBJ3D::onKa},     {"Ks", &OBJ3D::onKs}, {"Ke", nullptr},
    {"map_Kd", &OBJ3D::onMapKd},
};

}  // namespace

OBJ3D::OBJ3D() {
    mesh = std::make_unique<Object3D>();
    mesh->init();
}

OBJ3D::~OBJ3D() {
    close();
    mesh.reset();
}

void OBJ3D::readFrom(FileSource newSource) { source = std::move(newSource); }

LineReader OBJ3D::openStream(const std::string& path) {
    if (!source) return LineReader::openFile(path);
    std::string text;
    if (!source(path, text)) throw Error("can not open file " + path);
    return LineReader::fromText(std::move(text));
}

int32_t OBJ3D::open(const std::string& fileName) {
    close();
    file = std::make_unique<LineReader>(openStream(fileName));
    where = fileName;
    std::printf("file=%s\n", fileName.c_str());
    const std::size_t separator = fileName.find_last_of("/\\");
    if (separator != std::string::npos)
        baseDir = fileName.substr(0, separator);
    else
        baseDir = std::filesystem::current_path().string();
    for (char& c : baseDir)
        if (c == '\\') c = '/';
    return 0;
}

int32_t OBJ3D::close() {
    file.reset();
    return 0;
}

int32_t OBJ3D::load() {
    if (!file) throw Error("OBJ3D::load(): no model is open");
    lineNumber = 0;
    readLines(*file, kObjKeywords, "keyword %s not found\n");
    mesh->finish();
    return 0;
}

template <std::size_t N>
void OBJ3D::readLines(LineReader& reader, const Keyword (&keywords)[N], const char* notFound) {
    std::string_view line;
    while (reader.readLine(line)) {
        ++lineNumber;
        const std::string_view keyword = LineForms::keyword(line);
        if (keyword.empty() || keyword[0] == '#') continue;  // empty, begins with a blank, or a comment
        const Keyword* known = std::find_if(keywords, keywords + N, [&](const Keyword& k) { return k.name == keyword; });
        if (known == keywords + N) {
            std::printf(notFound, std::string(keyword).c_str());
            continue;
        }
        if (known->handler) (this->*(known->handler))(keyword, line);
    }
}

void OBJ3D::conversionError(const char* what, std::string_view text) const {
    throw Error(where + ":" + std::to_string(lineNumber) + ": " + what + ": " + std::string(text));
}

template <typename T>
T OBJ3D::convert(std::string_view text) const {
    T value{};
    if (LineForms::quickValue(text, value)) return value;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) conversionError("number out of range", text);
    if (error != std::errc() || end != text.data() + text.size()) conversionError("not a number", text);
    return value;
}

template <int N>
bool OBJ3D::numbers(std::string_view keyword, std::string_view line, double (&out)[N]) const {
    std::string_view texts[N];
    if (!LineForms::numbers(line.substr(keyword.size()), texts, N)) return false;
    for (int i = 0; i < N; ++i) out[i] = convert<double>(texts[i]);
    return true;
}

int32_t OBJ3D::onMtllib(std::string_view keyword, std::string_view line) {
    std::string_view name;
    if (!LineForms::word(line.substr(keyword.size()), name)) return 0;
    const std::string path = baseDir + "/" + std::string(name);
    LineReader mtl = openStream(path);
    // The MTL file's own position, for its conversion errors; the model's comes back after.
    const std::string modelPath = where;
    const int64_t modelLine = lineNumber;
    where = path;
    lineNumber = 0;
    readLines(mtl, kMtlKeywords, "Keyword %s not found\n");
    where = modelPath;
    lineNumber = modelLine;
    mesh->endMaterials();
    return 0;
}

int32_t OBJ3D::onNewmtl(std::string_view keyword, std::string_view line) {
    std::string_view name;
    if (LineForms::word(line.substr(keyword.size()), name)) mesh->addMaterial(std::string(name));
    return 0;
}

int32_t OBJ3D::onKd(std::string_view keyword, std::string_view line) {
    double c[3];
    if (numbers(keyword, line, c)) mesh->setDiffuse(c[0], c[1], c[2]);
    return 0;
}

int32_t OBJ3D::onKa(std::string_view keyword, std::string_view line) {
    double c[3];
    if (numbers(keyword, line, c)) mesh->setAmbient(c[0], c[1], c[2]);
    return 0;
}

int32_t OBJ3D::onKs(std::string_view keyword, std::string_view line) {
    double c[3];
    if (numbers(keyword, line, c)) mesh->setSpecular(c[0], c[1], c[2]);
    return 0;
}

int32_t OBJ3D::onMapKd(std::string_view keyword, std::string_view line) {
    // Textures are resolved against the model's directory, not the MTL file's.
    std::string_view name;
    if (LineForms::word(line.substr(keyword.size()), name)) mesh->setTexture(baseDir + "/" + std::string(name));
    return 0;
}

int32_t OBJ3D::onObject(std::string_view, std::string_view) { return 0; }

int32_t OBJ3D::onVertex(std::string_view keyword, std::string_view line) {
    double p[3];
    if (numbers(keyword, line, p)) mesh->addVertex(p[0], p[1], p[2]);
    return 0;
}

int32_t OBJ3D::onNormal(std::string_view keyword, std::string_view line) {
    double n[3];
    if (numbers(keyword, line, n)) mesh->addNormal(n[0], n[1], n[2]);
    return 0;
}

int32_t OBJ3D::onTexCoord(std::string_view keyword, std::string_view line) {
    double t[2];
    if (numbers(keyword, line, t)) mesh->addTexCoord(t[0], t[1]);
    return 0;
}

int32_t OBJ3D::onUsemtl(std::string_view keyword, std::string_view line) {
    std::string_view name;
    if (LineForms::word(line.substr(keyword.size()), name)) currentMaterial.assign(name);
    return 0;
}

int32_t OBJ3D::onFace(std::string_view keyword, std::string_view line) {
    std::string_view fields[9];
    if (!LineForms::face(line.substr(keyword.size()), fields)) return 0;
    int32_t P[4] = {0, 0, 0, 0};
    int32_t T[4] = {0, 0, 0, 0};
    int32_t N[4] = {0, 0, 0, 0};
    // Field f of the three corners is fields[f], [f + 3] and [f + 6]; one empty field of
    // a kind leaves all three indices of that kind absent.
    auto fill = [&](int32_t out[4], int first) {
        for (int corner = 0; corner < 3; ++corner)
            if (fields[first + 3 * corner].empty()) return;
        for (int corner = 0; corner < 3; ++corner) out[corner] = convert<int32_t>(fields[first + 3 * corner]);
    };
    fill(P, 0);
    fill(T, 1);
    fill(N, 2);
    mesh->addFace(currentMaterial, P, T, N);
    return 0;
}
