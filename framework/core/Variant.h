#pragma once

#include "framework/core/String.h"

namespace fw {

// The system only ever puts texts into variants.
class Variant {
public:
    Variant() = default;
    explicit Variant(const String& value) : value_(value) {}
    explicit Variant(String&& value) : value_(std::move(value)) {}
    const String& StringValue() const { return value_; }

private:
    String value_;
};

inline Variant StringToVariant(String value) { return Variant(std::move(value)); }

}  // namespace fw
