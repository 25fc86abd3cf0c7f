#include "base/Regex.h"

#include "base/Error.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The number sub-pattern of the OBJ loader: its alternatives must be tried in order.
const std::string kNumber = "([-]*[0-9]+\\.[0-9]+[eE]{1}[-+]?[0-9]+|[-]*[0-9]+\\.[0-9]+|[-]*[0-9]+)";
}  // namespace

TEST(RegexTest, AlternativesAreTriedLeftToRightAndTheFirstMatchWins) {
    const Regex number("^" + kNumber);
    RegexMatch m;
    ASSERT_TRUE(number.match("1.5e3 rest", m));
    EXPECT_EQ(m.group(1), "1.5e3");
    ASSERT_TRUE(number.match("1.5 rest", m));
    EXPECT_EQ(m.group(1), "1.5");
    // No longest-match rule: "1e5" stops at the integer alternative.
    ASSERT_TRUE(number.match("1e5", m));
    EXPECT_EQ(m.group(1), "1");
    ASSERT_TRUE(number.match("--7.25", m));
    EXPECT_EQ(m.group(1), "--7.25");
    EXPECT_FALSE(number.match(".5", m));
    EXPECT_FALSE(number.match("+1", m));
    // Left-to-right alternation, not POSIX leftmost-longest.
    ASSERT_TRUE(Regex("^(a|ab)").match("abc", m));
    EXPECT_EQ(m.group(1), "a");
}

TEST(RegexTest, CaretAnchorsAtTheStartOnly) {
    const Regex vertex("^v\\s+" + kNumber);
    RegexMatch m;
    EXPECT_FALSE(vertex.match(" v 1", m));
    EXPECT_FALSE(vertex.match("x\nv 1", m));
    ASSERT_TRUE(vertex.match("v \t 3 4", m));
    EXPECT_EQ(m.group(0), "v \t 3");
    // Without "^" the first match anywhere is found.
    ASSERT_TRUE(Regex("[0-9]+").match("ab12cd345", m));
    EXPECT_EQ(m.group(0), "12");
}

TEST(RegexTest, UnmatchedAndMissingGroupsAreEmpty) {
    const Regex corner("^f\\s+([0-9]*)/([0-9]*)/([0-9]*)");
    RegexMatch m;
    ASSERT_TRUE(corner.match("f 1//3", m));
    EXPECT_EQ(m.group(1), "1");
    EXPECT_EQ(m.group(2), "");
    EXPECT_EQ(m.group(3), "3");
    EXPECT_EQ(m.group(4), "");
    EXPECT_EQ(m.group(-1), "");
    ASSERT_TRUE(Regex("^(x)|(y)").match("y", m));
    EXPECT_EQ(m.group(1), "");
    EXPECT_EQ(m.group(2), "y");
    EXPECT_EQ(corner.groupCount(), 3);
}

TEST(RegexTest, CaseInsensitiveAttributeAndDollar) {
    const Regex png(".png$", true);
    EXPECT_TRUE(png.found("font.PNG"));
    EXPECT_TRUE(png.found("font_pNg"));  // the dot is any character
    EXPECT_FALSE(png.found("font.png.bak"));
    EXPECT_FALSE(Regex(".png$").found("font.PNG"));
}

TEST(RegexTest, ManyCapturesGrowTheMatchData) {
    std::string pattern, subject;
    for (int i = 0; i < 40; ++i) {
        pattern += "(\\d)";
        subject += std::to_string(i % 10);
    }
    RegexMatch m;
    ASSERT_TRUE(Regex(pattern).match(subject, m));
    EXPECT_EQ(m.group(40), "9");
    EXPECT_EQ(m.group(41), "");
}

TEST(RegexTest, LongLinesMatchWithoutOverflowingTheStack) {
    const Regex vertex("^v\\s+" + kNumber + "\\s+" + kNumber + "\\s+" + kNumber);
    const Regex word("^(\\S+)");
    RegexMatch m;
    const std::string digits(1'000'000, '1');
    const std::string line = "v 0." + digits + " 2 3";
    ASSERT_TRUE(vertex.match(line, m));
    EXPECT_EQ(m.group(1).size(), digits.size() + 2);
    EXPECT_EQ(m.group(3), "3");
    EXPECT_FALSE(vertex.match("v 1.5e" + digits + "x", m));
    const std::string words = digits + " tail";
    ASSERT_TRUE(word.match(words, m));
    EXPECT_EQ(m.group(1).size(), digits.size());
    // Nested groups over a long subject need the heap-backed fallback.
    const Regex nested("^((a|b)+)+c");
    const std::string ab = std::string(200'000, 'a') + "c";
    ASSERT_TRUE(nested.match(ab, m));
    EXPECT_EQ(m.group(0).size(), ab.size());
}

TEST(RegexTest, BinarySubjectsAreBytes) {
    const std::string subject("\0\xff\x80 v", 5);
    RegexMatch m;
    ASSERT_TRUE(Regex("^(\\S+)").match(subject, m));
    EXPECT_EQ(m.group(1), std::string("\0\xff\x80", 3));
}

TEST(RegexTest, BadPatternRaisesError) {
    try {
        Regex bad("(unclosed");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Regex: missing closing parenthesis at offset 9 in (unclosed");
    }
}
