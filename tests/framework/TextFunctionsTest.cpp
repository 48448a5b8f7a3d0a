#include "framework/core/TextFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"

namespace {

using fw::String;

// Characters of one, two, three and four bytes, so that byte counts and character
// counts differ everywhere.
const std::string kText = "aä€◊😀b";  // 1 + 2 + 3 + 3 + 4 + 1 bytes, 6 characters

TEST(LeftTest, CountsCharacters) {
    struct Case {
        int count;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {-1, ""}, {0, ""}, {1, "a"}, {2, "aä"}, {3, "aä€"}, {5, "aä€◊😀"}, {6, kText}, {100, kText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(fw::Left(kText, c.count).Bytes(), c.expected);
    }
}

TEST(MidTest, CountsCharactersFromOne) {
    struct Case {
        int start, count;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {1, 1, "a"},      {2, 1, "ä"},     {3, 2, "€◊"},       {5, 1, "😀"},      {6, 1, "b"},
        {0, 2, "aä"},     {-5, 2, "aä"},   {2, 0, ""},         {4, 100, "◊😀b"},  {4, -1, "◊😀b"},
        {1, -7, kText},   {7, 1, ""},      {100, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + ", " + std::to_string(c.count));
        EXPECT_EQ(fw::Mid(kText, c.start, c.count).Bytes(), c.expected);
    }
}

TEST(InStrTest, GivesCharacterPositions) {
    struct Case {
        int start;
        std::string text, find;
        int expected;
    };
    const std::vector<Case> cases = {
        {0, kText, "a", 1},     {1, kText, "a", 1},     {0, kText, "ä", 2},    {0, kText, "◊", 4},
        {0, kText, "😀", 5},    {0, kText, "b", 6},     {0, kText, "€◊", 3},   {0, kText, "x", 0},
        {0, kText, "", 0},      {0, "", "a", 0},        {-3, kText, "ä", 2},   {3, kText, "ä", 0},
        {6, kText, "b", 6},     {7, kText, "b", 0},     {100, kText, "b", 0},  {2, "◊a◊a", "◊", 3},
        {4, "◊a◊a", "a", 4},    {0, "Abc", "a", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + ", \"" + c.text + "\", \"" + c.find + "\"");
        EXPECT_EQ(fw::InStr(c.start, c.text, c.find), c.expected);
    }
}

TEST(InStrTest, PositionAgreesWithMidAndLeft) {
    // A value is cut with Mid up to the position InStr found: all three must count alike.
    const String line = "Müller◊Köln€;Rest";
    const int at = fw::InStr(0, line, ";");
    EXPECT_EQ(fw::Left(line, at - 1).Bytes(), "Müller◊Köln€");
    EXPECT_EQ(fw::Mid(line, at + 1, -1).Bytes(), "Rest");
    EXPECT_EQ(fw::Mid(line, at, 1).Bytes(), ";");
}

TEST(ReplaceTest, ReplacesTheFirstOccurrenceOnly) {
    struct Case {
        std::string text, find, replacement, expected;
    };
    const std::vector<Case> cases = {
        {"a◊b◊c", "◊", "\n", "a\nb◊c"},
        {"◊◊", "◊", "", "◊"},
        {"abc", "x", "y", "abc"},
        {"abc", "", "y", "abc"},
        {"", "a", "y", ""},
        {"aaa", "aa", "b", "ba"},
        {"Grüße", "ü", "ue", "Grueße"},
        {"abc", "abc", "€€", "€€"},
        {"ABC", "b", "x", "ABC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.find);
        EXPECT_EQ(fw::Replace(c.text, c.find, c.replacement).Bytes(), c.expected);
    }
}

// Against the loop it stands for: replace the first occurrence, search again from the
// start, until none is left.
TEST(ReplaceUntilGoneTest, GivesWhatRepeatedReplacingGives) {
    struct Case {
        std::string text, find, replacement, expected;
        int turns;
    };
    const std::vector<Case> cases = {
        {"abc", "◊", "\n", "abc", 0},
        {"", "◊", "\n", "", 0},
        {"a◊b◊◊c", "◊", "\n", "a\nb\n\nc", 3},
        {"◊x◊", "◊", "\n", "\nx\n", 2},
        {"◊◊◊", "◊", "", "", 3},
        {"abc", "", "x", "abc", 0},
        {"aaaa", "aa", "b", "bb", 2},
        // A replacement that forms a new occurrence with its neighbours: found again.
        {"aabb", "ab", "a", "aa", 2},
        {"xaab", "ab", "b", "xb", 2},
        // Whatever "◊" it forms with what stands beside it is replaced as well.
        {"\xE2\x97◊\x8A", "◊", "\x8A", "\x8A\x8A", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " / " + c.find + " / " + testing::PrintToString(c.replacement));
        int turns = 0;
        EXPECT_EQ(fw::ReplaceUntilGone(c.text, c.find, c.replacement, [&] { ++turns; }).Bytes(), c.expected);
        EXPECT_EQ(turns, c.turns);
    }
}

TEST(FormatTest, RoundsHalfAwayFromZero) {
    struct Case {
        double value;
        std::string pattern, expected;
    };
    const std::vector<Case> cases = {
        {0.5, "#", "1"},      {1.5, "#", "2"},       {2.5, "#", "3"},        {-0.5, "#", "-1"},
        {-1.5, "#", "-2"},    {-2.5, "#", "-3"},     {0.4999, "#", "0"},     {-0.4, "#", "0"},
        {0.0, "#", "0"},      {-0.0, "#", "0"},      {1234.49, "#", "1234"}, {7.0, "00", "07"},
        {12.0, "00", "12"},   {123.0, "00", "123"},  {0.0, "00", "00"},      {-3.0, "00", "-03"},
        {-0.2, "00", "00"},   {5.0, "", "5"},        {9.5, "##0", "10"},
        {1e20, "#", "100000000000000000000"},        {-1e20, "#", "-100000000000000000000"},
        // Either side of 2^53, where whole numbers stop being written as integers.
        {9007199254740991.0, "#", "9007199254740991"},  {9007199254740992.0, "#", "9007199254740992"},
        {-9007199254740994.0, "#", "-9007199254740994"}, {4503599627370495.5, "#", "4503599627370496"},
        // The amounts come from DM divided by 1.95583.
        {1955.83 / 1.95583, "#", "1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " \"" + c.pattern + "\"");
        EXPECT_EQ(fw::Format(c.value, c.pattern).Bytes(), c.expected);
    }
}

TEST(FormatTest, RefusesPatternsItCannotWrite) {
    EXPECT_THROW(fw::Format(1.0, "#,##0.00"), fw::RuntimeException);
}

TEST(ValTest, ReadsTheLeadingNumber) {
    struct Case {
        std::string text;
        double expected;
    };
    const std::vector<Case> cases = {
        {"12", 12},        {"12abc", 12},    {"1.5.3", 1.5},  {"-3", -3},      {"+4", 4},
        {"1,5", 1},        {"  7", 7},       {"\t8", 8},      {" -2.25x", -2.25}, {".5", 0.5},
        {"5.", 5},         {"-.5", -0.5},    {"abc", 0},      {"", 0},         {".", 0},
        {"-", 0},          {"- 3", 0},       {"1e3", 1},      {"0012", 12},    {"x12", 0},
        {"1955.83", 1955.83},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_DOUBLE_EQ(fw::Val(c.text), c.expected);
    }
}

TEST(ValTest, NumbersBeyondTheRangeOfADouble) {
    EXPECT_EQ(fw::Val(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(fw::Val("-" + std::string(400, '9')), -HUGE_VAL);
    // Far too small to tell from zero: that is zero, not infinity.
    EXPECT_EQ(fw::Val("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(fw::Val("-0." + std::string(400, '0') + "1"), 0.0);
}

TEST(TrimTest, RemovesUnicodeWhiteSpaceAtBothEnds) {
    struct Case {
        std::string text, expected;
    };
    const std::vector<Case> cases = {
        {"  a b  ", "a b"},
        {"\t\r\na\r\n", "a"},
        {"\u00A0Köln\u00A0", "Köln"},
        {"\u3000x\u3000", "x"},
        {"\u2003\u202Fx\u205F\u2028", "x"},
        {"a\u00A0\tb", "a\u00A0\tb"},
        {" \t\u00A0 ", ""},
        {"", ""},
        {"€", "€"},
        {" ◊ ", "◊"},
        {"\t\u2003\tx", "x"},
        // A zero-width space is no white space.
        {"\u200Bx\u200B", "\u200Bx\u200B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(fw::Trim(c.text).Bytes(), c.expected);
    }
}

// The end is found going backwards; broken sequences must end where a walk from the
// start puts them.
TEST(TrimTest, BrokenBytesAtTheEndAreCharactersOfTheirOwn) {
    struct Case {
        std::string text, expected;
    };
    const std::vector<Case> cases = {
        {"xä\u00A0\u2003", "xä"},
        {"x\xC2", "x\xC2"},
        // C2 A0 is a no-break space, the lone A0 after it no white space.
        {"x\xC2\xA0\xA0", "x\xC2\xA0\xA0"},
        // E2 cannot begin a sequence with C2, so it stands alone before the no-break space.
        {"x\xE2\xC2\xA0", "x\xE2"},
        {"\xA0\xC2\xA0 ", "\xA0"},
        {"\u00A0\u00A0", ""},
        // The same at the start: a lone continuation byte after a blank is no white space.
        {" \xA0x", "\xA0x"},
        {"\xC2\xA0\xC2x", "\xC2x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(fw::Trim(c.text).Bytes(), c.expected);
    }
}

TEST(ChrTest, GivesTheCharacterOfACodePoint) {
    struct Case {
        std::uint32_t codePoint;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {10, "\n"}, {13, "\r"}, {65, "A"}, {0xE4, "ä"}, {0x20AC, "€"}, {0x25CA, "◊"}, {0x1F600, "😀"},
        {0xD800, "\uFFFD"}, {0x110000, "\uFFFD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePoint);
        EXPECT_EQ(fw::Chr(c.codePoint).Bytes(), c.expected);
    }
}

TEST(StrTest, WritesPlainDecimals) {
    EXPECT_EQ(fw::Str(0).Bytes(), "0");
    EXPECT_EQ(fw::Str(-42).Bytes(), "-42");
    EXPECT_EQ(fw::Str(INT64_MAX).Bytes(), "9223372036854775807");
}

TEST(ConvertEncodingTest, TextIsHeldInUtf8Only) {
    EXPECT_EQ(fw::ConvertEncoding("Grüße €", fw::Encodings::UTF8).Bytes(), "Grüße €");
    EXPECT_THROW(fw::ConvertEncoding("Grüße", fw::Encodings::MacRoman), fw::RuntimeException);
}

}  // namespace
