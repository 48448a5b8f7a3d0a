#include "framework/core/String.h"

#include "framework/core/MacRoman.h"

namespace fw {

std::string String::ToUTF8() const& {
    return encoding_ == TextEncoding::MacRoman ? macroman::ToUTF8(bytes_) : bytes_;
}

std::string String::ToUTF8() && {
    return encoding_ == TextEncoding::MacRoman ? macroman::ToUTF8(bytes_) : std::move(bytes_);
}

bool operator==(const String& a, const String& b) {
    if (a.encoding_ == b.encoding_) return a.bytes_ == b.bytes_;
    return a.ToUTF8() == b.ToUTF8();
}

String operator+(const String& a, const String& b) {
    if (a.encoding_ != TextEncoding::UTF8 || b.encoding_ != TextEncoding::UTF8) return String(a.ToUTF8() + b.ToUTF8());
    std::string joined;
    joined.reserve(a.bytes_.size() + b.bytes_.size());
    return String(std::move(joined.append(a.bytes_).append(b.bytes_)));
}

int RuntimeStringCompare(const String& a, const String& b) { return a.ToUTF8().compare(b.ToUTF8()); }

String RuntimeAddString(const String& a, const String& b) { return a + b; }

}  // namespace fw
