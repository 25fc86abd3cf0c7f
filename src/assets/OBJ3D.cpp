#include "assets/OBJ3D.h"

#include "base/Error.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace {

// Joined from its pieces so that each alternative stays readable: a decimal with a
// fraction and an exponent, a decimal with a fraction, an integer, tried in that order.
std::string numberPattern() {
    const char* pieces[] = {"(", "[-]*[0-9]+\\.[0-9]+[eE]{1}[-+]?[0-9]+", "|", "[-]*[0-9]+\\.[0-9]+", "|",
                            "[-]*[0-9]+", ")"};
    std::string joined;
    for (const char* piece : pieces) joined += piece;
    return joined;
}

}  // namespace

OBJ3D::OBJ3D() : keywordPattern("^(\\S+)") {
    const std::string NUMBER = numberPattern();
    const std::string three = NUMBER + "\\s+" + NUMBER + "\\s+" + NUMBER;

    objPatterns.emplace("mtllib", Regex("^mtllib\\s+(\\S+)"));
    objPatterns.emplace("o", Regex("^o\\s+(\\S+)"));
    objPatterns.emplace("v", Regex("^v\\s+" + three));
    objPatterns.emplace("vn", Regex("^vn\\s+" + three));
    objPatterns.emplace("vt", Regex("^vt\\s+" + NUMBER + "\\s+" + NUMBER));
    objPatterns.emplace("g", Regex("^g\\s+(\\S+)"));
    objPatterns.emplace("usemtl", Regex("^usemtl\\s+(\\S+)"));
    objPatterns.emplace("f", Regex("^f\\s+([0-9]*)/([0-9]*)/([0-9]*)\\s+([0-9]*)/([0-9]*)/([0-9]*)\\s+"
                                   "([0-9]*)/([0-9]*)/([0-9]*)"));
    objPatterns.emplace("#", Regex("^#"));

    objHandlers = {{"mtllib", &OBJ3D::onMtllib}, {"o", &OBJ3D::onObject},     {"v", &OBJ3D::onVertex},
                   {"vn", &OBJ3D::onNormal},     {"vt", &OBJ3D::onTexCoord},  {"usemtl", &OBJ3D::onUsemtl},
                   {"f", &OBJ3D::onFace}};

    mtlPatterns.emplace("newmtl", Regex("^newmtl\\s+(\\S+)"));
    mtlPatterns.emplace("Ns", Regex("^Ns\\s+" + NUMBER));
    mtlPatterns.emplace("d", Regex("^d\\s+" + NUMBER));
    mtlPatterns.emplace("illum", Regex("^illum\\s+" + NUMBER));
    mtlPatterns.emplace("Kd", Regex("^Kd\\s+" + three));
    mtlPatterns.emplace("Ka", Regex("^Ka\\s+" + three));
    mtlPatterns.emplace("Ks", Regex("^Ks\\s+" + three));
    mtlPatterns.emplace("Ke", Regex("^Ke\\s+" + three));
    mtlPatterns.emplace("map_Kd", Regex("^map_Kd\\s+(\\S+)"));

    mtlHandlers = {{"newmtl", &OBJ3D::onNewmtl}, {"Kd", &OBJ3D::onKd},        {"Ka", &OBJ3D::onKa},
                   {"Ks", &OBJ3D::onKs},         {"map_Kd", &OBJ3D::onMapKd}};

    currentMaterial.clear();
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
    readLines(*file, objPatterns, objHandlers, "keyword %s not found\n");
    mesh->finish();
    return 0;
}

void OBJ3D::readLines(LineReader& reader, const Patterns& patterns, const Handlers& handlers, const char* notFound) {
    const Regex& comment = objPatterns.at("#");
    std::string line;
    std::string keyword;
    while (reader.readLine(line)) {
        ++lineNumber;
        if (line.empty()) continue;
        if (!keywordPattern.match(line, keywordCaptures)) continue;  // begins with a blank
        keyword.assign(keywordCaptures.group(1));
        if (comment.match(keyword, keywordCaptures)) continue;
        if (patterns.find(keyword) == patterns.end()) {
            std::printf(notFound, keyword.c_str());
            continue;
        }
        const auto handler = handlers.find(keyword);
        if (handler == handlers.end()) continue;
        (this->*(handler->second))(keyword, line);
    }
}

