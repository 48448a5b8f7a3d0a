#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "framework/ui/PropertySet.h"

namespace fw {

struct CaseInsensitiveLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// An object whose properties a property set can set by name. Every property that the
// class declares is stored, also those the user interface has no use for, so that
// nothing a set says is lost. Names compare without regard to ASCII case.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;

    // The declared type of the class's property of that name; nothing when unknown.
    virtual std::optional<PropertyType> DeclaredType(std::string_view name) const = 0;
    // The class name used in messages.
    virtual std::string PropertyOwnerName() const = 0;

    // Stores the value and shows it; raises for an unknown name or a value of the wrong type.
    void SetProperty(std::string_view name, PropertyValue value);
    // The stored value; nil when the property was never set.
    const PropertyValue* Property(std::string_view name) const;

    bool BooleanProperty(std::string_view name) const;
    std::int32_t Int32Property(std::string_view name) const;
    fw::Colour ColourProperty(std::string_view name) const;
    fw::String TextProperty(std::string_view name) const;

protected:
    // Brings the stored value of the property to the screen, where the class shows it.
    virtual void ApplyProperty(std::string_view name) = 0;
    // Brings every stored value to the screen, once the object has its widget.
    void ApplyAllProperties();

private:
    template <class T>
    T Get(std::string_view name) const;

    std::map<std::string, PropertyValue, CaseInsensitiveLess> values_;
};

// Decodes a property set and sets every item on the target, in order. A set that is cut
// short, or that names a property the target's class does not know, raises a
// RuntimeException naming the property.
void _SetProperties(PropertyTarget& target, const String& set);

}  // namespace fw
