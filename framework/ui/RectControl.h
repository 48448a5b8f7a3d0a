#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>

#include "framework/core/Object.h"
#include "framework/ui/PropertyRules.h"
#include "framework/ui/PropertyTarget.h"

namespace fw {

class Delegate;
class Window;
struct ControlPeer;
struct WindowPeer;

enum class FontUnits : std::uint8_t { Default = 0, Pixel, Point, Inch, Millimeter };

// A control inside a window. It is made for its window (Window::New), gets its widget
// when it is constructed, and holds its window weakly: the window owns the control.
class RectControl : public Object, public PropertyTarget {
public:
    RectControl();
    ~RectControl() override;

    static const ClassRecord& Lookup();

    // Builds the control's widget in its window's content area.
    virtual void Constructor();

    String Name() const { return TextProperty("Name"); }
    std::shared_ptr<Window> ParentWindow() const { return window_.lock(); }

    // The font size; 0 is the system's size.
    void SetTextSize(float size);
    float TextSize() const { return textSize_; }
    void SetTextUnit(FontUnits unit) { textUnit_ = unit; }
    FontUnits TextUnit() const { return textUnit_; }

    // Binds an event of the control to a delegate; an event takes one binding only.
    void AddEventHandler(int eventNumber, std::shared_ptr<Delegate> delegate);

    // The user-interface side; nil before the control is constructed.
    ControlPeer* Peer() const { return peer_.get(); }

    std::optional<PropertyType> DeclaredType(std::string_view name) const override;
    std::string PropertyOwnerName() const override { return Record().name; }

protected:
    // The widget of this kind of control, inside `parent`.
    virtual std::unique_ptr<ControlPeer> MakePeer(WindowPeer& parent) = 0;
    // The properties this kind of control adds, or declares anew, over every control's.
    virtual std::span<const PropertyRule<RectControl>> OwnRules() const { return {}; }
    void ApplyProperty(std::string_view name) override;
    // Runs the delegate bound to the event, if any, with this control.
    void RaiseEvent(int eventNumber);

private:
    friend class Window;

    std::weak_ptr<Window> window_;
    std::unique_ptr<ControlPeer> peer_;
    std::map<int, std::shared_ptr<Delegate>> bindings_;
    float textSize_ = 0;
    FontUnits textUnit_ = FontUnits::Default;
};

}  // namespace fw
