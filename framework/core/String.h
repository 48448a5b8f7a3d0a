#pragma once

#include <string>

namespace fw {

// A text, held as UTF-8. Text from other encodings is decoded where it enters, as a
// stream reads its lines.
class String {
public:
    String() = default;
    String(const char* utf8) : bytes_(utf8) {}
    String(std::string utf8) : bytes_(std::move(utf8)) {}

    const std::string& Bytes() const& { return bytes_; }
    // From a text that is going away, the bytes are moved, not copied.
    std::string Bytes() && { return std::move(bytes_); }
    bool IsEmpty() const { return bytes_.empty(); }

    // Equal when both hold the same characters, compared exactly (case matters).
    friend bool operator==(const String& a, const String& b) { return a.bytes_ == b.bytes_; }
    friend String operator+(const String& a, const String& b);

private:
    std::string bytes_;
};

}  // namespace fw
