#pragma once

#include <memory>

#include "framework/core/Array.h"
#include "framework/core/FolderItem.h"
#include "framework/ui/Window.h"

namespace fw {
class Label;
class MenuItem;
class PushButton;
class QuitMenuItem;
}  // namespace fw

// The main window. It owns the import state: the chosen export `f`, the loaded lines
// `zeilen` and their last index `anz_zeilen`.
class Fenster1 : public fw::Window {
public:
    static const fw::ClassRecord& Lookup();
    static void ctblinit();
    const fw::ClassRecord& Record() const override { return Lookup(); }

    // Layout and controls.
    virtual void Layout();
    virtual void CreateControls();
    virtual void _CreateControls0();
    virtual std::shared_ptr<fw::PushButton> btn_quit();
    virtual std::shared_ptr<fw::PushButton> btn_save();
    virtual std::shared_ptr<fw::PushButton> btn_datei();
    virtual std::shared_ptr<fw::Label> StaticText1();
    virtual std::shared_ptr<fw::Label> StaticText2();
    virtual std::shared_ptr<fw::Label> StaticText3();
    virtual std::shared_ptr<fw::Label> StaticText5();

    // Commands.
    virtual void btn_quit_Action(fw::PushButton& button);
    virtual void btn_save_Action(fw::PushButton& button);
    virtual void btn_datei_Action(fw::PushButton& button);

    // Items of the window's menu bar.
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu0();
    virtual std::shared_ptr<fw::MenuItem> EditClear();
    virtual std::shared_ptr<fw::MenuItem> EditPaste();
    virtual std::shared_ptr<fw::MenuItem> EditCopy();
    virtual std::shared_ptr<fw::MenuItem> EditCut();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu1();
    virtual std::shared_ptr<fw::MenuItem> EditUndo();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu2();
    virtual std::shared_ptr<fw::QuitMenuItem> FileQuit();
    virtual std::shared_ptr<fw::MenuItem> UntitledMenu3();

    virtual void Event_Open();

    // The booking import.
    virtual void Laden();
    virtual void buchung_erzeugen();

    // The import state.
    std::shared_ptr<fw::FolderItem> f;
    std::int32_t Anzahl = 0;
    std::shared_ptr<fw::Array<fw::String>> zeilen = fw::CreateArray<fw::String>(-1);
    std::int32_t anz_zeilen = 0;

protected:
    void HandleLayout() override { Layout(); }
    void HandleCreateControls() override { CreateControls(); }
    void HandleOpen() override { Event_Open(); }
};

// The open main window, made and constructed when none is open.
std::shared_ptr<class Fenster1> Fenster1();
