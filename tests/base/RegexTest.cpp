#include "base/Regex.h"

#include "base/Error.h"

#include <gtest/gtest.h>

#include <string>

// The loaders' expectations of a match: the first alternative that matches (not the
// longest), "^" at the subject's start only, "$" at its end or before a final line feed,
// case by default, captures that took no part or do not exist read empty, bytes of any value.
// (The image names' patterns, caseless, are ImageTest's.)
TEST(RegexTest, MatchesAndCapturesAsTheLoadersExpect) {
    std::string twentyGroups;
    for (int i = 0; i < 20; ++i) twentyGroups += "(.)";
    const struct {
        std::string pattern;
        bool caseInsensitive;
        std::string subject;
        bool matches;
        int group;
        std::string captured;
    } cases[] = {
        {".png$", false, "img_data/FONT.PNG", false, 0, ""},
        {".png$", true, "font.png\n", true, 0, ".png"},
        {"^(a|ab)", false, "abc", true, 1, "a"},
        {"^[0-9]+", false, "x\n12", false, 0, ""},
        {"^(x)|(y)", false, "y", true, 1, ""},
        {"^(x)|(y)", false, "y", true, 3, ""},
        {"^(\\S+)", false, std::string("\0\xff\x80 v", 5), true, 1, std::string("\0\xff\x80", 3)},
        {twentyGroups, false, "abcdefghijklmnopqrstuvwxyz", true, 20, "t"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern + " on " + c.subject);
        RegexMatch m;
        ASSERT_EQ(Regex(c.pattern, c.caseInsensitive).match(c.subject, m), c.matches);
        EXPECT_EQ(m.group(c.group), c.captured);
        EXPECT_EQ(Regex(c.pattern, c.caseInsensitive).found(c.subject), c.matches);
    }
    // A subject beyond the JIT stack is matched by the interpreter, not refused.
    EXPECT_TRUE(Regex("^((a|b)+)+c").found(std::string(200'000, 'a') + "c"));
    EXPECT_THROW(Regex("(unclosed"), Error);
}
