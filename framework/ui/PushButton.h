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

protected:
    std::unique_ptr<ControlPeer> MakePeer(WindowPeer& parent) override;
    std::span<const PropertyRule<RectControl>> OwnRules() const override;
};

}  // namespace fw
