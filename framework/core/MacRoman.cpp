#include "framework/core/MacRoman.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace fw::macroman {

namespace {

// The code points of the bytes 0x80 to 0xFF; below 0x80 the encoding is ASCII.
constexpr std::array<std::uint16_t, 128> kUpperHalf = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,  // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,  // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,  // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,  // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,  // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,  // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,  // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,  // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,  // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,  // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,  // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,  // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,  // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,  // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,  // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,  // F8
};

struct Utf8Sequence {
    char bytes[3];
    std::uint8_t length;
};

// Every code point of the upper half lies below U+10000, so three bytes suffice.
constexpr std::array<Utf8Sequence, 128> MakeSequences() {
    std::array<Utf8Sequence, 128> sequences{};
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        const std::uint32_t cp = kUpperHalf[i];
        auto& s = sequences[i];
        if (cp < 0x800) {
            s = {{static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0}, 2};
        } else {
            s = {{static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                  static_cast<char>(0x80 | (cp & 0x3F))},
                 3};
        }
    }
    return sequences;
}

constexpr auto kSequences = MakeSequences();

constexpr std::uint64_t kHighBits = 0x8080808080808080;

bool IsASCIIWord(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return !(word & kHighBits);
}

}  // namespace

std::size_t ExtraUTF8Bytes(unsigned char byte) { return byte < 0x80 ? 0 : kSequences[byte - 0x80].length - 1u; }

// Most of a line is ASCII, which is the same in UTF-8: runs of it are found eight bytes at
// a time and copied whole.
void AppendUTF8(std::string& out, std::string_view bytes) {
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    std::size_t run = 0;  // start of the pending run of ASCII bytes
    for (std::size_t at = 0; at < bytes.size();) {
        if (at + kWord <= bytes.size() && IsASCIIWord(bytes.data() + at)) {
            at += kWord;
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        if (byte < 0x80) continue;
        out.append(bytes, run, at - 1 - run);
        const auto& sequence = kSequences[byte - 0x80];
        out.append(sequence.bytes, sequence.length);
        run = at;
    }
    out.append(bytes, run, bytes.size() - run);
}

}  // namespace fw::macroman
