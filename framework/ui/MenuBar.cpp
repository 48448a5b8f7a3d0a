#include "framework/ui/MenuBar.h"

#include "framework/core/ClassRecords.h"

namespace fw {

const ClassRecord& MenuBar::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r = SubclassRecord("MenuBar", MenuItem::Lookup(), &NewObject<MenuBar>);
        r.virtualOperations.push_back("MenuBar.__DependencyList");
        r.virtualOperations.push_back("MenuBar._InstallClone(MenuItem)");
        return r;
    }();
    return record;
}

}  // namespace fw
