#include "app/App.h"

#include <optional>

namespace {

std::optional<fw::ClassRecord> record;

std::shared_ptr<fw::Object> NewApp() { return std::make_shared<class App>(); }

fw::ClassRecord BuildRecord() {
    const auto& base = fw::Application::Lookup();
    auto operations = base.virtualOperations;
    operations.push_back("Constructor");
    return {
        .name = "App",
        .base = &base,
        .virtualOperations = operations,
        .methods = {{"Constructor", "%%", fw::kPublic}},
        .attributes = fw::kPublic,
        .newObject = NewApp,
    };
}

}  // namespace

void App::ctblinit() {
    if (record) return;
    record = BuildRecord();
    fw::RuntimeNewClass(*record);
}

const fw::ClassRecord& App::Lookup() {
    if (!record) ctblinit();
    return *record;
}

void App::Constructor() {}

std::shared_ptr<class App> App() { return fw::RuntimeCheckCast<class App>(fw::_GetAppObject()); }
