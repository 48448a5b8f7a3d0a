#include "app/Menue.h"

#include <algorithm>
#include <span>

#include "framework/core/ClassRecords.h"
#include "framework/ui/QuitMenuItem.h"

std::shared_ptr<class Menü> Menü::_implicitInstance;

namespace {

struct MenuEntry {
    const char* text;
    const char* name;
    const fw::ClassRecord& (*itemClass)();
    bool autoEnable;
    std::optional<const char*> shortcut;  // the separator's is never set
    const char* menu;                     // nullptr: the bar itself
};

const MenuEntry kAblage[] = {
    {"Ablage", "UntitledMenu2", &fw::MenuItem::Lookup, false, "", nullptr},
    {"Beenden", "FileQuit", &fw::QuitMenuItem::Lookup, true, "Cmd+Q", "UntitledMenu2"},
};

const MenuEntry kBearbeiten[] = {
    {"Bearbeiten", "UntitledMenu0", &fw::MenuItem::Lookup, false, "", nullptr},
    {"Undo", "EditUndo", &fw::MenuItem::Lookup, false, "Cmd+Z", "UntitledMenu0"},
    {"-", "UntitledMenu1", &fw::MenuItem::Lookup, false, std::nullopt, "UntitledMenu0"},
    {"Ausschneiden", "EditCut", &fw::MenuItem::Lookup, false, "Cmd+X", "UntitledMenu0"},
    {"Kopieren", "EditCopy", &fw::MenuItem::Lookup, false, "Cmd+C", "UntitledMenu0"},
    {"Einfügen", "EditPaste", &fw::MenuItem::Lookup, false, "Cmd+V", "UntitledMenu0"},
    {"Löschen", "EditClear", &fw::MenuItem::Lookup, false, "", "UntitledMenu0"},
};

void AddEntries(fw::MenuBar& bar, std::span<const MenuEntry> entries) {
    std::shared_ptr<fw::MenuItem> item;
    for (const MenuEntry& entry : entries) {
        item = fw::RuntimeCheckCast<fw::MenuItem>(fw::RuntimeNewObject(entry.itemClass()));
        fw::Checked(item).Constructor();
        fw::Checked(item).SetName(entry.name);
        fw::Checked(item).SetAutoEnable(entry.autoEnable);
        fw::Checked(item).SetText(entry.text);
        if (entry.shortcut) fw::Checked(item).SetKeyboardShortcut(*entry.shortcut);
        if (entry.menu) fw::Checked(bar.Child(entry.menu)).Append(item);
        else bar.Append(item);
    }
}

fw::ClassRecord BuildRecord() {
    const auto& base = fw::MenuBar::Lookup();
    auto operations = base.virtualOperations;
    // The bar's own constructor takes the slot of the default one.
    std::replace(operations.begin(), operations.end(), std::string("MenuItem.Constructor"),
                 std::string("Menü.Constructor"));
    operations.push_back("Menü.Untitled1");
    operations.push_back("Menü.Untitled2");
    return {
        .name = "Menü.Menü",
        .base = &base,
        .virtualOperations = operations,
        .methods = {{"Constructor", "%%", fw::kPublic},
                    {"Untitled1", "%%", fw::kPublic},
                    {"Untitled2", "%%", fw::kPublic}},
        .attributes = fw::kPublic,
        .newObject = &fw::NewObject<class Menü>,
    };
}

fw::ClassRecordOnce record(&BuildRecord);

}  // namespace

void Menü::ctblinit() { record.Build(); }

const fw::ClassRecord& Menü::Lookup() { return record.Get(); }

void Menü::Constructor() {
    Untitled1();
    Untitled2();
}

void Menü::Untitled1() { AddEntries(*this, kAblage); }

void Menü::Untitled2() { AddEntries(*this, kBearbeiten); }

std::shared_ptr<class Menü> Menü() {
    if (!Menü::_implicitInstance) {
        auto bar = fw::RuntimeCheckCast<class Menü>(fw::RuntimeNewObject(Menü::Lookup()));
        bar->Constructor();
        Menü::_implicitInstance = bar;
    }
    return Menü::_implicitInstance;
}
