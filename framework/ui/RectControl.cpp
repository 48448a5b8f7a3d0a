#include "framework/ui/RectControl.h"

#include <array>

#include "framework/ui/ControlPeer.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/Fonts.h"
#include "framework/core/ClassRecords.h"
#include "framework/ui/PropertyRules.h"
#include "framework/ui/QtText.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowPeer.h"

namespace fw {

namespace {

QWidget& WidgetOf(RectControl& control) { return *control.Peer()->widget; }

void ApplyName(RectControl& control) { WidgetOf(control).setObjectName(ToQString(control.Name())); }

void ApplyGeometry(RectControl& control) {
    WidgetOf(control).setGeometry(control.Int32Property("Left"), control.Int32Property("Top"),
                                  control.Int32Property("Width"), control.Int32Property("Height"));
}

void ApplyTabStop(RectControl& control) {
    WidgetOf(control).setFocusPolicy(control.BooleanProperty("TabStop") ? Qt::StrongFocus : Qt::NoFocus);
}

void ApplyEnabled(RectControl& control) { WidgetOf(control).setEnabled(control.BooleanProperty("Enabled")); }
void ApplyVisible(RectControl& control) { WidgetOf(control).setVisible(control.BooleanProperty("Visible")); }
void ApplyHelpTag(RectControl& control) { WidgetOf(control).setToolTip(ToQString(control.TextProperty("HelpTag"))); }

void ApplyFont(RectControl& control) {
    WidgetOf(control).setFont(ControlFont(control.TextProperty("TextFont"), control.TextSize(),
                                          control.BooleanProperty("Bold"), control.BooleanProperty("Italic"),
                                          control.BooleanProperty("Underline")));
}

constexpr auto Boolean = PropertyType::Boolean;
constexpr auto Int32 = PropertyType::Int32;

const std::array<PropertyRule<RectControl>, 22> kRules{{
    {"Name", PropertyType::String, &ApplyName},
    {"Index", Int32},
    {"Left", Int32, &ApplyGeometry},
    {"Top", Int32, &ApplyGeometry},
    {"Width", Int32, &ApplyGeometry},
    {"Height", Int32, &ApplyGeometry},
    {"LockLeft", Boolean},
    {"LockTop", Boolean},
    {"LockRight", Boolean},
    {"LockBottom", Boolean},
    {"TabPanelIndex", Int32},
    {"TabIndex", Int32},
    {"TabStop", Boolean, &ApplyTabStop},
    {"Enabled", Boolean, &ApplyEnabled},
    {"Visible", Boolean, &ApplyVisible},
    {"HelpTag", PropertyType::String, &ApplyHelpTag},
    {"AutoDeactivate", Boolean},
    {"TextFont", PropertyType::String, &ApplyFont},
    {"Bold", Boolean, &ApplyFont},
    {"Italic", Boolean, &ApplyFont},
    {"Underline", Boolean, &ApplyFont},
    {"InitialParent", PropertyType::String},
}};

}  // namespace

RectControl::RectControl() = default;
RectControl::~RectControl() = default;

const ClassRecord& RectControl::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r;
        r.name = "RectControl";
        r.base = &ObjectRecord();
        r.virtualOperations = {"RectControl.Constructor"};
        r.attributes = kPublic;
        return r;
    }();
    return record;
}

void RectControl::Constructor() {
    peer_ = MakePeer(Checked(ParentWindow()).Peer());
    peer_->widget->show();
    ApplyAllProperties();
    ApplyFont(*this);
}

void RectControl::SetTextSize(float size) {
    textSize_ = size;
    if (peer_) ApplyFont(*this);
}

void RectControl::AddEventHandler(int eventNumber, std::shared_ptr<Delegate> delegate) {
    if (!bindings_.emplace(eventNumber, std::move(delegate)).second) {
        throw RuntimeException(String("Das Ereignis " + std::to_string(eventNumber) + " von „" + Name().Bytes() +
                                      "“ ist schon gebunden."));
    }
}

void RectControl::RaiseEvent(int eventNumber) {
    const auto binding = bindings_.find(eventNumber);
    if (binding == bindings_.end()) return;
    const auto delegate = binding->second;
    delegate->Invoke(*this);
}

std::optional<PropertyType> RectControl::DeclaredType(std::string_view name) const {
    if (auto type = RuleType<RectControl>(OwnRules(), name)) return type;
    return RuleType<RectControl>(kRules, name);
}

void RectControl::ApplyProperty(std::string_view name) {
    if (!peer_ || !peer_->widget) return;
    if (!ApplyRule<RectControl>(OwnRules(), *this, name)) ApplyRule<RectControl>(kRules, *this, name);
}

}  // namespace fw
