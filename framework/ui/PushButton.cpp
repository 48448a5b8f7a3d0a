#include "framework/ui/PushButton.h"

#include <QPushButton>
#include <array>

#include "framework/ui/ControlPeer.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/PropertyRules.h"
#include "framework/ui/QtText.h"
#include "framework/ui/WindowPeer.h"

namespace fw {

namespace {

QPushButton& ButtonOf(PushButton& button) { return *button.Peer()->As<QPushButton>(); }

void ApplyCaption(PushButton& button) { ButtonOf(button).setText(MnemonicFree(button.Caption())); }
void ApplyDefault(PushButton& button) { ButtonOf(button).setDefault(button.BooleanProperty("Default")); }

const std::array<PropertyRule<PushButton>, 4> kRules{{
    {"Caption", PropertyType::String, &ApplyCaption},
    {"Default", PropertyType::Boolean, &ApplyDefault},
    {"Cancel", PropertyType::Boolean},
    {"ButtonStyle", PropertyType::Int32},
}};

}  // namespace

const ClassRecord& PushButton::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r;
        r.name = "PushButton";
        r.base = &RectControl::Lookup();
        r.virtualOperations = r.base->virtualOperations;
        r.attributes = kPublic;
        r.newObject = [] { return std::shared_ptr<Object>(std::make_shared<PushButton>()); };
        return r;
    }();
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

std::optional<PropertyType> PushButton::DeclaredType(std::string_view name) const {
    if (auto type = RuleType<PushButton>(kRules, name)) return type;
    return RectControl::DeclaredType(name);
}

void PushButton::ApplyProperty(std::string_view name) {
    if (Peer() && Peer()->widget && ApplyRule<PushButton>(kRules, *this, name)) return;
    RectControl::ApplyProperty(name);
}

}  // namespace fw
