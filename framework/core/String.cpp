#include "framework/core/String.h"

#include "framework/core/MacRoman.h"

namespace fw {

std::string String::ToUTF8() const {
    return encoding_ == TextEncoding::MacRoman ? macroman::ToUTF8(bytes_) : bytes_;
}

bool operator==(const String& a, const String& b) {
    if (a.encoding_ == b.encoding_) return a.bytes_ == b.bytes_;
    return a.ToUTF8() == b.ToUTF8();
}

String operator+(const String& a, const String& b) { return String(a.ToUTF8() + b.ToUTF8()); }

int RuntimeStringCompare(const String& a, const String& b) { return a.ToUTF8().compare(b.ToUTF8()); }

String RuntimeAddString(const String& a, const String& b) { return a + b; }

}  // namespace fw
