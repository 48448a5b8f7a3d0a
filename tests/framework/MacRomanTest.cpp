#include "framework/core/MacRoman.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Decoded(const std::string& bytes) {
    std::string utf8;
    fw::macroman::AppendUTF8(utf8, bytes);
    return utf8;
}

std::string Hex(int byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// glibc's own converter, as an independent reading of the encoding.
std::string IconvToUtf8(char byte) {
    const iconv_t converter = iconv_open("UTF-8", "MACINTOSH");
    if (converter == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
    char in[1] = {byte};
    char out[8];
    char* inAt = in;
    char* outAt = out;
    std::size_t inLeft = sizeof in, outLeft = sizeof out;
    const std::size_t result = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) return "<not convertible>";
    return std::string(out, outAt);
}

TEST(MacRomanTest, DecodesTheCharactersOfGermanText) {
    struct Case {
        char byte;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {'\x8A', "ä"}, {'\x9A', "ö"}, {'\x9F', "ü"}, {'\x80', "Ä"}, {'\x85', "Ö"}, {'\x86', "Ü"},
        {'\xA7', "ß"}, {'\xDB', "€"}, {'\xD7', "◊"}, {'\xCA', "\u00A0"}, {'\xC6', "\u2206"},
        {'\xF0', "\uF8FF"}, {'\xD2', "“"}, {'\xE3', "„"}, {'\xA4', "§"}, {'\xD0', "–"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(static_cast<unsigned char>(c.byte)));
        EXPECT_EQ(Decoded(std::string(1, c.byte)), c.expected);
    }
}

TEST(MacRomanTest, AgreesWithIconvExceptForTheTwoKnownBytes) {
    // glibc reads 0xC6 as U+0394 and 0xF0 as a private character of its own; Unicode's
    // table has U+2206 and U+F8FF there.
    std::set<int> differences;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (Decoded(std::string(1, c)) != IconvToUtf8(c)) differences.insert(byte);
    }
    EXPECT_EQ(differences, (std::set<int>{0xC6, 0xF0}));
}

TEST(MacRomanTest, EveryByteIsACharacterOfItsOwn) {
    std::set<std::string> characters;
    for (int byte = 0; byte < 256; ++byte) characters.insert(Decoded(std::string(1, static_cast<char>(byte))));
    EXPECT_EQ(characters.size(), 256u);
}

TEST(MacRomanTest, DecodesAsciiRunsBetweenOtherBytes) {
    EXPECT_EQ(Decoded(""), "");
    EXPECT_EQ(Decoded("M\x9Fller; 12,50 \xDB\xD7zweite Zeile"), "Müller; 12,50 €◊zweite Zeile");
    EXPECT_EQ(Decoded(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// Appended text is decoded eight bytes at a time where they are ASCII; every mix of runs
// and word edges must give what a byte-by-byte decode gives, after what was there.
TEST(MacRomanTest, AppendingDecodesLikeByteByByte) {
    std::string every;
    for (int byte = 0; byte < 256; ++byte) every += static_cast<char>(byte);
    const std::vector<std::string> cases = {
        "", "abc", "\x8A", "M\x9Fller", "\tabcdefgh\x8Aijklmnop", "\xD7\xD7\xD7", "\xA0\xDB\xF0 x",
        "12345678\xDB", "\xDB" "12345678", "1234567\xDB" "12345678", std::string(40, '\x8A'), every,
    };
    for (const auto& bytes : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        std::string expected = "vorher ";
        for (const char c : bytes) expected += Decoded(std::string(1, c));
        std::string appended = "vorher ";
        fw::macroman::AppendUTF8(appended, bytes);
        EXPECT_EQ(appended, expected);
    }
}

}  // namespace
