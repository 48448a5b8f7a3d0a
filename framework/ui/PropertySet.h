#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "framework/core/String.h"

namespace fw {

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

enum class PropertyType { Boolean, Int32, Colour, String };

using PropertyValue = std::variant<bool, std::int32_t, Colour, String>;

PropertyType TypeOf(const PropertyValue& value);

// One item of a property set, as the windows write their sets down in tables.
struct PropertyItem {
    std::string_view name;
    PropertyValue value;
};

// Builds the binary description of a window or control: items without separators, each
// the property's name, one blank, then the value with no type tag. Booleans take 1
// byte, Int32s 4 bytes big-endian, colours 3 bytes (red, green, blue), texts a 4-byte
// big-endian count of their UTF-8 bytes and the bytes themselves.
class PropertySet {
public:
    PropertySet() = default;
    PropertySet(std::initializer_list<PropertyItem> items);

    PropertySet& Boolean(std::string_view name, bool value);
    PropertySet& Int32(std::string_view name, std::int32_t value);
    PropertySet& Colour(std::string_view name, fw::Colour value);
    PropertySet& Text(std::string_view name, const fw::String& value);
    PropertySet& Item(const PropertyItem& item);

    fw::String Bytes() const { return fw::String(bytes_); }
    operator fw::String() const { return Bytes(); }

private:
    void Name(std::string_view name);
    void BigEndian32(std::uint32_t value);

    std::string bytes_;
};

}  // namespace fw
