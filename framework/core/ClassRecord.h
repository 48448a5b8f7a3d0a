#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fw {

class Object;

using Attributes = std::vector<std::pair<std::string, std::string>>;

struct MethodEntry {
    std::string name;
    std::string signature;  // "%result%arguments", e.g. "%%o<PushButton>"
    Attributes attributes;
};

struct EventHandlerEntry {
    std::string event;
    std::string handler;
};

struct PropertyEntry {
    std::string name;
    std::string typeText;  // "o<FolderItem>", "i4", "A1s", "A1v"
    Attributes attributes;
};

// A class as the framework knows it, kept as plain data for introspection. The
// behaviour itself lives in C++: the virtual operations listed here are the class's
// C++ virtual functions.
struct ClassRecord {
    std::string name;
    const ClassRecord* base = nullptr;
    std::string initialiser;  // empty when the class has none
    std::string finaliser;
    std::vector<std::string> virtualOperations;  // slot order, the base's first
    std::vector<MethodEntry> methods;
    std::vector<EventHandlerEntry> eventHandlers;
    std::vector<PropertyEntry> properties;
    Attributes attributes;
    std::shared_ptr<Object> (*newObject)() = nullptr;  // nullptr: not instantiable

    bool IsA(const ClassRecord& other) const;
};

// Registers a record with the framework; the framework lists them in registration order.
void RuntimeNewClass(const ClassRecord& record);
const std::vector<const ClassRecord*>& RegisteredClasses();
const ClassRecord* FindClass(const std::string& name);

// A new instance of the class, on which no constructor of the framework's has run yet.
std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record);

inline const Attributes kPublic{{"__Scope", "Public"}};
inline const Attributes kPublicHidden{{"__Scope", "Public"}, {"Hidden", ""}};

}  // namespace fw
