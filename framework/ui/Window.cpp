// Interim definitions until the windowing backend is in place.
#include "framework/ui/Window.h"

namespace fw {

struct Window::Peer {};

Window::Window() = default;
Window::~Window() = default;

const ClassRecord& Window::Lookup() {
    static const ClassRecord record{.name = "Window"};
    return record;
}
void Window::Constructor() {}
void Window::Close() {}
void Window::ShowModal() {}
std::shared_ptr<RectControl> Window::New(const ClassRecord&) { return nullptr; }
void Window::_AddControl(const String&, std::shared_ptr<RectControl>) {}
std::shared_ptr<RectControl> Window::_ControlByName(const String&) const { return nullptr; }

}  // namespace fw
