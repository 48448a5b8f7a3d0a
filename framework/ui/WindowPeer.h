#pragma once

// The Qt side of a window; only the framework's user-interface part includes this.

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QEventLoop;

namespace fw {

class Window;

// A top-level window: its central widget is the window's content area, where the
// controls sit at their own positions, with the menu bar above it.
class WindowWidget : public QMainWindow {
public:
    explicit WindowWidget(std::weak_ptr<Window> owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::weak_ptr<Window> owner_;
};

struct WindowPeer {
    explicit WindowPeer(std::weak_ptr<Window> owner);
    ~WindowPeer();
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    QWidget& Content() const { return *widget->centralWidget(); }
    int MenuBarHeight() const;

    QPointer<WindowWidget> widget;
    QEventLoop* modalLoop = nullptr;
};

// Deletes a widget of the framework's; inside an event handler only once control is
// back in the event loop, since the handler may run inside one of the widget's events.
void DisposeWidget(QWidget* widget);

}  // namespace fw