bool OBJ3D::parse(const Patterns& patterns, const std::string& keyword, const std::string& line) {
    const auto pattern = patterns.find(keyword);
    return pattern != patterns.end() && pattern->second.match(line, captures);
}

void OBJ3D::conversionError(const char* what, std::string_view text) const {
    throw Error(where + ":" + std::to_string(lineNumber) + ": " + what + ": " + std::string(text));
}

double OBJ3D::number(int group) const {
    const std::string_view text = captures.group(group);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) conversionError("number out of range", text);
    if (error != std::errc() || end != text.data() + text.size()) conversionError("not a number", text);
    return value;
}

int32_t OBJ3D::index(int group) const {
    const std::string_view text = captures.group(group);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) conversionError("number out of range", text);
    if (error != std::errc() || end != text.data() + text.size()) conversionError("not a number", text);
    return value;
}

int32_t OBJ3D::onMtllib(const std::string& keyword, const std::string& line) {
    if (!parse(objPatterns, keyword, line)) return 0;
    const std::string path = baseDir + "/" + std::string(captures.group(1));
    LineReader mtl = openStream(path);
    // The MTL file's own position, for its conversion errors; the model's comes back after.
    const std::string modelPath = where;
    const int64_t modelLine = lineNumber;
    where = path;
    lineNumber = 0;
    readLines(mtl, mtlPatterns, mtlHandlers, "Keyword %s not found\n");
    where = modelPath;
    lineNumber = modelLine;
    mesh->endMaterials();
    return 0;
}

int32_t OBJ3D::onNewmtl(const std::string& keyword, const std::string& line) {
    if (parse(mtlPatterns, keyword, line)) mesh->addMaterial(std::string(captures.group(1)));
    return 0;
}

int32_t OBJ3D::onKd(const std::string& keyword, const std::string& line) {
    if (parse(mtlPatterns, keyword, line)) mesh->setDiffuse(number(1), number(2), number(3));
    return 0;
}

int32_t OBJ3D::onKa(const std::string& keyword, const std::string& line) {
    if (parse(mtlPatterns, keyword, line)) mesh->setAmbient(number(1), number(2), number(3));
    return 0;
}

int32_t OBJ3D::onKs(const std::string& keyword, const std::string& line) {
    if (parse(mtlPatterns, keyword, line)) mesh->setSpecular(number(1), number(2), number(3));
    return 0;
}

int32_t OBJ3D::onMapKd(const std::string& keyword, const std::string& line) {
    // Textures are resolved against the model's directory, not the MTL file's.
    if (parse(mtlPatterns, keyword, line)) mesh->setTexture(baseDir + "/" + std::string(captures.group(1)));
    return 0;
}

int32_t OBJ3D::onObject(const std::string&, const std::string&) { return 0; }

int32_t OBJ3D::onVertex(const std::string& keyword, const std::string& line) {
    if (parse(objPatterns, keyword, line)) mesh->addVertex(number(1), number(2), number(3));
    return 0;
}

int32_t OBJ3D::onNormal(const std::string& keyword, const std::string& line) {
    if (parse(objPatterns, keyword, line)) mesh->addNormal(number(1), number(2), number(3));
    return 0;
}

int32_t OBJ3D::onTexCoord(const std::string& keyword, const std::string& line) {
    if (parse(objPatterns, keyword, line)) mesh->addTexCoord(number(1), number(2));
    return 0;
}

int32_t OBJ3D::onUsemtl(const std::string& keyword, const std::string& line) {
    if (parse(objPatterns, keyword, line)) currentMaterial.assign(captures.group(1));
    return 0;
}

int32_t OBJ3D::onFace(const std::string& keyword, const std::string& line) {
    if (!parse(objPatterns, keyword, line)) return 0;
    int32_t P[4] = {0, 0, 0, 0};
    int32_t T[4] = {0, 0, 0, 0};
    int32_t N[4] = {0, 0, 0, 0};
    // Field f of the three corners is in groups f, f + 3 and f + 6; one empty field of
    // a kind leaves all three indices of that kind absent.
    auto fill = [this](int32_t out[4], int first) {
        for (int corner = 0; corner < 3; ++corner)
            if (captures.group(first + 3 * corner).empty()) return;
        for (int corner = 0; corner < 3; ++corner) out[corner] = index(first + 3 * corner);
    };
    fill(P, 1);
    fill(T, 2);
    fill(N, 3);
    mesh->addFace(currentMaterial, P, T, N);
    return 0;
}
