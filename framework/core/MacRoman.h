#pragma once

#include <string>
#include <string_view>

namespace fw::macroman {

// Mac OS Roman after the Unicode consortium's mapping table; every byte is a character.
std::string ToUTF8(std::string_view bytes);

// Whether every byte is below 0x80, where Mac OS Roman and UTF-8 are the same.
bool IsASCII(std::string_view bytes);

// Characters that Mac OS Roman cannot hold become "?".
std::string FromUTF8(std::string_view text);

}  // namespace fw::macroman
