#include "tests/support/AppRun.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/Startup.h"
#include "framework/ui/Lifecycle.h"

namespace testsupport {

int RunApplicationWhile(const std::function<void()>& steps, int timeoutMs) {
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, steps);
    start.start(0);
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        fw::Quit(kTimedOut);
    });
    deadline.start(timeoutMs);
    const int status = RunApplication();
    return timedOut ? kTimedOut : status;
}

QWidget* WindowWidget(const char* className) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == className && widget->isVisible()) return widget;
    }
    return nullptr;
}

QPushButton* ButtonOf(QWidget* window, const char* name) {
    return window ? window->findChild<QPushButton*>(name) : nullptr;
}

void Click(QWidget* window, const char* button) {
    if (QPushButton* target = ButtonOf(window, button)) QTest::mouseClick(target, Qt::LeftButton);
}

}  // namespace testsupport
