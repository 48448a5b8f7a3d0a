#pragma once

#include <memory>

#include "framework/core/Application.h"

// The application object: one instance, made and registered at start-up.
class App : public fw::Application {
public:
    static const fw::ClassRecord& Lookup();
    static void ctblinit();
    const fw::ClassRecord& Record() const override { return Lookup(); }

    void Constructor() override;
};

// The registered application object.
std::shared_ptr<class App> App();
