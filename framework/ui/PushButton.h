#pragma once

#include "framework/ui/RectControl.h"

namespace fw {

// A push button. Clicking it raises its Action event.
class PushButton : public RectControl {
public:
    static constexpr int kActionEvent = 15;

    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    String Caption() const { return TextProperty("Caption"); }
    // Presses the button from the program, as a click does.
    void Push() { RaiseEvent(kActionEvent); }

    std::optional<PropertyType> DeclaredType(std::string_view name) const override;

protected:
    std::unique_ptr<ControlPeer> MakePeer(WindowPeer& parent) override;
    void ApplyProperty(std::string_view name) override;
};

}  // namespace fw
