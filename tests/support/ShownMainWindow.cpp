#include "tests/support/ShownMainWindow.h"

#include <QMainWindow>

#include "app/Menue.h"
#include "framework/ui/Lifecycle.h"
#include "tests/support/AppRun.h"
#include "windows/Fenster1.h"

namespace testsupport {

ShownMainWindow::ShownMainWindow() {
    fw::RuntimeInit();
    window_ = Fenster1();
    widget_ = qobject_cast<QMainWindow*>(WindowWidget("Fenster1.Fenster1"));
}

ShownMainWindow::~ShownMainWindow() {
    window_->Close();
    window_.reset();
    Menü::_implicitInstance = nullptr;
    fw::RuntimeExit();
}

QWidget* ShownMainWindow::Control(const char* name) const {
    return widget_ ? widget_->centralWidget()->findChild<QWidget*>(name) : nullptr;
}

}  // namespace testsupport
