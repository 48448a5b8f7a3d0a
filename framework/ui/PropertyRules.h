#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "framework/ui/PropertySet.h"

namespace fw {

bool SameName(std::string_view a, std::string_view b);

// A property a class declares: its name, its type, and how the user interface shows
// it. A rule without `apply` keeps the value for the program and shows nothing.
template <class Self>
struct PropertyRule {
    std::string_view name;
    PropertyType type;
    void (*apply)(Self&) = nullptr;
};

template <class Self>
const PropertyRule<Self>* FindRule(std::span<const PropertyRule<Self>> rules, std::string_view name) {
    for (const auto& rule : rules) {
        if (SameName(rule.name, name)) return &rule;
    }
    return nullptr;
}

template <class Self>
std::optional<PropertyType> RuleType(std::span<const PropertyRule<Self>> rules, std::string_view name) {
    if (const auto* rule = FindRule(rules, name)) return rule->type;
    return std::nullopt;
}

// Shows the property when the class declares it; false when the rules do not know it.
template <class Self>
bool ApplyRule(std::span<const PropertyRule<Self>> rules, Self& self, std::string_view name) {
    const auto* rule = FindRule(rules, name);
    if (!rule) return false;
    if (rule->apply) rule->apply(self);
    return true;
}

}  // namespace fw
