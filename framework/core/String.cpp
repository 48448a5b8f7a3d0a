#include "framework/core/String.h"

namespace fw {

String operator+(const String& a, const String& b) {
    std::string joined;
    joined.reserve(a.bytes_.size() + b.bytes_.size());
    return String(std::move(joined.append(a.bytes_).append(b.bytes_)));
}

}  // namespace fw
