#pragma once

#include <memory>

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace fw {

class MenuBar;
class RectControl;

// A window of the framework. Nothing is shown until Constructor builds it; a window made
// but never constructed holds its fields only and touches no part of the user interface.
class Window : public Object {
public:
    Window();
    ~Window() override;

    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    // Builds the window: raises Layout and CreateControls, then shows it when its
    // Visible property is true and raises Open.
    virtual void Constructor();
    virtual void Close();
    // Shows the window modally and returns once it has been closed.
    virtual void ShowModal();

    // A new control of that class for this window, not yet constructed.
    virtual std::shared_ptr<RectControl> New(const ClassRecord& controlClass);
    virtual void _AddControl(const String& name, std::shared_ptr<RectControl> control);
    // The control of that name, nil when the window holds none.
    virtual std::shared_ptr<RectControl> _ControlByName(const String& name) const;

    void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar);
    std::shared_ptr<fw::MenuBar> GetMenuBar() const;

protected:
    // The window's events; a class handles one by overriding it.
    virtual void HandleLayout() {}
    virtual void HandleCreateControls() {}
    virtual void HandleOpen() {}

private:
    struct Peer;
    std::unique_ptr<Peer> peer_;
};

}  // namespace fw
