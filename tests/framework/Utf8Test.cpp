#include "framework/core/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace fw::utf8;

TEST(Utf8Test, WalksWellFormedCharacters) {
    struct Case {
        std::string character;
        std::uint32_t codePoint;
    };
    const std::vector<Case> cases = {
        {"a", 'a'},          {std::string(1, '\0'), 0}, {"\u007F", 0x7F},     {"ä", 0xE4},
        {"\u07FF", 0x7FF},   {"€", 0x20AC},             {"\uD7FF", 0xD7FF},   {"\uE000", 0xE000},
        {"\uFFFF", 0xFFFF},  {"😀", 0x1F600},           {"\U0010FFFF", 0x10FFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePoint);
        const std::string text = c.character + "x";
        EXPECT_EQ(CharLength(text, 0), c.character.size());
        EXPECT_EQ(DecodeAt(text, 0), c.codePoint);
        EXPECT_EQ(CharCount(text), 2u);
        std::string encoded;
        Append(encoded, c.codePoint);
        EXPECT_EQ(encoded, c.character);
    }
}

TEST(Utf8Test, EachByteOfABrokenSequenceIsACharacterOfItsOwn) {
    const std::vector<std::string> broken = {
        "\x80",              // a continuation byte alone
        "\xC3",              // cut short at the end
        "\xC3x",             // cut short before another character
        "\xC0\xAF",          // an overlong "/"
        "\xC1\xBF",          // an overlong two-byte form
        "\xE0\x80\xA0",      // an overlong space
        "\xE0\x9F\xBF",      // an overlong three-byte form
        "\xED\xA0\x80",      // a surrogate
        "\xED\xBF\xBF",      // a surrogate
        "\xF0\x80\x80\xA0",  // an overlong four-byte form
        "\xF0\x8F\xBF\xBF",  // an overlong four-byte form
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "\xF5\x80\x80\x80",  // no lead byte at all
        "\xFF",
    };
    for (const auto& text : broken) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(CharLength(text, 0), 1u);
        EXPECT_EQ(DecodeAt(text, 0), kReplacementCharacter);
        EXPECT_EQ(CharCount(text), text.size());
    }
}

TEST(Utf8Test, FindsTheOffsetOfACharacter) {
    const std::string text = "aä€😀";
    const std::vector<std::size_t> offsets = {0, 1, 3, 6, 10, 10};
    for (std::size_t index = 0; index < offsets.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(OffsetOfChar(text, index), offsets[index]);
    }
    EXPECT_EQ(CharCount(""), 0u);
}

TEST(Utf8Test, AppendReplacesWhatIsNoCharacter) {
    for (const std::uint32_t codePoint : {0xD800u, 0xDFFFu, 0x110000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(codePoint);
        std::string out;
        Append(out, codePoint);
        EXPECT_EQ(out, "\uFFFD");
    }
}

}  // namespace
