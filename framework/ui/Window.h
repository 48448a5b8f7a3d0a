#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/Object.h"
#include "framework/core/String.h"
#include "framework/ui/PropertyTarget.h"

namespace fw {

class MenuBar;
class RectControl;
struct WindowPeer;

// A window of the framework. Nothing is shown until Constructor builds it; a window made
// but never constructed holds its fields only and touches no part of the user interface.
// Its controls belong to it and are found again by their names.
class Window : public Object, public PropertyTarget {
public:
    Window();
    ~Window() override;

    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    // Builds the window: raises Layout and CreateControls, orders the controls' tab
    // focus by their TabIndex, then shows the window when its Visible property is true
    // and raises Open. From then on the framework holds the window until it is closed.
    virtual void Constructor();
    // Closes the window; the application ends with its last open window.
    virtual void Close();
    // Shows the window modally and returns once it has been closed.
    virtual void ShowModal();

    // A new control of that class for this window, not yet constructed.
    virtual std::shared_ptr<RectControl> New(const ClassRecord& controlClass);
    virtual void _AddControl(const String& name, std::shared_ptr<RectControl> control);
    // The control of that name, nil when the window holds none.
    virtual std::shared_ptr<RectControl> _ControlByName(const String& name) const;

    // Makes, constructs and adds a control of that class under that name.
    void CreateControl(const ClassRecord& controlClass, const String& name);
    // The control of that name as a T; nil when there is none.
    template <class T>
    std::shared_ptr<T> ControlNamed(const String& name) const {
        return RuntimeCheckCast<T>(_ControlByName(name));
    }

    void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);
    std::shared_ptr<fw::MenuBar> GetMenuBar() const;

    bool IsOpen() const { return open_; }

    // The user-interface side, made when first needed.
    WindowPeer& Peer();

    std::optional<PropertyType> DeclaredType(std::string_view name) const override;
    std::string PropertyOwnerName() const override { return Record().name; }

protected:
    // The window's events; a class handles one by overriding it.
    virtual void HandleLayout() {}
    virtual void HandleCreateControls() {}
    virtual void HandleOpen() {}

    void ApplyProperty(std::string_view name) override;

private:
    void OrderTabStops();

    std::unique_ptr<WindowPeer> peer_;
    std::shared_ptr<fw::MenuBar> menuBar_;
    std::vector<std::pair<String, std::shared_ptr<RectControl>>> controls_;
    bool open_ = false;
};

// The open window of that class (its class record's name), nil when none is open.
std::shared_ptr<Window> _GetImplicitWindow(const std::string& className);
// The open windows, in the order they were opened.
const std::vector<std::shared_ptr<Window>>& OpenWindows();
// Lets go of the open windows at shutdown.
void _ReleaseOpenWindows();

// The open window of class W, made and constructed when none is open.
template <class W>
std::shared_ptr<W> ImplicitWindow() {
    auto window = _GetImplicitWindow(W::Lookup().name);
    if (!window) {
        window = RuntimeCheckCast<Window>(RuntimeNewObject(W::Lookup()));
        Checked(window).Constructor();
    }
    return RuntimeCheckCast<W>(window);
}

}  // namespace fw
