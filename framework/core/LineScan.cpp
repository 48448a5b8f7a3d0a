#include "framework/core/LineScan.h"

#include <bit>

#include "framework/core/MacRoman.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fw {

namespace {

LineScan ScanBytewise(std::string_view bytes, std::size_t from, std::size_t extra) {
    for (std::size_t at = from; at < bytes.size(); ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte == '\r' || byte == '\n') return {at, at + extra};
        extra += macroman::ExtraUTF8Bytes(byte);
    }
    return {bytes.size(), bytes.size() + extra};
}

#if defined(__SSE2__)
constexpr std::size_t kBlock = 16;

// One bit for each byte of the block, the first byte lowest.
struct BlockMarks {
    unsigned lineEnds;
    unsigned highBytes;
};

BlockMarks MarksOf(const char* block) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const __m128i lineEnds =
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')));
    return {static_cast<unsigned>(_mm_movemask_epi8(lineEnds)), static_cast<unsigned>(_mm_movemask_epi8(bytes))};
}

std::size_t ExtraBytes(const char* block, unsigned highBytes) {
    std::size_t extra = 0;
    for (; highBytes != 0; highBytes &= highBytes - 1) {
        extra += macroman::ExtraUTF8Bytes(static_cast<unsigned char>(block[std::countr_zero(highBytes)]));
    }
    return extra;
}
#endif

}  // namespace

LineScan ScanToLineEnd(std::string_view bytes) {
    std::size_t extra = 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    for (; at + kBlock <= bytes.size(); at += kBlock) {
        const char* block = bytes.data() + at;
        const BlockMarks marks = MarksOf(block);
        if (marks.lineEnds == 0) {
            extra += ExtraBytes(block, marks.highBytes);
            continue;
        }
        const auto end = static_cast<unsigned>(std::countr_zero(marks.lineEnds));
        extra += ExtraBytes(block, marks.highBytes & ((1u << end) - 1));
        return {at + end, at + end + extra};
    }
#endif
    return ScanBytewise(bytes, at, extra);
}

}  // namespace fw
