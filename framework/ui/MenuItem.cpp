#include "framework/ui/MenuItem.h"

#include "framework/core/Exceptions.h"
#include "framework/core/ClassRecords.h"

namespace fw {

const ClassRecord& MenuItem::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r;
        r.name = "MenuItem";
        r.base = &ObjectRecord();
        for (const char* operation :
             {"Enable", "Close", "Item(Int32)", "Count", "Child(String)", "Append(MenuItem)",
              "Insert(Int32, MenuItem)", "Remove(Int32)", "Remove(MenuItem)", "Remove(String)", "_Lookup(String)",
              "_Lookup(String, Int32)", "MenuItem", "Constructor(String, Variant)", "PopUp", "PopUp(Int32, Int32)",
              "_Swap(String, MenuItem)", "_DisableEntirely", "_SelfEnable", "MenuItem(String, Variant)",
              "Constructor", "Clone", "Constructor(MenuItem)"}) {
            r.virtualOperations.push_back(std::string("MenuItem.") + operation);
        }
        r.attributes = kPublic;
        r.newObject = &NewObject<MenuItem>;
        return r;
    }();
    return record;
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    Checked(item);
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
    if (index < 0 || index >= Count()) throw OutOfBoundsException();
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(const String& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
        if (auto found = child->_Lookup(name)) return found;
    }
    return nullptr;
}

}  // namespace fw
