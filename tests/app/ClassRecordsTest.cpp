#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/App.h"
#include "app/Menue.h"
#include "app/Startup.h"
#include "framework/core/Application.h"
#include "framework/core/ClassRecord.h"
#include "framework/ui/Lifecycle.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Window.h"
#include "windows/Fenster1.h"
#include "windows/wBestaetigung.h"

namespace {

std::vector<std::string> RegisteredNames() {
    std::vector<std::string> names;
    for (const auto* record : fw::RegisteredClasses()) names.push_back(record->name);
    return names;
}

int StartAndCheckRegistrationOrder() {
    fw::RuntimeInit();
    initialize();
    const std::vector<std::string> expected{"Object",           "Window",     "RectControl",  "PushButton", "Label",
                                            "MenuItem",         "MenuBar",    "QuitMenuItem", "Application",
                                            "FileType",         "Fenster1.Fenster1",          "Menü.Menü",  "App",
                                            "wBestaetigung.wBestaetigung"};
    const bool inOrder = RegisteredNames() == expected;
    fw::RuntimeExit();
    return inOrder ? 0 : 1;
}

// Records are registered once per process, so the order is seen in a process of its own.
TEST(ClassRecordsDeathTest, AreRegisteredFrameworkFirstThenTheProgramsInOrder) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(StartAndCheckRegistrationOrder()), testing::ExitedWithCode(0), "");
}

// Asked for before the program's records are built, a class builds its own first.
TEST(ClassRecordsDeathTest, LookupBeforeStartupBuildsTheRecord) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(&wBestaetigung::Lookup() == fw::FindClass("wBestaetigung.wBestaetigung") ? 0 : 1),
                testing::ExitedWithCode(0), "");
}

TEST(ClassRecords, BuildingTwiceChangesNothing) {
    initialize();
    const auto before = RegisteredNames();
    const fw::ClassRecord* record = &Fenster1::Lookup();
    initialize();
    Fenster1::ctblinit();
    EXPECT_EQ(RegisteredNames(), before);
    EXPECT_EQ(&Fenster1::Lookup(), record);
}

struct ProgramClass {
    const char* name;
    const fw::ClassRecord& (*lookup)();
    const fw::ClassRecord& (*base)();
};

const ProgramClass kProgramClasses[] = {
    {"Fenster1.Fenster1", &Fenster1::Lookup, &fw::Window::Lookup},
    {"Menü.Menü", &Menü::Lookup, &fw::MenuBar::Lookup},
    {"App", &App::Lookup, &fw::Application::Lookup},
    {"wBestaetigung.wBestaetigung", &wBestaetigung::Lookup, &fw::Window::Lookup},
};

TEST(ClassRecords, EachIsFoundByItsNameAndMakesObjectsOfItsOwnClass) {
    initialize();
    for (const auto& program : kProgramClasses) {
        SCOPED_TRACE(program.name);
        const fw::ClassRecord& record = program.lookup();
        EXPECT_EQ(fw::FindClass(program.name), &record);
        EXPECT_EQ(record.base, &program.base());
        const auto object = fw::RuntimeNewObject(record);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(&object->Record(), &record);
        EXPECT_TRUE(object->Record().IsA(program.base()));
    }
}

// "%%" takes nothing; a method like that may take the slot of the base's operation of its
// name that takes nothing, which is written without a list of arguments.
bool TakesNothing(const fw::MethodEntry& method) { return method.signature.ends_with("%"); }

std::string OwnName(const fw::ClassRecord& record) { return record.name.substr(0, record.name.find('.')); }

// The slots a class should have by the rule: its base's in order, an own method that
// takes nothing in place of the base's operation of that name, the other own methods after.
std::vector<std::string> SlotsByTheRule(const fw::ClassRecord& record) {
    std::vector<std::string> slots = record.base->virtualOperations;
    for (const auto& method : record.methods) {
        const std::string own = OwnName(record) + "." + method.name;
        auto replaced = std::find_if(slots.begin(), slots.end(), [&](const std::string& slot) {
            return TakesNothing(method) && slot.ends_with("." + method.name) && slot.find('(') == std::string::npos &&
                   !slot.starts_with(OwnName(record) + ".");
        });
        if (replaced != slots.end()) *replaced = own;
        else slots.push_back(own);
    }
    return slots;
}

TEST(ClassRecords, VirtualOperationsAreTheBasesWithTheClassesOwnAfterThem) {
    for (const auto& program : kProgramClasses) {
        SCOPED_TRACE(program.name);
        const fw::ClassRecord& record = program.lookup();
        EXPECT_EQ(record.virtualOperations, SlotsByTheRule(record));
    }
    const auto& menu = Menü::Lookup().virtualOperations;
    const auto constructor = std::find(menu.begin(), menu.end(), "Menü.Constructor");
    EXPECT_LT(constructor - menu.begin(), std::ssize(fw::MenuBar::Lookup().virtualOperations))
        << "in the slot of the bar's default constructor, not after the bar's";
}

