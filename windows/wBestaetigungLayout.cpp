#include "windows/wBestaetigungLayout.h"

#include <limits>

#include "framework/ui/Label.h"
#include "windows/wBestaetigung.h"

namespace {

const WindowLook kLook{302, 133, "Bestätigung", true, true};

const ControlBox kLabelBox{.name = "StaticText1", .left = 60, .top = 19, .width = 182, .height = 30, .tabIndex = 0};
const ControlBox kButtonBox{.name = "pbOK", .left = 116, .top = 72, .width = 69, .height = 20, .tabIndex = 1};

// The items both controls of this window start with.
fw::PropertySet CommonItems(const ControlBox& box) {
    fw::PropertySet set;
    set.Boolean("TabStop", true)
        .Int32("TabIndex", box.tabIndex)
        .Text("Name", box.name)
        .Int32("Index", std::numeric_limits<std::int32_t>::min())
        .Int32("TabPanelIndex", 0)
        .Boolean("Visible", true)
        .Int32("Left", box.left)
        .Int32("Top", box.top)
        .Int32("Width", box.width)
        .Int32("Height", box.height)
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
    return CommonItems(kLabelBox)
        .Text("Text", "Script ausgeführt")
        .Int32("TextAlign", 1)
        .Colour("TextColor", {0, 0, 0})
        .Boolean("MultiLine", false)
        .Boolean("Enabled", true)
        .Text("DataSource", "")
        .Text("DataField", "");
}

fw::String ButtonSet() {
    return CommonItems(kButtonBox)
        .Text("Caption", "OK")
        .Boolean("Default", true)
        .Boolean("Cancel", false)
        .Boolean("Enabled", true);
}

}  // namespace

fw::String wBestaetigungWindowSet() { return WindowSet(kLook); }

const std::vector<ControlDescription<class wBestaetigung>>& wBestaetigungControls() {
    static const std::vector<ControlDescription<class wBestaetigung>> controls{
        {kLabelBox.name, &fw::Label::Lookup, 16, std::nullopt, LabelSet()},
        {kButtonBox.name, &fw::PushButton::Lookup, 10, std::nullopt, ButtonSet(), &wBestaetigung::pbOK_Action},
    };
    return controls;
}
