#include "framework/ui/PropertySet.h"

namespace fw {

PropertyType TypeOf(const PropertyValue& value) {
    return static_cast<PropertyType>(value.index());
}

PropertySet::PropertySet(std::initializer_list<PropertyItem> items) {
    for (const auto& item : items) Item(item);
}

PropertySet& PropertySet::Boolean(std::string_view name, bool value) {
    Name(name);
    bytes_ += static_cast<char>(value ? 1 : 0);
    return *this;
}

PropertySet& PropertySet::Int32(std::string_view name, std::int32_t value) {
    Name(name);
    BigEndian32(static_cast<std::uint32_t>(value));
    return *this;
}

PropertySet& PropertySet::Colour(std::string_view name, fw::Colour value) {
    Name(name);
    bytes_ += static_cast<char>(value.red);
    bytes_ += static_cast<char>(value.green);
    bytes_ += static_cast<char>(value.blue);
    return *this;
}

PropertySet& PropertySet::Text(std::string_view name, const fw::String& value) {
    Name(name);
    const std::string utf8 = value.Bytes();
    BigEndian32(static_cast<std::uint32_t>(utf8.size()));
    bytes_ += utf8;
    return *this;
}

PropertySet& PropertySet::Item(const PropertyItem& item) {
    std::visit(
        [&](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) Boolean(item.name, value);
            else if constexpr (std::is_same_v<T, std::int32_t>) Int32(item.name, value);
            else if constexpr (std::is_same_v<T, fw::Colour>) Colour(item.name, value);
            else Text(item.name, value);
        },
        item.value);
    return *this;
}

void PropertySet::Name(std::string_view name) {
    bytes_ += name;
    bytes_ += ' ';
}

void PropertySet::BigEndian32(std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes_ += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace fw
