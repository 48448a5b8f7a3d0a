#include "framework/ui/QuitMenuItem.h"

#include "framework/ui/Lifecycle.h"

namespace fw {

const ClassRecord& QuitMenuItem::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r;
        r.name = "QuitMenuItem";
        r.base = &MenuItem::Lookup();
        r.virtualOperations = r.base->virtualOperations;
        r.eventHandlers = {{"Action", "QuitMenuItem.Event_Action"}};
        r.attributes = kPublic;
        r.newObject = [] { return std::shared_ptr<Object>(std::make_shared<QuitMenuItem>()); };
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
