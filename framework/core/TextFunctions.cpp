#include "framework/core/TextFunctions.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <string_view>

#include "framework/core/Exceptions.h"
#include "framework/core/Utf8.h"

namespace fw {

namespace {

bool IsWhiteSpace(std::uint32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// The start of the first character that is not white space; the text's size when there
// is none. ASCII bytes are characters of their own, so only other bytes are decoded.
std::size_t StartOfFirstNonWhiteSpace(std::string_view s) {
    std::size_t begin = 0;
    while (begin < s.size()) {
        const auto first = static_cast<unsigned char>(s[begin]);
        if (first < 0x80) {
            if (!IsWhiteSpace(first)) break;
            ++begin;
            continue;
        }
        if (!IsWhiteSpace(utf8::DecodeAt(s, begin))) break;
        begin += utf8::CharLength(s, begin);
    }
    return begin;
}

// The end of the last character at or after `begin` (a character's start) that is not
// white space; `begin` when there is none. An ASCII byte is a character of its own and
// never part of a longer sequence, so the search goes backwards over ASCII and decodes
// forwards only through a run of other bytes, from the ASCII byte before it, as a walk
// from `begin` would see them.
std::size_t EndOfLastNonWhiteSpace(std::string_view s, std::size_t begin) {
    std::size_t end = s.size();
    while (end > begin) {
        const auto last = static_cast<unsigned char>(s[end - 1]);
        if (last < 0x80) {
            if (!IsWhiteSpace(last)) return end;
            --end;
            continue;
        }
        std::size_t runStart = end - 1;
        while (runStart > begin && static_cast<unsigned char>(s[runStart - 1]) >= 0x80) --runStart;
        std::size_t found = runStart;
        for (std::size_t at = runStart; at < end;) {
            const auto length = utf8::CharLength(s, at);
            if (!IsWhiteSpace(utf8::DecodeAt(s, at))) found = at + length;
            at += length;
        }
        if (found != runStart) return found;
        end = runStart;
    }
    return begin;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Below 2^53 a whole double is an exact integer, whose integer digits are the same and
// quicker to write.
std::string WholeNumberDigits(double whole) {
    char digits[400];
    constexpr double kExactIntegers = 9007199254740992.0;
    const auto result = whole < kExactIntegers
                            ? std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(whole))
                            : std::to_chars(digits, digits + sizeof digits, whole, std::chars_format::fixed, 0);
    return std::string(digits, result.ptr);
}

}  // namespace

// Texts are held in UTF-8 alone: a stream decodes its lines as it reads them.
String ConvertEncoding(String text, TextEncoding target) {
    if (target != TextEncoding::UTF8) throw RuntimeException("Texte werden nur in UTF-8 gehalten.");
    return text;
}

String Chr(std::uint32_t codePoint) {
    std::string out;
    utf8::Append(out, codePoint);
    return String(std::move(out));
}

String Trim(String text) {
    std::string s = std::move(text).Bytes();
    const std::size_t begin = StartOfFirstNonWhiteSpace(s);
    const std::size_t end = EndOfLastNonWhiteSpace(s, begin);
    s.erase(end);
    s.erase(0, begin);
    return String(std::move(s));
}

// A text without `find` costs one byte search, whatever its characters.
int InStr(int start, const String& text, const String& find) {
    const std::string_view haystack = text.Bytes(), needle = find.Bytes();
    if (needle.empty()) return 0;
    const std::size_t from = utf8::OffsetOfChar(haystack, start > 1 ? static_cast<std::size_t>(start - 1) : 0);
    const auto found = haystack.find(needle, from);
    if (found == std::string_view::npos) return 0;
    return static_cast<int>(utf8::CharCount(haystack.substr(0, found))) + 1;
}

String Left(const String& text, int count) {
    if (count <= 0) return String();
    const std::string_view s = text.Bytes();
    return String(std::string(s.substr(0, utf8::OffsetOfChar(s, static_cast<std::size_t>(count)))));
}

String Mid(const String& text, int start, int count) {
    const std::string_view s = text.Bytes();
    const std::size_t from = utf8::OffsetOfChar(s, start > 1 ? static_cast<std::size_t>(start - 1) : 0);
    const std::string_view rest = s.substr(from);
    if (count < 0) return String(std::string(rest));
    return String(std::string(rest.substr(0, utf8::OffsetOfChar(rest, static_cast<std::size_t>(count)))));
}

String Replace(String text, const String& find, const String& replacement) {
    const std::string& s = text.Bytes();
    const std::string& needle = find.Bytes();
    const auto found = needle.empty() ? std::string::npos : s.find(needle);
    if (found == std::string::npos) return text;
    std::string out;
    out.reserve(s.size() - needle.size() + replacement.Bytes().size());
    out.append(s, 0, found).append(replacement.Bytes()).append(s, found + needle.size());
    return String(std::move(out));
}

// A replacement that holds no byte of `find` can never form a new occurrence with what
// stands beside it, so each search may go on where the last one ended, and a text full
// of `find` costs no more than its length. Otherwise each search starts at the beginning.
String ReplaceUntilGone(String text, const String& find, const String& replacement,
                        const std::function<void()>& afterEach) {
    const std::string& s = text.Bytes();
    const std::string& needle = find.Bytes();
    std::size_t found = needle.empty() ? std::string::npos : s.find(needle);
    if (found == std::string::npos) return text;
    if (replacement.Bytes().find_first_of(needle) != std::string::npos) {
        while (InStr(0, text, find) > 0) {
            text = Replace(std::move(text), find, replacement);
            afterEach();
        }
        return text;
    }
    std::string out;
    out.reserve(s.size());
    std::size_t from = 0;
    for (; found != std::string::npos; found = s.find(needle, from)) {
        out.append(s, from, found - from).append(replacement.Bytes());
        from = found + needle.size();
        afterEach();
    }
    out.append(s, from);
    return String(std::move(out));
}

double Val(const String& text) {
    const std::string_view s = text.Bytes();
    std::size_t at = 0;
    while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
    bool negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) negative = s[at++] == '-';
    const std::size_t numberStart = at;
    while (at < s.size() && IsDigit(s[at])) ++at;
    if (at < s.size() && s[at] == '.') {
        ++at;
        while (at < s.size() && IsDigit(s[at])) ++at;
    }
    const std::string_view number = s.substr(numberStart, at - numberStart);
    if (number.empty() || number == ".") return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // Out of range either way: too large when a digit before the point is not 0, else too small.
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view whole = number.substr(0, number.find('.'));
        value = whole.find_first_not_of('0') == std::string_view::npos ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

String Str(std::int64_t value) { return String(std::to_string(value)); }

String Format(double value, const String& pattern) {
    std::size_t minimumDigits = 0;
    for (const char c : pattern.Bytes()) {
        if (c == '0') {
            ++minimumDigits;
        } else if (c != '#') {
            throw RuntimeException("Das Zahlenformat \"" + pattern + "\" wird nicht unterstützt.");
        }
    }
    const double rounded = std::round(value);  // halves away from zero
    std::string out = WholeNumberDigits(std::fabs(rounded));
    if (out.size() < minimumDigits) out.insert(0, minimumDigits - out.size(), '0');
    if (rounded < 0) out.insert(0, 1, '-');
    return String(std::move(out));
}

}  // namespace fw
