#include "framework/core/LineScan.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "framework/core/MacRoman.h"

namespace fw {

namespace {

static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");

constexpr std::uint64_t kLowBits = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;
constexpr std::size_t kWord = sizeof(std::uint64_t);

// The high bit of every zero byte; above the lowest one a borrow may mark more, so only
// the lowest mark is sure, and only the lowest is used.
std::uint64_t ZeroBytes(std::uint64_t word) { return (word - kLowBits) & ~word & kHighBits; }

std::uint64_t LineEndBytes(std::uint64_t word) {
    return ZeroBytes(word ^ (kLowBits * '\r')) | ZeroBytes(word ^ (kLowBits * '\n'));
}

LineScan ScanBytewise(std::string_view bytes, std::size_t from, std::size_t extra) {
    for (std::size_t at = from; at < bytes.size(); ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte == '\r' || byte == '\n') return {at, at + extra};
        extra += macroman::ExtraUTF8Bytes(byte);
    }
    return {bytes.size(), bytes.size() + extra};
}

}  // namespace

LineScan ScanToLineEnd(std::string_view bytes) {
    std::size_t extra = 0;
    std::size_t at = 0;
    for (; at + kWord <= bytes.size(); at += kWord) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, kWord);
        const std::uint64_t ends = LineEndBytes(word);
        if (ends == 0) {
            extra += macroman::ExtraUTF8BytesInWord(word, word & kHighBits);
            continue;
        }
        const auto endByte = static_cast<std::size_t>(std::countr_zero(ends)) / 8;
        const std::uint64_t before = (std::uint64_t{1} << (endByte * 8)) - 1;
        extra += macroman::ExtraUTF8BytesInWord(word, word & kHighBits & before);
        return {at + endByte, at + endByte + extra};
    }
    return ScanBytewise(bytes, at, extra);
}

}  // namespace fw
