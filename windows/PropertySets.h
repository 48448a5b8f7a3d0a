#pragma once

#include <cstdint>

#include "framework/ui/PropertySet.h"

// How a window of this program looks; the rest of its set is the same for all.
struct WindowLook {
    std::int32_t width, height;
    const char* title;
    bool resizeable;
    bool maximizeButton;
};

fw::String WindowSet(const WindowLook& look);

// The font items of a control's set, in their order.
void AddFontItems(fw::PropertySet& set, const char* font);
