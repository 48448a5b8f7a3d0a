#include "app/App.h"

#include "framework/core/ClassRecords.h"

namespace {

fw::ClassRecord BuildRecord() {
    const std::vector<fw::MethodEntry> methods{{"Constructor", "%%", fw::kPublic}};
    const auto& base = fw::Application::Lookup();
    return {
        .name = "App",
        .base = &base,
        .virtualOperations = fw::SubclassOperations(base, "App", methods),
        .methods = methods,
        .attributes = fw::kPublic,
        .newObject = &fw::NewObject<class App>,
    };
}

fw::ClassRecordOnce record(&BuildRecord);

}  // namespace

void App::ctblinit() { record.Build(); }

const fw::ClassRecord& App::Lookup() { return record.Get(); }

void App::Constructor() {}

std::shared_ptr<class App> App() { return fw::RuntimeCheckCast<class App>(fw::_GetAppObject()); }
