#include "framework/ui/PushButton.h"

#include <QPushButton>
#include <array>

#include "framework/core/ClassRecords.h"
#include "framework/ui/ControlPeer.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/PropertyRules.h"
#include "framework/ui/QtText.h"
#include "framework/ui/WindowPeer.h"

namespace fw {

namespace {

QPushButton& ButtonOf(RectControl& button) { return *button.Peer()->As<QPushButton>(); }

void ApplyCaption(RectControl& button) { ButtonOf(button).setText(MnemonicFree(button.TextProperty("Caption"))); }
void ApplyDefault(RectControl& button) { ButtonOf(button).setDefault(button.BooleanProperty("Default")); }

const std::array<PropertyRule<RectControl>, 4> kRules{{
    {"Caption", PropertyType::String, &ApplyCaption},
    {"Default", PropertyType::Boolean, &ApplyDefault},
    {"Cancel", PropertyType::Boolean},
    {"ButtonStyle", PropertyType::Int32},
}};

}  // namespace

const ClassRecord& PushButton::Lookup() {
    static const ClassRecord record = SubclassRecord("PushButton", RectControl::Lookup(), &NewObject<PushButton>);
    return record;
}

std::unique_ptr<ControlPeer> PushButton::MakePeer(WindowPeer& parent) {
    auto* widget = new QPushButton(&parent.Content());
    widget->setAutoDefault(false);
    std::weak_ptr<PushButton> self = std::static_pointer_cast<PushButton>(shared_from_this());
    QObject::connect(widget, &QPushButton::clicked, [self] {
        RunEventHandler([&] {
            if (auto button = self.lock()) button->Push();
        });
    });
    return std::make_unique<ControlPeer>(ControlPeer{widget});
}

std::span<const PropertyRule<RectControl>> PushButton::OwnRules() const { return kRules; }

}  // namespace fw
