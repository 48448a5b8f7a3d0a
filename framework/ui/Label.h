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

protected:
    std::unique_ptr<ControlPeer> MakePeer(WindowPeer& parent) override;
    std::span<const PropertyRule<RectControl>> OwnRules() const override;
};

}  // namespace fw
