#include "base/Regex.h"

#include "base/Error.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The number sub-pattern of the OBJ loader: its alternatives must be tried in order.
const std::string kNumber = "([-]*[0-9]+\\.[0-9]+[eE]{1}[-+]?[0-9]+|[-]*[0-9]+\\.[0-9]+|[-]*[0-9]+)";
}  // namespace

TEST(RegexTest, AlternativesInOrderAnchorsAndGroups) {
    const struct {
        std::string pattern, subject;
        bool matches;
        int group;
        std::string captured;
    } cases[] = {
        {"^" + kNumber, "1.5e3 rest", true, 1, "1.5e3"},
        {"^" + kNumber, "1e5", true, 1, "1"},  // the first alternative that matches, not the longest
        {"^" + kNumber, "--7.25", true, 1, "--7.25"},
        {"^" + kNumber, ".5", false, 0, ""},
        {"^(a|ab)", "abc", true, 1, "a"},
        {"^v\\s+" + kNumber, " v 1", false, 0, ""},
        {"^v\\s+" + kNumber, "x\nv 1", false, 0, ""},
        {"[0-9]+", "ab12cd345", true, 0, "12"},
        {"^f\\s+([0-9]*)/([0-9]*)/([0-9]*)", "f 1//3", true, 2, ""},
        {"^f\\s+([0-9]*)/([0-9]*)/([0-9]*)", "f 1//3", true, 4, ""},  // no such group
        {"^(x)|(y)", "y", true, 2, "y"},
        {"^(\\S+)", std::string("\0\xff\x80 v", 5), true, 1, std::string("\0\xff\x80", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern + " on " + c.subject);
        RegexMatch m;
        ASSERT_EQ(Regex(c.pattern).match(c.subject, m), c.matches);
        if (c.matches) EXPECT_EQ(m.group(c.group), c.captured);
    }
    EXPECT_TRUE(Regex(".png$", true).found("font_PNG"));
    EXPECT_FALSE(Regex(".png$", true).found("font.png.bak"));
    EXPECT_FALSE(Regex(".png$").found("font.PNG"));
    EXPECT_THROW(Regex("(unclosed"), Error);
}

TEST(RegexTest, LongLinesAndManyGroupsMatchWithoutOverflowing) {
    const Regex vertex("^v\\s+" + kNumber + "\\s+" + kNumber + "\\s+" + kNumber);
    RegexMatch m;
    const std::string digits(1'000'000, '1');
    ASSERT_TRUE(vertex.match("v 0." + digits + " 2 3", m));
    EXPECT_EQ(m.group(1).size(), digits.size() + 2);
    EXPECT_EQ(m.group(3), "3");
    const std::string ab = std::string(200'000, 'a') + "c";
    ASSERT_TRUE(Regex("^((a|b)+)+c").match(ab, m));
    EXPECT_EQ(m.group(0).size(), ab.size());
    std::string pattern, subject;
    for (int i = 0; i < 40; ++i) {
        pattern += "(\\d)";
        subject += std::to_string(i % 10);
    }
    ASSERT_TRUE(Regex(pattern).match(subject, m));
    EXPECT_EQ(m.group(40), "9");
}