TEST(ClassRecords, EveryOwnOperationAndPropertyIsPublicAndTheControlStepsHidden) {
    for (const auto& program : kProgramClasses) {
        SCOPED_TRACE(program.name);
        const fw::ClassRecord& record = program.lookup();
        EXPECT_EQ(record.attributes, fw::kPublic);
        for (const auto& method : record.methods) {
            EXPECT_EQ(method.attributes, method.name == "_CreateControls0" ? fw::kPublicHidden : fw::kPublic)
                << method.name;
        }
        for (const auto& property : record.properties) EXPECT_EQ(property.attributes, fw::kPublic) << property.name;
        for (const auto& handler : record.eventHandlers) {
            EXPECT_TRUE(std::any_of(record.methods.begin(), record.methods.end(), [&](const fw::MethodEntry& method) {
                return handler.handler == OwnName(record) + "." + method.name && method.signature == "%%";
            })) << handler.event << " is handled by an own method that takes nothing";
        }
    }
}

// The program's windows, built as the framework builds them, whose button handlers note
// each call instead of doing their work.
class NotedFenster1 : public Fenster1 {
public:
    void btn_quit_Action(fw::PushButton& button) override { Note("btn_quit_Action", button); }
    void btn_save_Action(fw::PushButton& button) override { Note("btn_save_Action", button); }
    void btn_datei_Action(fw::PushButton& button) override { Note("btn_datei_Action", button); }
    void Note(const char* handler, fw::PushButton& button) { calls.push_back(handler + (" " + button.Name().Bytes())); }
    std::vector<std::string> calls;
};

class NotedConfirmation : public wBestaetigung {
public:
    void pbOK_Action(fw::PushButton& button) override { calls.push_back("pbOK_Action " + button.Name().Bytes()); }
    std::vector<std::string> calls;
};

class BuiltWindowsTest : public testing::Test {
protected:
    void SetUp() override {
        fw::RuntimeInit();
        initialize();
        main_->Constructor();
        confirmation_->Constructor();
    }
    void TearDown() override {
        confirmation_->Close();
        main_->Close();
        Menü::_implicitInstance = nullptr;
        fw::RuntimeExit();
    }

    struct Built {
        fw::Window& window;
        const fw::ClassRecord& record;
        std::vector<std::string>& calls;
    };
    std::vector<Built> Windows() {
        return {{*main_, Fenster1::Lookup(), main_->calls}, {*confirmation_, wBestaetigung::Lookup(), confirmation_->calls}};
    }

    std::shared_ptr<NotedFenster1> main_ = std::make_shared<NotedFenster1>();
    std::shared_ptr<NotedConfirmation> confirmation_ = std::make_shared<NotedConfirmation>();
};

// Each handler a record lists is the one that the click on the button of its name calls,
// once, with that button.
TEST_F(BuiltWindowsTest, AHandlerInTheRecordIsWhatItsButtonCalls) {
    for (const Built& built : Windows()) {
        for (const auto& method : built.record.methods) {
            if (method.signature != "%%o<PushButton>") continue;
            SCOPED_TRACE(method.name);
            ASSERT_TRUE(method.name.ends_with("_Action"));
            const std::string button = method.name.substr(0, method.name.size() - 7);
            built.calls.clear();
            fw::Checked(built.window.ControlNamed<fw::PushButton>(button)).Push();
            EXPECT_THAT(built.calls, testing::ElementsAre(method.name + " " + button));
        }
    }
}

// An accessor in the record names a control or menu item that the built window holds, of
// the class its signature gives. Only UntitledMenu3 names an item the menu bar lacks.
TEST_F(BuiltWindowsTest, AnAccessorInTheRecordNamesWhatTheWindowHolds) {
    int accessors = 0;
    for (const Built& built : Windows()) {
        for (const auto& method : built.record.methods) {
            if (!method.signature.starts_with("%o<") || !method.signature.ends_with(">%")) continue;
            SCOPED_TRACE(method.name);
            ++accessors;
            const std::string itemClass = method.signature.substr(3, method.signature.size() - 5);
            std::shared_ptr<fw::Object> found;
            if (itemClass.ends_with("MenuItem")) found = fw::Checked(built.window.GetMenuBar())._Lookup(method.name);
            else found = built.window._ControlByName(method.name);
            if (method.name == "UntitledMenu3") {
                EXPECT_EQ(found, nullptr);
                continue;
            }
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->Record().name, itemClass);
        }
    }
    EXPECT_GT(accessors, 0);
}

}  // namespace
