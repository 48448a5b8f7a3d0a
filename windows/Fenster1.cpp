// Interim definitions until the window's layout and commands are in place.
#include "windows/Fenster1.h"

const fw::ClassRecord& Fenster1::Lookup() {
    static const fw::ClassRecord record{.name = "Fenster1.Fenster1"};
    return record;
}
void Fenster1::ctblinit() {}
void Fenster1::Layout() {}
void Fenster1::CreateControls() {}
void Fenster1::_CreateControls0() {}
std::shared_ptr<fw::PushButton> Fenster1::btn_quit() { return nullptr; }
std::shared_ptr<fw::PushButton> Fenster1::btn_save() { return nullptr; }
std::shared_ptr<fw::PushButton> Fenster1::btn_datei() { return nullptr; }
std::shared_ptr<fw::Label> Fenster1::StaticText1() { return nullptr; }
std::shared_ptr<fw::Label> Fenster1::StaticText2() { return nullptr; }
std::shared_ptr<fw::Label> Fenster1::StaticText3() { return nullptr; }
std::shared_ptr<fw::Label> Fenster1::StaticText5() { return nullptr; }
void Fenster1::btn_quit_Action(fw::PushButton&) {}
void Fenster1::btn_save_Action(fw::PushButton&) {}
void Fenster1::btn_datei_Action(fw::PushButton&) {}
std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu0() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::EditClear() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::EditPaste() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::EditCopy() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::EditCut() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu1() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::EditUndo() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu2() { return nullptr; }
std::shared_ptr<fw::QuitMenuItem> Fenster1::FileQuit() { return nullptr; }
std::shared_ptr<fw::MenuItem> Fenster1::UntitledMenu3() { return nullptr; }
void Fenster1::Event_Open() {}
