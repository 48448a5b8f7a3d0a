#pragma once

#include "framework/ui/MenuItem.h"

namespace fw {

// The bar of menus of the application and of a window; its children are the menus.
class MenuBar : public MenuItem {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }
};

}  // namespace fw
