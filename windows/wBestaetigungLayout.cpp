#include "windows/wBestaetigungLayout.h"

#include <limits>

#include "framework/ui/Label.h"
#include "windows/wBestaetigung.h"

namespace {

const WindowLook kLook{302, 133, "Bestätigung", true, true};

struct ControlRow {
    const char* name;
    std::int32_t tabIndex, left, top, width, height;
};

const ControlRow kLabelRow{"StaticText1", 0, 60, 19, 182, 30};
const ControlRow kButtonRow{"pbOK", 1, 116, 72, 69, 20};

// The items both controls of this window start with.
fw::PropertySet CommonItems(const ControlRow& row) {
    fw::PropertySet set;
    set.Boolean("TabStop", true)
        .Int32("TabIndex", row.tabIndex)
        .Text("Name", row.name)
        .Int32("Index", std::numeric_limits<std::int32_t>::min())
        .Int32("TabPanelIndex", 0)
        .Boolean("Visible", true)
        .Int32("Left", row.left)
        .Int32("Top", row.top)
        .Int32("Width", row.width)
        .Int32("Height", row.height)
        .Text("InitialParent", "")
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false);
    AddFontItems(set, "Geneva");
    return set;
}

fw::String LabelSet() {
    return CommonItems(kLabelRow)
        .Text("Text", "Script ausgeführt")
        .Int32("TextAlign", 1)
        .Colour("TextColor", {0, 0, 0})
        .Boolean("MultiLine", false)
        .Boolean("Enabled", true)
        .Text("DataSource", "")
        .Text("DataField", "");
}

fw::String ButtonSet() {
    return CommonItems(kButtonRow)
        .Text("Caption", "OK")
        .Boolean("Default", true)
        .Boolean("Cancel", false)
        .Boolean("Enabled", true);
}

}  // namespace

fw::String wBestaetigungWindowSet() { return WindowSet(kLook); }

const std::vector<ControlDescription<class wBestaetigung>>& wBestaetigungControls() {
    static const std::vector<ControlDescription<class wBestaetigung>> controls{
        {kLabelRow.name, &fw::Label::Lookup, 16, std::nullopt, LabelSet()},
        {kButtonRow.name, &fw::PushButton::Lookup, 10, std::nullopt, ButtonSet(), &wBestaetigung::pbOK_Action},
    };
    return controls;
}
