#include "windows/Fenster1.h"

#include <limits>
#include <optional>

#include "app/Menue.h"
#include "framework/ui/ClassRecords.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Label.h"
#include "framework/ui/Lifecycle.h"
#include "framework/ui/PropertySet.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/QuitMenuItem.h"
#include "windows/PropertySets.h"

namespace {

const WindowLook kLook{389, 215, "Velmora-Import v3 (für Dorvik 6 und neuer)", false, false};

// Where a control sits, and its place in the tab order.
struct ControlBox {
    const char* name;
    std::int32_t left, top, width, height, tabIndex;
};

struct ButtonRow {
    ControlBox box;
    const char* caption;
    void (Fenster1::*action)(fw::PushButton&);
};

const ButtonRow kButtons[] = {
    {{"btn_quit", 304, 175, 69, 20, 0}, "Ende", &Fenster1::btn_quit_Action},
    {{"btn_save", 20, 175, 127, 20, 1}, "An Dorvik senden", &Fenster1::btn_save_Action},
    {{"btn_datei", 20, 110, 127, 20, 2}, "Datei auswählen", &Fenster1::btn_datei_Action},
};

struct LabelRow {
    ControlBox box;
    const char* text;  // also the help tag
    bool multiline;
    float textSize;
};

const LabelRow kLabels[] = {
    {{"StaticText1", 20, 14, 353, 20, 3}, "Import von Buchungen nach Dorvik", false, 12},
    {{"StaticText2", 20, 46, 353, 44, 5},
     "Die Konten müssen in der Kontenmappe vorhanden sein und genauso heißen wie in Velmora.",
     true,
     12},
    {{"StaticText3", 159, 110, 212, 20, 6}, "", false, 12},
    {{"StaticText5", 55, 132, 127, 20, 8}, "(XML-Datei)", false, 9},
};

// The items every control of this window starts with.
void AddBoxItems(fw::PropertySet& set, const ControlBox& box) {
    set.Text("Name", box.name)
        .Int32("Index", std::numeric_limits<std::int32_t>::min())
        .Int32("Left", box.left)
        .Int32("Top", box.top)
        .Int32("Width", box.width)
        .Int32("Height", box.height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Int32("TabPanelIndex", 0)
        .Int32("TabIndex", box.tabIndex);
}

fw::String ButtonSet(const ButtonRow& row) {
    fw::PropertySet set;
    AddBoxItems(set, row.box);
    set.Boolean("TabStop", true)
        .Text("Caption", row.caption)
        .Boolean("Default", false)
        .Boolean("Cancel", false)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Int32("ButtonStyle", 0);
    AddFontItems(set, "System");
    set.Text("InitialParent", "");
    return set;
}

fw::String LabelSet(const LabelRow& row) {
    fw::PropertySet set;
    AddBoxItems(set, row.box);
    set.Text("Text", row.text)
        .Int32("TextAlign", 0)
        .Colour("TextColor", {0, 0, 0})
        .Boolean("Multiline", row.multiline)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Boolean("Selectable", false)
        .Boolean("Transparent", false)
        .Text("HelpTag", row.text)
        .Boolean("AutoDeactivate", true);
    AddFontItems(set, "System");
    set.Text("DataSource", "").Text("DataField", "").Text("InitialParent", "");
    return set;
}

template <class Control>
void PrepareControl(class Fenster1& window, const char* name, float textSize, const fw::String& set) {
    window.CreateControl(Control::Lookup(), name);
    fw::Checked(window.ControlNamed<Control>(name)).SetTextSize(textSize);
    fw::Checked(window.ControlNamed<Control>(name)).SetTextUnit(fw::FontUnits::Default);
    fw::_SetProperties(fw::Checked(window.ControlNamed<Control>(name)), set);
}

template <class Item>
std::shared_ptr<Item> MenuItemNamed(const class Fenster1& window, const char* name) {
    return fw::RuntimeCheckCast<Item>(fw::Checked(window.GetMenuBar())._Lookup(name));
}

using fw::kPublic;

std::optional<fw::ClassRecord> record;

fw::ClassRecord BuildRecord() {
    std::vector<fw::MethodEntry> methods{
        {"Layout", "%%", kPublic},
        {"CreateControls", "%%", kPublic},
        {"_CreateControls0", "%%", fw::kPublicHidden},
        {"btn_quit", "%o<PushButton>%", kPublic},
        {"btn_save", "%o<PushButton>%", kPublic},
        {"btn_datei", "%o<PushButton>%", kPublic},
        {"StaticText1", "%o<Label>%", kPublic},
        {"StaticText2", "%o<Label>%", kPublic},
        {"StaticText3", "%o<Label>%", kPublic},
        {"StaticText5", "%o<Label>%", kPublic},
        {"btn_quit_Action", "%%o<PushButton>", kPublic},
        {"btn_save_Action", "%%o<PushButton>", kPublic},
        {"btn_datei_Action", "%%o<PushButton>", kPublic},
        {"UntitledMenu0", "%o<MenuItem>%", kPublic},
        {"EditClear", "%o<MenuItem>%", kPublic},
        {"EditPaste", "%o<MenuItem>%", kPublic},
        {"EditCopy", "%o<MenuItem>%", kPublic},
        {"EditCut", "%o<MenuItem>%", kPublic},
        {"UntitledMenu1", "%o<MenuItem>%", kPublic},
        {"EditUndo", "%o<MenuItem>%", kPublic},
        {"UntitledMenu2", "%o<MenuItem>%", kPublic},
        {"FileQuit", "%o<QuitMenuItem>%", kPublic},
        {"UntitledMenu3", "%o<MenuItem>%", kPublic},
        {"Event_Open", "%%", kPublic},
        {"Laden", "%%", kPublic},
        {"buchung_erzeugen", "%%", kPublic},
    };
    const auto& base = fw::Window::Lookup();
    return {
        .name = "Fenster1.Fenster1",
        .base = &base,
        .initialiser = "Fenster1.__Init",
        .finaliser = "Fenster1.__Exit",
        .virtualOperations = fw::SubclassOperations(base, "Fenster1", methods),
        .methods = methods,
        .eventHandlers = {{"Layout", "Fenster1.Layout"},
                          {"CreateControls", "Fenster1.CreateControls"},
                          {"Open", "Fenster1.Event_Open"}},
        .properties = {{"f", "o<FolderItem>", kPublic},
                       {"Anzahl", "i4", kPublic},
                       {"zeilen", "A1s", kPublic},
                       {"anz_zeilen", "i4", kPublic}},
        .attributes = kPublic,
        .newObject = [] { return std::shared_ptr<fw::Object>(std::make_shared<class Fenster1>()); },
    };
}

}  // namespace

void Fenster1::ctblinit() {
    if (record) return;
    record = BuildRecord();
    fw::RuntimeNewClass(*record);
}

const fw::ClassRecord& Fenster1::Lookup() {
    if (!record) ctblinit();
    return *record;
}

std::shared_ptr<class Fenster1> Fenster1() { return fw::ImplicitWindow<class Fenster1>(); }

void Fenster1::Layout() {
    SetMenuBar(Menü());
    fw::_SetProperties(*this, WindowSet(kLook));
}

void Fenster1::CreateControls() { _CreateControls0(); }

void Fenster1::_CreateControls0() {
    for (const ButtonRow& row : kButtons) {
        PrepareControl<fw::PushButton>(*this, row.box.name, 12, ButtonSet(row));
        fw::RuntimeAddEventHandler(fw::Checked(ControlNamed<fw::PushButton>(row.box.name)),
                                   fw::PushButton::kActionEvent, fw::RuntimeCreateDelegate(*this, row.action));
    }
    for (const LabelRow& row : kLabels) PrepareControl<fw::Label>(*this, row.box.name, row.textSize, LabelSet(row));
}

std::shared_ptr<fw::PushButton> Fenster1::btn_quit() { return ControlNamed<fw::PushButton>("btn_quit"); }
std::shared_ptr<fw::PushButton> Fenster1::btn_save() { return ControlNamed<fw::PushButton>("btn_save"); }
std::shared_ptr<fw::PushButton> Fenster1::btn_datei() { return ControlNamed<fw::PushButton>("btn_datei"); }
std::shared_ptr<fw::Label> Fenster1::StaticText1() { return ControlNamed<fw::Label>("StaticText1"); }
std::shared_ptr<fw::Label> Fenster1::StaticText2() { return ControlNamed<fw::Label>("StaticText2"); }
std::shared_ptr<fw::Label> Fenster1::StaticText3() { return ControlNamed<fw::Label>("StaticText3"); }
std::shared_ptr<fw::Label> Fenster1::StaticText5() { return ControlNamed<fw::Label>("StaticText5"); }

void Fenster1::btn_quit_Action(fw::PushButton&) { fw::Quit(0); }
void Fenster1::btn_save_Action(fw::PushButton&) {}
void Fenster1::btn_datei_Action(fw::PushButton&) {}

std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu0() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu0"); }
std::shared_ptr<fw::MenuItem> Fenster1::EditClear() { return MenuItemNamed<fw::MenuItem>(*this, "EditClear"); }
std::shared_ptr<fw::MenuItem> Fenster1::EditPaste() { return MenuItemNamed<fw::MenuItem>(*this, "EditPaste"); }
std::shared_ptr<fw::MenuItem> Fenster1::EditCopy() { return MenuItemNamed<fw::MenuItem>(*this, "EditCopy"); }
std::shared_ptr<fw::MenuItem> Fenster1::EditCut() { return MenuItemNamed<fw::MenuItem>(*this, "EditCut"); }
std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu1() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu1"); }
std::shared_ptr<fw::MenuItem> Fenster1::EditUndo() { return MenuItemNamed<fw::MenuItem>(*this, "EditUndo"); }
std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu2() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu2"); }
std::shared_ptr<fw::QuitMenuItem> Fenster1::FileQuit() { return MenuItemNamed<fw::QuitMenuItem>(*this, "FileQuit"); }
std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu3() { return MenuItemNamed<fw::MenuItem>(*this, "UntitledMenu3"); }

void Fenster1::Event_Open() {}
