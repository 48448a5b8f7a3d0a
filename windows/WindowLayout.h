#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "framework/ui/Delegate.h"
#include "framework/ui/PropertySet.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RectControl.h"

// How a window of this program looks; the rest of its set is the same for all.
struct WindowLook {
    std::int32_t width, height;
    const char* title;
    bool resizeable;
    bool maximizeButton;
};

fw::String WindowSet(const WindowLook& look);

// Where a control sits, and its place in the tab order.
struct ControlBox {
    const char* name;
    std::int32_t left, top, width, height, tabIndex;
};

// The font items of a control's set, in their order.
void AddFontItems(fw::PropertySet& set, const char* font);

// One control of a window, as its control-creation step makes it.
template <class W>
struct ControlDescription {
    const char* name;
    const fw::ClassRecord& (*controlClass)();
    float textSize;
    std::optional<fw::FontUnits> textUnit;
    fw::String properties;
    void (W::*action)(fw::PushButton&) = nullptr;  // the push button's Action handler
};

// Makes the controls one by one, in order. Each is found again by its name for every
// step after it was added, and a push button's Action event is bound to its handler.
template <class W>
void CreateDescribedControls(W& window, std::span<const ControlDescription<W>> controls) {
    for (const auto& control : controls) {
        window.CreateControl(control.controlClass(), control.name);
        fw::Checked(window._ControlByName(control.name)).SetTextSize(control.textSize);
        if (control.textUnit) fw::Checked(window._ControlByName(control.name)).SetTextUnit(*control.textUnit);
        fw::_SetProperties(fw::Checked(window._ControlByName(control.name)), control.properties);
        if (!control.action) continue;
        fw::RuntimeAddEventHandler(fw::Checked(window.template ControlNamed<fw::PushButton>(control.name)),
                                   fw::PushButton::kActionEvent, fw::RuntimeCreateDelegate(window, control.action));
    }
}
