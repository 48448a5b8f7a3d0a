#pragma once

#include "framework/ui/MenuItem.h"

namespace fw {

// The framework's quit item: choosing it quits the application.
class QuitMenuItem : public MenuItem {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    bool Event_Action() override;
};

// The framework's quit action: ends the event loop, as Quit(0) does.
bool QuitMenuAction(MenuItem& item);

}  // namespace fw
