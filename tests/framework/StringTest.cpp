#include "framework/core/String.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fw::String;

String MacRoman(const std::string& bytes) { return String(bytes, fw::TextEncoding::MacRoman); }

TEST(StringTest, LiteralsAreUtf8) {
    const String text = "Grüße";
    EXPECT_EQ(text.Encoding(), fw::TextEncoding::UTF8);
    EXPECT_EQ(text.Bytes(), "Grüße");
    EXPECT_EQ(text.ToUTF8(), "Grüße");
    EXPECT_TRUE(String().IsEmpty());
    EXPECT_FALSE(text.IsEmpty());
}

TEST(StringTest, MacRomanTextKeepsItsBytesUntilAskedForUtf8) {
    const String text = MacRoman("\x8A\x9A\x9F\x80\x85\x86\xA7\xDB\xD7");
    EXPECT_EQ(text.Encoding(), fw::TextEncoding::MacRoman);
    EXPECT_EQ(text.Bytes(), "\x8A\x9A\x9F\x80\x85\x86\xA7\xDB\xD7");
    EXPECT_EQ(text.ToUTF8(), "äöüÄÖÜß€◊");
}

TEST(StringTest, ComparesCharactersWhateverTheEncoding) {
    struct Case {
        String a, b;
        bool equal;
    };
    const std::vector<Case> cases = {
        {"abc", "abc", true},
        {"abc", "abd", false},
        {"abc", "ABC", false},
        {"ä", "Ä", false},
        {"", "", true},
        {"a", "", false},
        {"ab", "abc", false},
        {MacRoman("\x8A\xDB"), "ä€", true},
        {"ä€", MacRoman("\x8A\xDB"), true},
        {MacRoman("\x8A"), MacRoman("\x8A"), true},
        {MacRoman("\x8A"), "\x8A", false},
        {MacRoman("\x80"), "ä", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.a.ToUTF8() << "\" / \"" << c.b.ToUTF8() << '"');
        EXPECT_EQ(c.a == c.b, c.equal);
        EXPECT_EQ(fw::RuntimeStringCompare(c.a, c.b) == 0, c.equal);
        EXPECT_EQ(fw::RuntimeStringCompare(c.b, c.a) == 0, c.equal);
    }
}

TEST(StringTest, CompareOrdersConsistently) {
    EXPECT_LT(fw::RuntimeStringCompare("a", "b"), 0);
    EXPECT_GT(fw::RuntimeStringCompare("b", "a"), 0);
    EXPECT_LT(fw::RuntimeStringCompare("ab", "abc"), 0);
    EXPECT_LT(fw::RuntimeStringCompare("B", "a"), 0);
}

TEST(StringTest, JoiningGivesUtf8) {
    const String joined = fw::RuntimeAddString("Betrag ", MacRoman("5 \xDB"));
    EXPECT_EQ(joined.Encoding(), fw::TextEncoding::UTF8);
    EXPECT_EQ(joined.Bytes(), "Betrag 5 €");
    EXPECT_EQ((MacRoman("\x8A") + MacRoman("\x9A")).Bytes(), "äö");
    EXPECT_EQ((String("a") + String()).Bytes(), "a");
}

}  // namespace
