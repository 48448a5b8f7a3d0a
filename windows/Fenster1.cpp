#include "windows/Fenster1.h"


#include "app/Menue.h"
#include "framework/core/Runtime.h"
#include "framework/core/ClassRecords.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/Label.h"
#include "framework/ui/Lifecycle.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/QuitMenuItem.h"
#include "windows/Fenster1Layout.h"
#include "windows/wBestaetigung.h"

namespace {

template <class Item>
std::shared_ptr<Item> MenuItemNamed(const class Fenster1& window, const char* name) {
    return fw::RuntimeCheckCast<Item>(fw::Checked(window.GetMenuBar())._Lookup(name));
}

using fw::kPublic;

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
        .newObject = &fw::NewObject<class Fenster1>,
    };
}

fw::ClassRecordOnce record(&BuildRecord);

}  // namespace

void Fenster1::ctblinit() { record.Build(); }

const fw::ClassRecord& Fenster1::Lookup() { return record.Get(); }

std::shared_ptr<class Fenster1> Fenster1() { return fw::ImplicitWindow<class Fenster1>(); }

void Fenster1::Layout() {
    SetMenuBar(Menü());
    fw::_SetProperties(*this, Fenster1WindowSet());
}

void Fenster1::CreateControls() { _CreateControls0(); }

void Fenster1::_CreateControls0() { CreateDescribedControls<class Fenster1>(*this, Fenster1Controls()); }

std::shared_ptr<fw::PushButton> Fenster1::btn_quit() { return ControlNamed<fw::PushButton>("btn_quit"); }
std::shared_ptr<fw::PushButton> Fenster1::btn_save() { return ControlNamed<fw::PushButton>("btn_save"); }
std::shared_ptr<fw::PushButton> Fenster1::btn_datei() { return ControlNamed<fw::PushButton>("btn_datei"); }
std::shared_ptr<fw::Label> Fenster1::StaticText1() { return ControlNamed<fw::Label>("StaticText1"); }
std::shared_ptr<fw::Label> Fenster1::StaticText2() { return ControlNamed<fw::Label>("StaticText2"); }
std::shared_ptr<fw::Label> Fenster1::StaticText3() { return ControlNamed<fw::Label>("StaticText3"); }
std::shared_ptr<fw::Label> Fenster1::StaticText5() { return ControlNamed<fw::Label>("StaticText5"); }

void Fenster1::btn_quit_Action(fw::PushButton&) { fw::Quit(0); }
// A cancelled dialog forgets the earlier choice, but keeps its name shown and its lines.
void Fenster1::btn_datei_Action(fw::PushButton&) {
    f = fw::GetOpenFolderItem("special/any");
    if (!f) return;
    fw::Checked(StaticText3()).SetText(f->Name());
    Laden();
}

void Fenster1::btn_save_Action(fw::PushButton&) {
    if (!f || !f->Exists()) {
        fw::MsgBox("Zuerst Datei auswählen");
        return;
    }
    buchung_erzeugen();
    fw::Checked(wBestaetigung()).ShowModal();
}

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
