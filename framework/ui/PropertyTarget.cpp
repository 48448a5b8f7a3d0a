#include "framework/ui/PropertyTarget.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/ui/PropertyRules.h"

namespace fw {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && !CaseInsensitiveLess()(a, b) && !CaseInsensitiveLess()(b, a);
}

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

namespace {

[[noreturn]] void RaiseUnknownProperty(const PropertyTarget& target, std::string_view name) {
    throw RuntimeException(String("Die Klasse " + target.PropertyOwnerName() + " hat keine Eigenschaft „" +
                                  std::string(name) + "“."));
}

// Reads the items of a set one by one; the target's declared types tell each value's size.
class SetReader {
public:
    SetReader(const PropertyTarget& target, const std::string& bytes) : target_(target), bytes_(bytes) {}

    bool AtEnd() const { return position_ == bytes_.size(); }

    std::string Name() {
        const auto blank = bytes_.find(' ', position_);
        if (blank == std::string::npos) RaiseCutShort(bytes_.substr(position_));
        std::string name = bytes_.substr(position_, blank - position_);
        position_ = blank + 1;
        return name;
    }

    PropertyValue Value(std::string_view name) {
        const auto type = target_.DeclaredType(name);
        if (!type) RaiseUnknownProperty(target_, name);
        switch (*type) {
            case PropertyType::Boolean: return Take(name, 1)[0] != 0;
            case PropertyType::Int32: return static_cast<std::int32_t>(BigEndian32(name));
            case PropertyType::Colour: {
                const std::string rgb = Take(name, 3);
                return Colour{Byte(rgb[0]), Byte(rgb[1]), Byte(rgb[2])};
            }
            case PropertyType::String: return String(Take(name, BigEndian32(name)));
        }
        RaiseCutShort(name);
    }

private:
    static std::uint8_t Byte(char c) { return static_cast<std::uint8_t>(c); }

    std::uint32_t BigEndian32(std::string_view name) {
        std::uint32_t value = 0;
        for (char c : Take(name, 4)) value = (value << 8) | Byte(c);
        return value;
    }

    std::string Take(std::string_view name, std::size_t count) {
        if (bytes_.size() - position_ < count) RaiseCutShort(name);
        std::string taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }

    [[noreturn]] void RaiseCutShort(std::string_view name) const {
        throw RuntimeException(String("Die Eigenschaftsliste für " + target_.PropertyOwnerName() +
                                      " bricht bei „" + std::string(name) + "“ ab."));
    }

    const PropertyTarget& target_;
    const std::string& bytes_;
    std::size_t position_ = 0;
};

}  // namespace

void PropertyTarget::SetProperty(std::string_view name, PropertyValue value) {
    const auto type = DeclaredType(name);
    if (!type) RaiseUnknownProperty(*this, name);
    if (*type != TypeOf(value)) {
        throw RuntimeException(String("Die Eigenschaft „" + std::string(name) + "“ von " + PropertyOwnerName() +
                                      " hat einen anderen Typ."));
    }
    values_.insert_or_assign(std::string(name), std::move(value));
    ApplyProperty(name);
}

const PropertyValue* PropertyTarget::Property(std::string_view name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? nullptr : &found->second;
}

template <class T>
T PropertyTarget::Get(std::string_view name) const {
    const PropertyValue* value = Property(name);
    return value ? std::get<T>(*value) : T{};
}

bool PropertyTarget::BooleanProperty(std::string_view name) const { return Get<bool>(name); }
std::int32_t PropertyTarget::Int32Property(std::string_view name) const { return Get<std::int32_t>(name); }
Colour PropertyTarget::ColourProperty(std::string_view name) const { return Get<Colour>(name); }
String PropertyTarget::TextProperty(std::string_view name) const { return Get<String>(name); }

void PropertyTarget::ApplyAllProperties() {
    for (const auto& [name, value] : values_) ApplyProperty(name);
}

void _SetProperties(PropertyTarget& target, const String& set) {
    const std::string bytes = set.Bytes();
    SetReader reader(target, bytes);
    // Decoded whole before anything is set, so that a faulty set changes nothing.
    std::vector<std::pair<std::string, PropertyValue>> items;
    while (!reader.AtEnd()) {
        std::string name = reader.Name();
        PropertyValue value = reader.Value(name);
        items.emplace_back(std::move(name), std::move(value));
    }
    for (auto& [name, value] : items) target.SetProperty(name, std::move(value));
}

}  // namespace fw
