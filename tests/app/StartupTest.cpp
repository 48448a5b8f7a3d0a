#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/Menue.h"
#include "framework/core/FileType.h"
#include "framework/ui/Window.h"
#include "tests/support/AppRun.h"
#include "tests/support/ModalAnswers.h"
#include "windows/Fenster1.h"

namespace {

using testsupport::RunApplicationWhile;
using testsupport::WindowWidget;

// What the running application looked like, taken inside the event loop.
struct RunningState {
    bool appIsApp = false;
    bool appMenuBarIsMenü = false;
    bool windowMenuBarIsMenü = false;
    std::size_t openWindows = 0;
    bool mainWindowOpen = false;
    std::vector<std::string> fileTypes;
};

RunningState TakeState() {
    RunningState state;
    const auto app = std::dynamic_pointer_cast<class App>(fw::_GetAppObject());
    state.appIsApp = app != nullptr;
    state.appMenuBarIsMenü = app && app->GetMenuBar() == Menü::_implicitInstance && Menü::_implicitInstance;
    state.openWindows = fw::OpenWindows().size();
    const auto window = fw::_GetImplicitWindow("Fenster1.Fenster1");
    state.mainWindowOpen = window != nullptr;
    state.windowMenuBarIsMenü = window && window->GetMenuBar() == Menü::_implicitInstance;
    for (const auto& type : fw::RegisteredFileTypes()) {
        state.fileTypes.push_back(type.name.Bytes() + "|" + type.macCreator.Bytes() + "|" + type.macType.Bytes() +
                                  "|" + type.extensions.Bytes());
    }
    return state;
}

void ExpectShutDown() {
    EXPECT_TRUE(fw::RegisteredFileTypes().empty()) << "the file type is deregistered";
    EXPECT_EQ(FileTypes::pSpecialAny, nullptr);
    EXPECT_EQ(Menü::_implicitInstance, nullptr);
    EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST(Startup, LeavesOneAppWithTheMenuBarOneMainWindowAndOneFileType) {
    RunningState state;
    const int status = RunApplicationWhile([&] {
        state = TakeState();
        testsupport::Click(WindowWidget("Fenster1.Fenster1"), "btn_quit");
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(state.appIsApp);
    EXPECT_TRUE(state.appMenuBarIsMenü);
    EXPECT_TRUE(state.windowMenuBarIsMenü) << "one menu bar object for both";
    EXPECT_EQ(state.openWindows, 1u);
    EXPECT_TRUE(state.mainWindowOpen);
    EXPECT_THAT(state.fileTypes, testing::ElementsAre("special/any|????|????|"));
    ExpectShutDown();
    EXPECT_EQ(App(), fw::_GetAppObject()) << "the framework keeps the application object";
}

QAction* QuitAction() {
    auto* window = qobject_cast<QMainWindow*>(WindowWidget("Fenster1.Fenster1"));
    return window ? window->menuBar()->findChild<QAction*>("FileQuit") : nullptr;
}

struct QuitPath {
    const char* name;
    std::function<void()> quit;
};

TEST(Startup, EndeAndBeendenEachEndTheLoopThroughTheSameShutdown) {
    const QuitPath paths[] = {
        {"button Ende", [] { testsupport::Click(WindowWidget("Fenster1.Fenster1"), "btn_quit"); }},
        {"menu item Beenden",
         [] {
             if (QAction* quit = QuitAction()) quit->trigger();
         }},
        {"shortcut Ctrl+Q",
         [] {
             QWidget* window = WindowWidget("Fenster1.Fenster1");
             window->activateWindow();
             if (QTest::qWaitForWindowActive(window)) QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
         }},
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path.name);
        EXPECT_EQ(RunApplicationWhile(path.quit, 5000), 0);
        ExpectShutDown();
    }
}

TEST(Startup, ClosingTheMainWindowEndsTheApplication) {
    const int status = RunApplicationWhile([] { WindowWidget("Fenster1.Fenster1")->close(); }, 5000);
    EXPECT_EQ(status, 0);
    ExpectShutDown();
}

// An open window that bears the main window's class name without being one: start-up's
// accessor finds it, and the cast to the main window's class fails inside start-up.
class Impostor : public fw::Window {
public:
    static const fw::ClassRecord& Lookup() {
        static const fw::ClassRecord record{.name = "Fenster1.Fenster1", .base = &fw::Window::Lookup()};
        return record;
    }
    const fw::ClassRecord& Record() const override { return Lookup(); }
};

TEST(Startup, ExceptionOutOfStartupIsShownAndTheShutdownStillRuns) {
    const auto impostor = std::make_shared<Impostor>();
    impostor->Constructor();
    testsupport::ModalAnswers answers({testsupport::PressOk()});
    const int status = testsupport::RunApplicationWhile([] {}, 5000);
    EXPECT_NE(status, 0);
    EXPECT_NE(status, testsupport::kTimedOut) << "the loop never ran";
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].kind, "Meldung");
    EXPECT_THAT(answers.Seen()[0].text, testing::HasSubstr("IllegalCastException"));
    ExpectShutDown();
}

}  // namespace
