#include "framework/core/Utf8.h"

namespace fw::utf8 {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The range the second byte must lie in: narrower after the leads that could otherwise
// spell an overlong form, a surrogate or a code point beyond U+10FFFF.
bool IsSecondByteAllowed(unsigned char lead, unsigned char second) {
    switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return IsContinuation(second);
    }
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const auto length = SequenceLength(lead);
    if (length <= 1 || at + length > text.size()) return 1;
    if (!IsSecondByteAllowed(lead, static_cast<unsigned char>(text[at + 1]))) return 1;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) return 1;
    }
    return length;
}

std::uint32_t DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const auto length = CharLength(text, at);
    if (length == 1) return lead < 0x80 ? lead : kReplacementCharacter;
    static constexpr unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
    std::uint32_t codePoint = lead & kLeadMask[length];
    for (std::size_t i = 1; i < length; ++i) {
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    return codePoint;
}

void Append(std::string& out, std::uint32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) codePoint = kReplacementCharacter;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Both walks step over ASCII, which is most of every text, without looking at sequences.
std::size_t OffsetOfChar(std::string_view text, std::size_t index) {
    std::size_t at = 0;
    for (; index > 0 && at < text.size(); --index) {
        at += static_cast<unsigned char>(text[at]) < 0x80 ? 1 : CharLength(text, at);
    }
    return at;
}

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        at += static_cast<unsigned char>(text[at]) < 0x80 ? 1 : CharLength(text, at);
    }
    return count;
}

}  // namespace fw::utf8
