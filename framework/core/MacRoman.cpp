#include "framework/core/MacRoman.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "framework/core/Utf8.h"

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

static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");

constexpr std::uint64_t kHighBits = 0x8080808080808080;

bool IsASCIIWord(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return !(word & kHighBits);
}

// Decodes the first `read` bytes of `text` into its first `write` bytes, their UTF-8 size.
// It goes backwards from the end, so every byte is read before its place is written: the
// UTF-8 of the bytes before any position never ends before that position.
void ExpandBackwards(char* text, std::size_t read, std::size_t write) {
    constexpr std::size_t kWord = sizeof(std::uint64_t);
    // Once both meet, everything before is ASCII and in its place already.
    while (write > read) {
        if (read >= kWord && IsASCIIWord(text + read - kWord)) {
            std::uint64_t word;
            std::memcpy(&word, text + read - kWord, kWord);
            read -= kWord;
            write -= kWord;
            std::memcpy(text + write, &word, kWord);
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[--read]);
        if (byte < 0x80) {
            text[--write] = static_cast<char>(byte);
            continue;
        }
        const auto& sequence = kSequences[byte - 0x80];
        write -= sequence.length;
        std::memcpy(text + write, sequence.bytes, sequence.length);
    }
}

// The extra bytes of the bytes of `word` whose high bits are set in `highBits`.
std::size_t ExtraUTF8BytesInWord(std::uint64_t word, std::uint64_t highBits) {
    std::size_t extra = 0;
    for (; highBits != 0; highBits &= highBits - 1) {
        extra += ExtraUTF8Bytes(static_cast<unsigned char>(word >> (std::countr_zero(highBits) & ~7)));
    }
    return extra;
}

}  // namespace

std::size_t ExtraUTF8Bytes(unsigned char byte) { return byte < 0x80 ? 0 : kSequences[byte - 0x80].length - 1u; }

std::string ToUTF8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    std::size_t run = 0;  // start of the pending run of ASCII bytes
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) continue;
        out.append(bytes, run, i - run);
        const auto& sequence = kSequences[byte - 0x80];
        out.append(sequence.bytes, sequence.length);
        run = i + 1;
    }
    out.append(bytes, run, bytes.size() - run);
    return out;
}

// Eight bytes at a time: the loader asks this of every line, and most of a line is ASCII.
std::size_t UTF8Size(std::string_view bytes) {
    std::size_t size = bytes.size();
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= bytes.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        size += ExtraUTF8BytesInWord(word, word & kHighBits);
    }
    for (; at < bytes.size(); ++at) size += ExtraUTF8Bytes(static_cast<unsigned char>(bytes[at]));
    return size;
}

void ToUTF8InPlace(std::string& bytes) {
    const std::size_t size = bytes.size();
    const std::size_t utf8Size = UTF8Size(bytes);
    if (utf8Size == size) return;
    if (utf8Size > bytes.capacity()) {
        bytes = ToUTF8(bytes);
        return;
    }
    bytes.resize(utf8Size);
    ExpandBackwards(bytes.data(), size, utf8Size);
}

std::string FromUTF8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); at += utf8::CharLength(text, at)) {
        const auto codePoint = utf8::DecodeAt(text, at);
        if (codePoint < 0x80) {
            out += static_cast<char>(codePoint);
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
            if (kUpperHalf[i] == codePoint) mapped = static_cast<char>(0x80 + i);
        }
        out += mapped;
    }
    return out;
}

}  // namespace fw::macroman
