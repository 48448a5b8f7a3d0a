#pragma once

#include <string>
#include <string_view>

#include "framework/core/TextEncoding.h"

namespace fw {

// A text together with the encoding its bytes are in. Text built from literals, lines read
// from a stream and everything the text functions return are UTF-8; a text is held in
// another encoding only when it is made so, by ConvertEncoding for one.
class String {
public:
    String() = default;
    String(const char* utf8) : bytes_(utf8) {}
    String(std::string utf8) : bytes_(std::move(utf8)) {}
    String(std::string bytes, TextEncoding encoding) : bytes_(std::move(bytes)), encoding_(encoding) {}

    const std::string& Bytes() const { return bytes_; }
    TextEncoding Encoding() const { return encoding_; }
    bool IsEmpty() const { return bytes_.empty(); }

    // The same text as UTF-8 bytes, whatever the encoding it is held in. From a text
    // that is going away, bytes that are UTF-8 already are moved, not copied.
    std::string ToUTF8() const&;
    std::string ToUTF8() &&;

    // Equal when both hold the same characters, compared exactly (case matters).
    friend bool operator==(const String& a, const String& b);
    friend String operator+(const String& a, const String& b);

private:
    std::string bytes_;
    TextEncoding encoding_ = TextEncoding::UTF8;
};

int RuntimeStringCompare(const String& a, const String& b);
String RuntimeAddString(const String& a, const String& b);

}  // namespace fw
