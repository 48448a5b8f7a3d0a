#include "framework/ui/Lifecycle.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cerrno>
#include <memory>

#include "framework/core/Application.h"
#include "framework/core/ClassRecord.h"
#include "framework/core/FileType.h"
#include "framework/core/Runtime.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuBar.h"
#include "framework/core/ClassRecords.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/QuitMenuItem.h"
#include "framework/ui/Window.h"

namespace fw {

namespace {

struct RunState {
    std::unique_ptr<QApplication> ownApplication;
    std::unique_ptr<QTranslator> translator;
    QLocale previousLocale;
    QEventLoop* loop = nullptr;
    bool quitRequested = false;
    bool failed = false;
    int exitCode = 0;
};

RunState& State() {
    static RunState state;
    return state;
}

void RegisterFrameworkClasses() {
    static const bool registered = [] {
        for (const ClassRecord* record :
             {&ObjectRecord(), &Window::Lookup(), &RectControl::Lookup(), &PushButton::Lookup(), &Label::Lookup(),
              &MenuItem::Lookup(), &MenuBar::Lookup(), &QuitMenuItem::Lookup(), &Application::Lookup(),
              &FileType::Lookup()}) {
            RuntimeNewClass(*record);
        }
        return true;
    }();
    (void)registered;
}

void EnsureApplication(RunState& state) {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char* argv[] = {program_invocation_name, nullptr};
    state.ownApplication = std::make_unique<QApplication>(argc, argv);
}

// The framework speaks German in its own dialogs too, whatever the machine's locale.
void InstallGermanTexts(RunState& state) {
    state.previousLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    state.translator = std::make_unique<QTranslator>();
    if (state.translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(state.translator.get());
    }
}

// Repaints and runs timers, but leaves clicks and keys for later.
void GiveBackgroundTurn() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace

void RuntimeInit() {
    RunState& state = State();
    EnsureApplication(state);
    InstallGermanTexts(state);
    SetMessageBoxHandler(&ShowMessageBox);
    SetBackgroundTaskHandler(&GiveBackgroundTurn);
    RegisterFrameworkClasses();
    state.quitRequested = false;
    state.failed = false;
    state.exitCode = 0;
}

void _RunFrameworkInitialization(void (*startup)()) { startup(); }

void _RuntimeRun() {
    RunState& state = State();
    if (state.quitRequested) return;
    QEventLoop loop;
    state.loop = &loop;
    loop.exec();
    state.loop = nullptr;
}

bool _RuntimeRunning() { return State().loop != nullptr; }

void Quit(int exitCode) {
    RunState& state = State();
    state.exitCode = exitCode;
    state.quitRequested = true;
    if (state.loop) state.loop->exit(exitCode);
}

void _UnhandledException(const std::exception_ptr& exception) {
    State().failed = true;
    ReportUnhandledException(exception);
}

void _ReleaseModuleState() { _ReleaseOpenWindows(); }

int RuntimeExit() {
    RunState& state = State();
    _ReleaseOpenWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageBoxHandler(nullptr);
    SetBackgroundTaskHandler(nullptr);
    if (state.translator) QCoreApplication::removeTranslator(state.translator.get());
    state.translator.reset();
    QLocale::setDefault(state.previousLocale);
    state.ownApplication.reset();
    return state.failed ? 1 : state.exitCode;
}

}  // namespace fw
