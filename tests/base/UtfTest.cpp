#include "base/Utf.h"

#include <gtest/gtest.h>

TEST(UtfTest, RoundTripsEveryPlane) {
    const std::string text = "Twistblocks \xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB2";  // é € 🎲
    const std::u16string wide = toUtf16(text);
    EXPECT_EQ(wide, u"Twistblocks \u00E9\u20AC\U0001F3B2");  // the die: a surrogate pair
    EXPECT_EQ(toUtf8(wide), text);
    EXPECT_EQ(toUtf16(""), u"");
}

TEST(UtfTest, MalformedInputBecomesReplacementCharacters) {
    const struct {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"stray continuation byte", "a\x80z", u"a\uFFFDz"},
        {"truncated sequence at the end", "a\xE2\x82", u"a\uFFFD"},
        {"overlong encoding of '/'", "\xC0\xAF", u"\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD"},
        {"invalid lead byte", "\xFF", u"\uFFFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf16(c.utf8), c.utf16) << c.name;
    // A lone surrogate in UTF-16 becomes U+FFFD in UTF-8.
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}
