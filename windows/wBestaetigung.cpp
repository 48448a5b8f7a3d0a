#include "windows/wBestaetigung.h"

#include <limits>
#include <optional>

#include "framework/ui/ClassRecords.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "windows/PropertySets.h"

namespace {

using fw::kPublic;

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

std::optional<fw::ClassRecord> record;

fw::ClassRecord BuildRecord() {
    std::vector<fw::MethodEntry> methods{
        {"Layout", "%%", kPublic},
        {"CreateControls", "%%", kPublic},
        {"_CreateControls0", "%%", fw::kPublicHidden},
        {"StaticText1", "%o<Label>%", kPublic},
        {"pbOK", "%o<PushButton>%", kPublic},
        {"pbOK_Action", "%%o<PushButton>", kPublic},
    };
    const auto& base = fw::Window::Lookup();
    return {
        .name = "wBestaetigung.wBestaetigung",
        .base = &base,
        .virtualOperations = fw::SubclassOperations(base, "wBestaetigung", methods),
        .methods = methods,
        .eventHandlers = {{"Layout", "wBestaetigung.Layout"}, {"CreateControls", "wBestaetigung.CreateControls"}},
        .attributes = kPublic,
        .newObject = [] { return std::shared_ptr<fw::Object>(std::make_shared<class wBestaetigung>()); },
    };
}

}  // namespace

void wBestaetigung::ctblinit() {
    if (record) return;
    record = BuildRecord();
    fw::RuntimeNewClass(*record);
}

const fw::ClassRecord& wBestaetigung::Lookup() {
    if (!record) ctblinit();
    return *record;
}

std::shared_ptr<class wBestaetigung> wBestaetigung() { return fw::ImplicitWindow<class wBestaetigung>(); }

void wBestaetigung::Layout() { fw::_SetProperties(*this, WindowSet(kLook)); }

void wBestaetigung::CreateControls() { _CreateControls0(); }

void wBestaetigung::_CreateControls0() {
    CreateControl(fw::Label::Lookup(), kLabelRow.name);
    fw::Checked(StaticText1()).SetTextSize(16);
    fw::_SetProperties(fw::Checked(StaticText1()), LabelSet());

    CreateControl(fw::PushButton::Lookup(), kButtonRow.name);
    fw::Checked(pbOK()).SetTextSize(10);
    fw::_SetProperties(fw::Checked(pbOK()), ButtonSet());
    fw::RuntimeAddEventHandler(fw::Checked(pbOK()), fw::PushButton::kActionEvent,
                               fw::RuntimeCreateDelegate(*this, &wBestaetigung::pbOK_Action));
}

std::shared_ptr<fw::Label> wBestaetigung::StaticText1() { return ControlNamed<fw::Label>(kLabelRow.name); }
std::shared_ptr<fw::PushButton> wBestaetigung::pbOK() { return ControlNamed<fw::PushButton>(kButtonRow.name); }

void wBestaetigung::pbOK_Action(fw::PushButton&) { Close(); }
