#pragma once

#include <string>
#include <string_view>

namespace fw::macroman {

// How many bytes more than one the byte takes in UTF-8: none for ASCII, one or two for
// the others.
std::size_t ExtraUTF8Bytes(unsigned char byte);

// Appends the bytes, decoded after the Unicode consortium's mapping table (every byte is
// a character), to UTF-8 text.
void AppendUTF8(std::string& out, std::string_view bytes);

}  // namespace fw::macroman
