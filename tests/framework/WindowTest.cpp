#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/core/Exceptions.h"
#include "framework/core/ClassRecords.h"
#include "framework/ui/Delegate.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Label.h"
#include "framework/ui/Lifecycle.h"
#include "framework/ui/PropertySet.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Window.h"
#include "tests/support/AppRun.h"
#include "tests/support/ModalAnswers.h"

namespace {

// A window with one label and one button whose handler the test chooses.
class TestWindow : public fw::Window {
public:
    static const fw::ClassRecord& Lookup() {
        static const fw::ClassRecord record{.name = "TestWindow",
                                            .base = &fw::Window::Lookup(),
                                            .newObject = [] {
                                                return std::shared_ptr<fw::Object>(std::make_shared<TestWindow>());
                                            }};
        return record;
    }
    const fw::ClassRecord& Record() const override { return Lookup(); }

    void Pressed(fw::PushButton&) {
        ++presses;
        if (onPress) onPress(*this);
    }

    std::function<void(TestWindow&)> onPress;
    std::vector<std::string> events;
    int presses = 0;
    bool visible = true;

protected:
    void HandleLayout() override {
        events.push_back("Layout");
        fw::_SetProperties(*this, fw::PropertySet{{"Width", 200}, {"Height", 100}, {"Title", "Probe"},
                                                  {"Visible", visible}, {"Resizeable", true}, {"MinWidth", 64},
                                                  {"MinHeight", 64}, {"CloseButton", true}});
    }
    void HandleCreateControls() override {
        events.push_back("CreateControls");
        CreateControl(fw::Label::Lookup(), "label");
        fw::_SetProperties(fw::Checked(_ControlByName("label")),
                           fw::PropertySet{{"Name", "label"}, {"Width", 100}, {"Height", 30},
                                           {"TextFont", "Geneva"}, {"Text", "Script ausgeführt"}, {"TextAlign", 1}});
        CreateControl(fw::PushButton::Lookup(), "button");
        fw::_SetProperties(fw::Checked(_ControlByName("button")),
                           fw::PropertySet{{"Name", "button"}, {"Top", 50}, {"Width", 60}, {"Height", 20},
                                           {"Caption", "OK"}, {"Default", true}, {"TabStop", true}});
        fw::RuntimeAddEventHandler(fw::Checked(_ControlByName("button")), fw::PushButton::kActionEvent,
                                   fw::RuntimeCreateDelegate(*this, &TestWindow::Pressed));
    }
    void HandleOpen() override { events.push_back("Open"); }
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override { fw::RuntimeInit(); }
    void TearDown() override {
        fw::_ReleaseModuleState();
        fw::RuntimeExit();
    }

    static std::shared_ptr<TestWindow> OpenWindow(bool visible = true) {
        auto window = std::make_shared<TestWindow>();
        window->visible = visible;
        window->Constructor();
        return window;
    }

    static QPushButton* Button() { return testsupport::ButtonOf(testsupport::WindowWidget("TestWindow"), "button"); }
};

TEST_F(WindowTest, ConstructorRaisesTheEventsInOrderAndShowsAVisibleWindow) {
    const auto window = OpenWindow();
    EXPECT_THAT(window->events, testing::ElementsAre("Layout", "CreateControls", "Open"));
    EXPECT_NE(testsupport::WindowWidget("TestWindow"), nullptr);
    EXPECT_EQ(fw::_GetImplicitWindow("TestWindow"), window);

    const auto hidden = OpenWindow(false);
    EXPECT_EQ(fw::OpenWindows().size(), 2u) << "open, though not shown";
}

TEST_F(WindowTest, AWindowMadeButNeverConstructedTouchesNoWidget) {
    const auto before = QApplication::allWidgets().size();
    auto window = std::make_shared<TestWindow>();
    fw::_SetProperties(*window, fw::PropertySet{{"Title", "nie gezeigt"}});
    EXPECT_EQ(QApplication::allWidgets().size(), before);
    EXPECT_EQ(fw::_GetImplicitWindow("TestWindow"), nullptr);
}

TEST_F(WindowTest, ClosingFromItsOwnHandlerKeepsTheWindowUntilTheHandlerReturns) {
    std::weak_ptr<TestWindow> watch;
    bool aliveAfterClose = false;
    {
        auto window = OpenWindow();
        watch = window;
        window->onPress = [&](TestWindow& self) {
            self.Close();
            aliveAfterClose = !watch.expired();
            self.presses += 10;  // the object is still there to be written
        };
    }
    QTest::mouseClick(Button(), Qt::LeftButton);
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_TRUE(watch.expired()) << "the framework let go of it when it closed";
    EXPECT_EQ(fw::_GetImplicitWindow("TestWindow"), nullptr);
}

TEST_F(WindowTest, ExceptionFromAHandlerIsShownAndTheApplicationGoesOn) {
    const auto window = OpenWindow();
    window->onPress = [](TestWindow&) { throw fw::RuntimeException("Datei /x kann nicht gelesen werden"); };
    testsupport::ModalAnswers answers({testsupport::PressOk()});
    QTest::mouseClick(Button(), Qt::LeftButton);
    window->onPress = nullptr;
    QTest::mouseClick(Button(), Qt::LeftButton);
    EXPECT_EQ(window->presses, 2) << "the second click was handled as usual";
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].kind, "Meldung");
    EXPECT_THAT(answers.Seen()[0].text, testing::StartsWith("Datei /x kann nicht gelesen werden"));
}

