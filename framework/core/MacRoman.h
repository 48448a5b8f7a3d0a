#pragma once

#include <string>
#include <string_view>

namespace fw::macroman {

// Mac OS Roman after the Unicode consortium's mapping table; every byte is a character.
std::string ToUTF8(std::string_view bytes);

// How many bytes more than one the byte takes in UTF-8: none for ASCII, one or two for
// the others.
std::size_t ExtraUTF8Bytes(unsigned char byte);

// The size in bytes of the same text in UTF-8; the text's own size when it is all ASCII,
// where Mac OS Roman and UTF-8 are the same.
std::size_t UTF8Size(std::string_view bytes);

// Turns the bytes into UTF-8 within their own string: a string whose capacity holds the
// UTF-8 size (see UTF8Size) is not allocated anew.
void ToUTF8InPlace(std::string& bytes);

// Characters that Mac OS Roman cannot hold become "?".
std::string FromUTF8(std::string_view text);

}  // namespace fw::macroman
