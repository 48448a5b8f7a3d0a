#include "framework/ui/QuitMenuItem.h"

#include "framework/core/ClassRecords.h"
#include "framework/ui/Lifecycle.h"

namespace fw {

const ClassRecord& QuitMenuItem::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r = SubclassRecord("QuitMenuItem", MenuItem::Lookup(), &NewObject<QuitMenuItem>);
        r.eventHandlers = {{"Action", "QuitMenuItem.Event_Action"}};
        return r;
    }();
    return record;
}

bool QuitMenuItem::Event_Action() { return QuitMenuAction(*this); }

bool QuitMenuAction(MenuItem&) {
    Quit(0);
    return true;
}

}  // namespace fw
