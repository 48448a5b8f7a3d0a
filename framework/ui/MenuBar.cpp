#include "framework/ui/MenuBar.h"

namespace fw {

const ClassRecord& MenuBar::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r;
        r.name = "MenuBar";
        r.base = &MenuItem::Lookup();
        r.virtualOperations = r.base->virtualOperations;
        r.virtualOperations.push_back("MenuBar.__DependencyList");
        r.virtualOperations.push_back("MenuBar._InstallClone(MenuItem)");
        r.attributes = kPublic;
        r.newObject = [] { return std::shared_ptr<Object>(std::make_shared<MenuBar>()); };
        return r;
    }();
    return record;
}

}  // namespace fw
