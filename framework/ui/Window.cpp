#include "framework/ui/Window.h"

namespace fw {

struct Window::Peer {};

Window::Window() = default;
Window::~Window() = default;

}  // namespace fw
