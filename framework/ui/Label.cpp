#include "framework/ui/Label.h"

#include <QLabel>
#include <array>

#include "framework/core/ClassRecords.h"
#include "framework/ui/ControlPeer.h"
#include "framework/ui/PropertyRules.h"
#include "framework/ui/QtText.h"
#include "framework/ui/WindowPeer.h"

namespace fw {

namespace {

QLabel& LabelOf(RectControl& label) { return *label.Peer()->As<QLabel>(); }

void ApplyText(RectControl& label) { LabelOf(label).setText(ToQString(label.TextProperty("Text"))); }

Qt::Alignment Alignment(std::int32_t textAlign) {
    switch (textAlign) {
        case 1: return Qt::AlignHCenter;
        case 2: return Qt::AlignRight;
        default: return Qt::AlignLeft;
    }
}

void ApplyTextAlign(RectControl& label) {
    LabelOf(label).setAlignment(Alignment(label.Int32Property("TextAlign")) | Qt::AlignTop);
}

void ApplyTextColor(RectControl& label) {
    const Colour colour = label.ColourProperty("TextColor");
    QPalette palette = LabelOf(label).palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    LabelOf(label).setPalette(palette);
}

void ApplyMultiline(RectControl& label) { LabelOf(label).setWordWrap(label.BooleanProperty("Multiline")); }

void ApplySelectable(RectControl& label) {
    LabelOf(label).setTextInteractionFlags(label.BooleanProperty("Selectable") ? Qt::TextSelectableByMouse
                                                                               : Qt::NoTextInteraction);
}

const std::array<PropertyRule<RectControl>, 9> kRules{{
    {"Text", PropertyType::String, &ApplyText},
    {"TextAlign", PropertyType::Int32, &ApplyTextAlign},
    {"TextColor", PropertyType::Colour, &ApplyTextColor},
    {"Multiline", PropertyType::Boolean, &ApplyMultiline},
    {"Selectable", PropertyType::Boolean, &ApplySelectable},
    {"Transparent", PropertyType::Boolean},
    {"DataSource", PropertyType::String},
    {"DataField", PropertyType::String},
    // A label never takes the focus, whatever its set says.
    {"TabStop", PropertyType::Boolean},
}};

}  // namespace

const ClassRecord& Label::Lookup() {
    static const ClassRecord record = SubclassRecord("Label", RectControl::Lookup(), &NewObject<Label>);
    return record;
}

std::unique_ptr<ControlPeer> Label::MakePeer(WindowPeer& parent) {
    auto* widget = new QLabel(&parent.Content());
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return std::make_unique<ControlPeer>(ControlPeer{widget});
}

std::span<const PropertyRule<RectControl>> Label::OwnRules() const { return kRules; }

}  // namespace fw
