#pragma once

#include <memory>

class Fenster1;
class QMainWindow;
class QWidget;

namespace testsupport {

// The main window as start-up opens it, with its menu bar, but without the event loop.
// Closes it and releases the menu bar when it goes.
class ShownMainWindow {
public:
    ShownMainWindow();
    ~ShownMainWindow();
    ShownMainWindow(const ShownMainWindow&) = delete;
    ShownMainWindow& operator=(const ShownMainWindow&) = delete;

    class Fenster1& Window() const { return *window_; }
    const std::shared_ptr<class Fenster1>& Shared() const { return window_; }
    QMainWindow* Widget() const { return widget_; }
    QWidget* Control(const char* name) const;

private:
    std::shared_ptr<class Fenster1> window_;
    QMainWindow* widget_ = nullptr;
};

}  // namespace testsupport
