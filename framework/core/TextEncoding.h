#pragma once

#include <cstdint>

namespace fw {

// The encodings the system meets: its own text is UTF-8, the export is Mac OS Roman.
enum class TextEncoding : std::uint8_t { UTF8, MacRoman };

namespace Encodings {
inline constexpr TextEncoding UTF8 = TextEncoding::UTF8;
inline constexpr TextEncoding MacRoman = TextEncoding::MacRoman;
}  // namespace Encodings

}  // namespace fw
