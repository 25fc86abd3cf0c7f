#include "glload/glut.h"

#include "win/writek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// A stand-in driver: answers every name it offers with a distinct non-null address and
// records the names it was asked for, in order.
std::set<std::string> offered;
std::vector<std::string> asked;
char addresses[1];

PROC WINAPI fakeQuery(LPCSTR name) {
    asked.emplace_back(name);
    return offered.count(name) ? reinterpret_cast<PROC>(&addresses) : nullptr;
}

// Every entry point of the list, by group version.
std::vector<std::pair<std::string, std::vector<std::string>>> groups() {
    std::vector<std::pair<std::string, std::vector<std::string>>> result;
#define TEST_GROUP(code, version) result.push_back({version, {}});
#define TEST_ENTRY(type, name, params) result.back().second.push_back(#name);
    GL_ENTRY_POINTS(TEST_GROUP, TEST_ENTRY)
#undef TEST_GROUP
#undef TEST_ENTRY
    return result;
}

void offerGroups(std::initializer_list<std::string> versions) {
    for (const auto& [version, names] : groups())
        for (const std::string& v : versions)
            if (v == version) offered.insert(names.begin(), names.end());
}

class GlutTest : public testing::Test {
protected:
    void SetUp() override {
        offered.clear();
        asked.clear();
        glut::setProcAddressQuery(fakeQuery);
        setWritekSink([this](const std::string& line) { trace.push_back(line); });
        // Start every case from null variables, as at process start.
        offerGroups({});
#define RESET_GROUP(code, version)
#define RESET_ENTRY(type, name, params) glut::name = nullptr;
        GL_ENTRY_POINTS(RESET_GROUP, RESET_ENTRY)
#undef RESET_GROUP
#undef RESET_ENTRY
    }
    void TearDown() override {
        glut::setProcAddressQuery(nullptr);
        setWritekSink(nullptr);
    }
    std::vector<std::string> trace;
};

}  // namespace

TEST_F(GlutTest, TheVersionIsTheNewestWholeGroup) {
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x1000);  // only GL 1.1
    EXPECT_EQ(trace.back(), "not accept GL_VERSION 2.1\n");
    asked.clear();
    offerGroups({"1.2", "1.3", "1.4", "1.5", "2.0", "2.1"});
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x2100);
    bool allSet = true;
#define CHECK_GROUP(code, version)
#define CHECK_ENTRY(type, name, params) allSet = allSet && glut::name != nullptr;
    GL_ENTRY_POINTS(CHECK_GROUP, CHECK_ENTRY)
#undef CHECK_GROUP
#undef CHECK_ENTRY
    EXPECT_TRUE(allSet);
    EXPECT_EQ(trace.back(), "accept GL_VERSION 2.1\n");
}

TEST_F(GlutTest, AGapInOneGroupDoesNotHoldBackANewerOne) {
    offerGroups({"1.2", "1.3", "1.4"});
    offered.erase("glMultTransposeMatrixd");
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x1400);
    EXPECT_NE(glut::glLoadTransposeMatrixf, nullptr);  // before the gap
    EXPECT_EQ(glut::glMultTransposeMatrixd, nullptr);
    EXPECT_EQ(glut::glMultiTexCoord1d, nullptr);  // after it: never asked
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "glMultiTexCoord1d"), 0);
    EXPECT_NE(glut::glWindowPos3sv, nullptr);
    EXPECT_EQ(trace[1], "not accept GL_VERSION 1.3\n");
    EXPECT_EQ(trace[2], "accept GL_VERSION 1.4\n");
}
