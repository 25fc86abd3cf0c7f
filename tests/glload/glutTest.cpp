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

TEST_F(GlutTest, ListHoldsTheSixGroupsInOrder) {
    const auto all = groups();
    ASSERT_EQ(all.size(), 6u);
    const std::vector<std::pair<std::string, std::size_t>> expected{{"1.2", 4}, {"1.3", 46}, {"1.4", 47},
                                                                    {"1.5", 19}, {"2.0", 93}, {"2.1", 6}};
    std::size_t total = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].first, expected[i].first);
        EXPECT_EQ(all[i].second.size(), expected[i].second) << all[i].first;
        total += all[i].second.size();
    }
    EXPECT_EQ(total, 215u);
    EXPECT_EQ(all[2].second.front(), "glBlendColor");
    EXPECT_EQ(all[0].second, (std::vector<std::string>{"glCopyTexSubImage3D", "glDrawRangeElements", "glTexImage3D",
                                                        "glTexSubImage3D"}));
}

TEST_F(GlutTest, OnlyGL11LeavesEverythingNull) {
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x1000);
    EXPECT_EQ(glut::glTexImage3D, nullptr);
    EXPECT_EQ(glut::glUseProgram, nullptr);
    // Each group stops at its first (missing) entry point.
    EXPECT_EQ(asked, (std::vector<std::string>{"glCopyTexSubImage3D", "glActiveTexture", "glBlendColor",
                                               "glBeginQuery", "glAttachShader", "glUniformMatrix2x3fv"}));
    EXPECT_EQ(trace, (std::vector<std::string>{"not accept GL_VERSION 1.2\n", "not accept GL_VERSION 1.3\n",
                                               "not accept GL_VERSION 1.4\n", "not accept GL_VERSION 1.5\n",
                                               "not accept GL_VERSION 2.0\n", "not accept GL_VERSION 2.1\n"}));
}

TEST_F(GlutTest, AllEntryPointsGive21) {
    offerGroups({"1.2", "1.3", "1.4", "1.5", "2.0", "2.1"});
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x2100);
    EXPECT_EQ(asked.size(), 215u);
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

TEST_F(GlutTest, AMissing12EntryPointStopsItsGroup) {
    offerGroups({"1.2"});
    offered.erase("glTexImage3D");
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x1000);
    EXPECT_EQ(trace[0], "not accept GL_VERSION 1.2\n");
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "glTexSubImage3D"), 0);
    EXPECT_NE(glut::glDrawRangeElements, nullptr);
}

TEST_F(GlutTest, ALaterRunOverwritesWithTheNewAnswers) {
    offerGroups({"1.2"});
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x1200);
    offered.clear();
    EXPECT_EQ(glut::loadGLEntryPoints(), 0x1000);
    // The first (missing) answer is stored; the ones after it keep their earlier values.
    EXPECT_EQ(glut::glCopyTexSubImage3D, nullptr);
    EXPECT_NE(glut::glTexSubImage3D, nullptr);
}
