#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Walking UTF-8 text by characters. A byte that does not begin a well-formed sequence
// counts as one character of its own, so every text, however broken, can be walked.
namespace fw::utf8 {

inline constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// The length in bytes of the character that starts at `at`.
std::size_t CharLength(std::string_view text, std::size_t at);

// The code point of the character at `at` (the replacement character for a broken one).
std::uint32_t DecodeAt(std::string_view text, std::size_t at);

void Append(std::string& out, std::uint32_t codePoint);

// The byte offset of the character with the 0-based index `index`, or the text's size
// when it has fewer characters.
std::size_t OffsetOfChar(std::string_view text, std::size_t index);

std::size_t CharCount(std::string_view text);

}  // namespace fw::utf8
