#include "windows/wBestaetigung.h"


#include "framework/core/ClassRecords.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "windows/wBestaetigungLayout.h"

namespace {

using fw::kPublic;

fw::ClassRecord BuildRecord() {
    std::vector<fw::MethodEntry> methods{
        {"Layout", "%%", kPublic},
        {"CreateControls", "%%", kPublic},
        {"_CreateControls0", "%%", fw::kPublicHidden},
        {"StaticText1", "%o<Label>%", kPublic},
        {"pbOK", "%o<PushButton>%", kPublic},
        {"pbOK_Action", "%%o<PushButton>", kPublic},
    };
    const auto& base = fw::Window::Lookup();
    return {
        .name = "wBestaetigung.wBestaetigung",
        .base = &base,
        .virtualOperations = fw::SubclassOperations(base, "wBestaetigung", methods),
        .methods = methods,
        .eventHandlers = {{"Layout", "wBestaetigung.Layout"}, {"CreateControls", "wBestaetigung.CreateControls"}},
        .attributes = kPublic,
        .newObject = &fw::NewObject<class wBestaetigung>,
    };
}

fw::ClassRecordOnce record(&BuildRecord);

}  // namespace

void wBestaetigung::ctblinit() { record.Build(); }

const fw::ClassRecord& wBestaetigung::Lookup() { return record.Get(); }

std::shared_ptr<class wBestaetigung> wBestaetigung() { return fw::ImplicitWindow<class wBestaetigung>(); }

void wBestaetigung::Layout() { fw::_SetProperties(*this, wBestaetigungWindowSet()); }

void wBestaetigung::CreateControls() { _CreateControls0(); }

void wBestaetigung::_CreateControls0() {
    CreateDescribedControls<class wBestaetigung>(*this, wBestaetigungControls());
}

std::shared_ptr<fw::Label> wBestaetigung::StaticText1() { return ControlNamed<fw::Label>("StaticText1"); }
std::shared_ptr<fw::PushButton> wBestaetigung::pbOK() { return ControlNamed<fw::PushButton>("pbOK"); }

void wBestaetigung::pbOK_Action(fw::PushButton&) { Close(); }
