#include "framework/core/String.h"

namespace fw {

String operator+(const String& a, const String& b) {
    std::string joined;
    joined.reserve(a.bytes_.size() + b.bytes_.size());
    return String(std::move(joined.append(a.bytes_).append(b.bytes_)));
}

int RuntimeStringCompare(const String& a, const String& b) { return a.Bytes().compare(b.Bytes()); }

String RuntimeAddString(const String& a, const String& b) { return a + b; }

}  // namespace fw