TEST_F(WindowTest, ExceptionOfAnyKindNeverLeavesTheHandler) {
    const auto window = OpenWindow();
    window->onPress = [](TestWindow&) { throw 42; };
    testsupport::ModalAnswers answers({testsupport::PressOk()});
    QTest::mouseClick(Button(), Qt::LeftButton);
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_THAT(answers.Seen()[0].text, testing::HasSubstr("Unbekannter Fehler"));
}

TEST_F(WindowTest, PressOfAButtonWhoseWindowIsGoneRaisesAndRunsNothing) {
    int calls = 0;
    auto window = OpenWindow();
    window->onPress = [&](TestWindow&) { ++calls; };
    const auto button = window->ControlNamed<fw::PushButton>("button");
    window->Close();
    window.reset();
    EXPECT_THROW(button->Push(), fw::NilObjectException);
    EXPECT_EQ(calls, 0);
}

struct ModalEnd {
    const char* how;
    testsupport::ModalAnswer answer;
};

TEST_F(WindowTest, ShowModalReturnsOnceTheWindowIsClosed) {
    const ModalEnd ends[] = {
        {"its button closes it", testsupport::ClickButton("button")},
        {"Return presses the default button", testsupport::PressReturn()},
        {"the close box", testsupport::CloseWindow()},
    };
    for (const auto& end : ends) {
        SCOPED_TRACE(end.how);
        auto window = OpenWindow();
        window->onPress = [](TestWindow& self) { self.Close(); };
        testsupport::ModalAnswers answers({end.answer});
        window->ShowModal();
        EXPECT_FALSE(window->IsOpen());
        ASSERT_EQ(answers.Seen().size(), 1u);
        EXPECT_EQ(answers.Seen()[0].kind, "TestWindow");
        EXPECT_EQ(answers.Seen()[0].text, "Probe");
    }
}

TEST_F(WindowTest, AResizableWindowKeepsItsLimits) {
    const auto window = OpenWindow();
    QWidget* widget = testsupport::WindowWidget("TestWindow");
    widget->resize(10, 10);
    EXPECT_GE(widget->width(), 64);
    EXPECT_EQ(window->ControlNamed<fw::PushButton>("button")->Int32Property("Top"), 50);
    EXPECT_EQ(Button()->geometry().topLeft(), QPoint(0, 50)) << "not locked to an edge, so not moved";
}

TEST_F(WindowTest, AMissingFontIsStoodInForByASansSerif) {
    const auto window = OpenWindow();
    auto* label = testsupport::WindowWidget("TestWindow")->findChild<QLabel*>("label");
    ASSERT_NE(label, nullptr);
    if (QFontDatabase::families().contains("Geneva")) GTEST_SKIP() << "Geneva is not missing here";
    QFont sansSerif;
    sansSerif.setFamilies({"sans-serif"});
    sansSerif.setStyleHint(QFont::SansSerif);
    EXPECT_EQ(QFontInfo(label->font()).family(), QFontInfo(sansSerif).family());
    EXPECT_EQ(label->font().styleHint(), QFont::SansSerif);
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
}

TEST(Lifecycle, FrameworkDialogsSpeakGermanWhileItRunsAndNotAfter) {
    const char* cancel = "Cancel";
    fw::RuntimeInit();
    const QString during = QCoreApplication::translate("QPlatformTheme", cancel);
    fw::RuntimeExit();
    EXPECT_EQ(during, QString("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", cancel), QString(cancel));
    EXPECT_NE(QApplication::instance(), nullptr) << "the test's own application stays";
}

TEST(Lifecycle, UnhandledExceptionEndsTheRunWithAFailureStatus) {
    fw::RuntimeInit();
    testsupport::ModalAnswers answers({testsupport::PressOk()});
    fw::_UnhandledException(std::make_exception_ptr(fw::NilObjectException()));
    fw::Quit(0);
    EXPECT_EQ(fw::RuntimeExit(), 1);
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_THAT(answers.Seen()[0].text, testing::HasSubstr("NilObjectException"));
}

TEST(Lifecycle, ExceptionHelperGivesBackRuntimeExceptionsOnly) {
    auto raises = [](void* what) {
        if (*static_cast<int*>(what) == 1) throw fw::OutOfBoundsException();
        if (*static_cast<int*>(what) == 2) throw std::logic_error("anders");
    };
    int none = 0, runtime = 1, other = 2;
    EXPECT_EQ(fw::_CallFunctionWithExceptionHandling(raises, &none), nullptr);
    EXPECT_NE(fw::_CallFunctionWithExceptionHandling(raises, &runtime), nullptr);
    EXPECT_THROW(fw::_CallFunctionWithExceptionHandling(raises, &other), std::logic_error);
}

}  // namespace
