// The capture tool's options as a table: counts, frame lists with ranges, and what is refused.

#include <gtest/gtest.h>

#include "CaptureOptions.h"

namespace {

using Args = std::vector<std::string>;
using Frames = std::set<unsigned long>;

TEST(CaptureOptionsTest, ReadsCountsListsAndFlags) {
    CaptureOptions defaults;
    EXPECT_EQ(parseCaptureOptions({}, defaults), "");
    EXPECT_EQ(defaults.frames, 100u);
    EXPECT_EQ(defaults.out, ".");
    EXPECT_TRUE(defaults.save.empty());

    CaptureOptions options;
    EXPECT_EQ(parseCaptureOptions({"--frames", "7", "--save", "0,3-5,5,2", "--save", "9", "--out", "a b",
                                   "--realtime", "--window"},
                                  options),
              "");
    EXPECT_EQ(options.frames, 7u);
    EXPECT_EQ(options.save, (Frames{0, 2, 3, 4, 5, 9}));
    EXPECT_EQ(options.out, "a b");
    EXPECT_TRUE(options.realtime);
    EXPECT_TRUE(options.window);
}

TEST(CaptureOptionsTest, RefusesBadCountsListsAndFolders) {
    const std::string badList = "--save needs a list of frame numbers such as 0,10,95-99";
    const std::string badCount = "--frames needs a frame count of at least 1";
    const struct { Args args; std::string message; } cases[] = {
        {{"--frames"}, badCount},
        {{"--frames", "0"}, badCount},
        {{"--frames", "-1"}, badCount},
        {{"--frames", "12x"}, badCount},
        {{"--save"}, badList},
        {{"--save", ""}, badList},
        {{"--save", "1,"}, badList},
        {{"--save", "5-3"}, badList},
        {{"--save", "3-"}, badList},
        {{"--save", "0-1000001"}, badList},  // a range that would fill the memory
        {{"--out"}, "--out needs a folder"},
        {{"--out", ""}, "--out needs a folder"},
        {{"--bogus"}, "unknown argument --bogus"},
    };
    for (const auto& c : cases) {
        CaptureOptions options;
        EXPECT_EQ(parseCaptureOptions(c.args, options), c.message) << ::testing::PrintToString(c.args);
    }
}

}  // namespace
