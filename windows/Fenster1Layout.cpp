#include "windows/Fenster1Layout.h"

#include <limits>

#include "framework/ui/Label.h"
#include "windows/Fenster1.h"

namespace {

const WindowLook kLook{389, 215, "Velmora-Import v3 (für Dorvik 6 und neuer)", false, false};

struct ButtonRow {
    ControlBox box;
    const char* caption;
    void (Fenster1::*action)(fw::PushButton&);
};

const ButtonRow kButtons[] = {
    {.box = {.name = "btn_quit", .left = 304, .top = 175, .width = 69, .height = 20, .tabIndex = 0},
     .caption = "Ende",
     .action = &Fenster1::btn_quit_Action},
    {.box = {.name = "btn_save", .left = 20, .top = 175, .width = 127, .height = 20, .tabIndex = 1},
     .caption = "An Dorvik senden",
     .action = &Fenster1::btn_save_Action},
    {.box = {.name = "btn_datei", .left = 20, .top = 110, .width = 127, .height = 20, .tabIndex = 2},
     .caption = "Datei auswählen",
     .action = &Fenster1::btn_datei_Action},
};

struct LabelRow {
    ControlBox box;
    const char* text;  // also the help tag
    bool multiline;
    float textSize;
};

const LabelRow kLabels[] = {
    {.box = {.name = "StaticText1", .left = 20, .top = 14, .width = 353, .height = 20, .tabIndex = 3},
     .text = "Import von Buchungen nach Dorvik",
     .multiline = false,
     .textSize = 12},
    {.box = {.name = "StaticText2", .left = 20, .top = 46, .width = 353, .height = 44, .tabIndex = 5},
     .text = "Die Konten müssen in der Kontenmappe vorhanden sein und genauso heißen wie in Velmora.",
     .multiline = true,
     .textSize = 12},
    {.box = {.name = "StaticText3", .left = 159, .top = 110, .width = 212, .height = 20, .tabIndex = 6},
     .text = "",
     .multiline = false,
     .textSize = 12},
    {.box = {.name = "StaticText5", .left = 55, .top = 132, .width = 127, .height = 20, .tabIndex = 8},
     .text = "(XML-Datei)",
     .multiline = false,
     .textSize = 9},
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

}  // namespace

fw::String Fenster1WindowSet() { return WindowSet(kLook); }

const std::vector<ControlDescription<class Fenster1>>& Fenster1Controls() {
    static const std::vector<ControlDescription<class Fenster1>> controls = [] {
        std::vector<ControlDescription<class Fenster1>> list;
        for (const ButtonRow& row : kButtons) {
            list.push_back({row.box.name, &fw::PushButton::Lookup, 12, fw::FontUnits::Default, ButtonSet(row),
                            row.action});
        }
        for (const LabelRow& row : kLabels) {
            list.push_back({row.box.name, &fw::Label::Lookup, row.textSize, fw::FontUnits::Default, LabelSet(row)});
        }
        return list;
    }();
    return controls;
}
