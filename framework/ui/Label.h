#pragma once

#include "framework/ui/RectControl.h"

namespace fw {

// A text label.
class Label : public RectControl {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    String Text() const { return TextProperty("Text"); }
    void SetText(const String& text) { SetProperty("Text", text); }

    std::optional<PropertyType> DeclaredType(std::string_view name) const override;

protected:
    std::unique_ptr<ControlPeer> MakePeer(WindowPeer& parent) override;
    void ApplyProperty(std::string_view name) override;
};

}  // namespace fw
