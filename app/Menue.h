#pragma once

#include <memory>

#include "framework/ui/MenuBar.h"

// The menu bar: "Ablage" with the quit item, "Bearbeiten" with the editing commands.
// One instance, shared by the application object and the main window.
class Menü : public fw::MenuBar {
public:
    static const fw::ClassRecord& Lookup();
    static void ctblinit();
    const fw::ClassRecord& Record() const override { return Lookup(); }

    // Builds both menus.
    void Constructor() override;
    // "Ablage".
    virtual void Untitled1();
    // "Bearbeiten".
    virtual void Untitled2();

    // The one instance, from its first use to shutdown.
    static std::shared_ptr<Menü> _implicitInstance;
};

// The menu bar, built on first use.
std::shared_ptr<class Menü> Menü();
