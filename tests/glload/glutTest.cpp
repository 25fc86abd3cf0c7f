#include "glload/glut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

// A stand-in driver: answers every name it offers with a non-null address.
std::set<std::string> offered;
char address[1];

PROC WINAPI fakeQuery(LPCSTR name) { return offered.count(name) ? reinterpret_cast<PROC>(&address) : nullptr; }

// Offers every entry point of the groups of the versions given, but one.
void offer(std::initializer_list<std::string> versions, const std::string& missing) {
    offered.clear();
    std::string group;
#define OFFER_GROUP(code, version) group = version;
#define OFFER_ENTRY(type, name, params) \
    if (std::count(versions.begin(), versions.end(), group) && missing != #name) offered.insert(#name);
    GL_ENTRY_POINTS(OFFER_GROUP, OFFER_ENTRY)
#undef OFFER_GROUP
#undef OFFER_ENTRY
}

}  // namespace

// The version is that of the newest group found whole; a gap stops only its own group.
TEST(GlutTest, TheVersionIsTheNewestWholeGroup) {
    glut::setProcAddressQuery(fakeQuery);
    const struct {
        std::initializer_list<std::string> versions;
        const char* missing;
        int version;
    } cases[] = {
        {{}, "", 0x1000},
        {{"1.2", "1.3", "1.4", "1.5", "2.0", "2.1"}, "", 0x2100},
        {{"1.2"}, "glTexImage3D", 0x1000},
    };
    for (const auto& c : cases) {
        offer(c.versions, c.missing);
        EXPECT_EQ(glut::loadGLEntryPoints(), c.version) << c.missing;
    }
    glut::glLoadTransposeMatrixf = nullptr;
    glut::glWindowPos3sv = nullptr;
    offer({"1.2", "1.3", "1.4"}, "glMultTransposeMatrixd");
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x1400);
    EXPECT_NE(glut::glLoadTransposeMatrixf, nullptr);  // before the gap
    EXPECT_NE(glut::glWindowPos3sv, nullptr);          // in the newer group after it
    glut::setProcAddressQuery(nullptr);
}
