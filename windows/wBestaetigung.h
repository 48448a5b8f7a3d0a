#pragma once

#include <memory>

#include "framework/ui/Window.h"

namespace fw {
class Label;
class PushButton;
}  // namespace fw

// The confirmation after a send: "Script ausgeführt" and the button "OK".
class wBestaetigung : public fw::Window {
public:
    static const fw::ClassRecord& Lookup();
    static void ctblinit();
    const fw::ClassRecord& Record() const override { return Lookup(); }

    virtual void Layout();
    virtual void CreateControls();
    virtual void _CreateControls0();
    virtual std::shared_ptr<fw::Label> StaticText1();
    virtual std::shared_ptr<fw::PushButton> pbOK();
    virtual void pbOK_Action(fw::PushButton& button);

protected:
    void HandleLayout() override { Layout(); }
    void HandleCreateControls() override { CreateControls(); }
};

// The open confirmation window, made and constructed when none is open.
std::shared_ptr<class wBestaetigung> wBestaetigung();
