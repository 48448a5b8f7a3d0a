#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/App.h"
#include "app/Menue.h"
#include "app/Startup.h"
#include "framework/core/ClassRecord.h"
#include "framework/ui/Lifecycle.h"
#include "framework/ui/Window.h"
#include "windows/Fenster1.h"
#include "windows/wBestaetigung.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

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

TEST(ClassRecords, BuildingTwiceChangesNothing) {
    initialize();
    const auto before = RegisteredNames();
    const fw::ClassRecord* record = &Fenster1::Lookup();
    initialize();
    Fenster1::ctblinit();
    EXPECT_EQ(RegisteredNames(), before);
    EXPECT_EQ(&Fenster1::Lookup(), record);
}

std::vector<std::string> MethodTexts(const fw::ClassRecord& record) {
    std::vector<std::string> texts;
    for (const auto& method : record.methods) {
        std::string text = method.name + " " + method.signature;
        for (const auto& [attribute, value] : method.attributes) text += " " + attribute + (value.empty() ? "" : "=" + value);
        texts.push_back(text);
    }
    return texts;
}

TEST(ClassRecords, Fenster1HasItsOperationsPropertiesAndEvents) {
    const auto& record = Fenster1::Lookup();
    EXPECT_EQ(record.name, "Fenster1.Fenster1");
    EXPECT_EQ(record.base, &fw::Window::Lookup());
    const char* p = "__Scope=Public";
    EXPECT_THAT(MethodTexts(record),
                ElementsAreArray(std::vector<std::string>{
                    std::string("Layout %% ") + p, std::string("CreateControls %% ") + p,
                    std::string("_CreateControls0 %% ") + p + " Hidden",
                    std::string("btn_quit %o<PushButton>% ") + p, std::string("btn_save %o<PushButton>% ") + p,
                    std::string("btn_datei %o<PushButton>% ") + p, std::string("StaticText1 %o<Label>% ") + p,
                    std::string("StaticText2 %o<Label>% ") + p, std::string("StaticText3 %o<Label>% ") + p,
                    std::string("StaticText5 %o<Label>% ") + p, std::string("btn_quit_Action %%o<PushButton> ") + p,
                    std::string("btn_save_Action %%o<PushButton> ") + p,
                    std::string("btn_datei_Action %%o<PushButton> ") + p,
                    std::string("UntitledMenu0 %o<MenuItem>% ") + p, std::string("EditClear %o<MenuItem>% ") + p,
                    std::string("EditPaste %o<MenuItem>% ") + p, std::string("EditCopy %o<MenuItem>% ") + p,
                    std::string("EditCut %o<MenuItem>% ") + p, std::string("UntitledMenu1 %o<MenuItem>% ") + p,
                    std::string("EditUndo %o<MenuItem>% ") + p, std::string("UntitledMenu2 %o<MenuItem>% ") + p,
                    std::string("FileQuit %o<QuitMenuItem>% ") + p, std::string("UntitledMenu3 %o<MenuItem>% ") + p,
                    std::string("Event_Open %% ") + p, std::string("Laden %% ") + p,
                    std::string("buchung_erzeugen %% ") + p}));
    std::vector<std::string> properties;
    for (const auto& property : record.properties) properties.push_back(property.name + " " + property.typeText);
    EXPECT_THAT(properties, ElementsAre("f o<FolderItem>", "Anzahl i4", "zeilen A1s", "anz_zeilen i4"));
    for (const auto& property : record.properties) EXPECT_EQ(property.attributes, fw::kPublic);
    std::vector<std::string> events;
    for (const auto& handler : record.eventHandlers) events.push_back(handler.event + "=" + handler.handler);
    EXPECT_THAT(events,
                ElementsAre("Layout=Fenster1.Layout", "CreateControls=Fenster1.CreateControls", "Open=Fenster1.Event_Open"));
    EXPECT_EQ(record.attributes, fw::kPublic);
}

TEST(ClassRecords, VirtualOperationsAreTheBasesThenTheClassesOwn) {
    const auto& window = fw::Window::Lookup().virtualOperations;
    ASSERT_EQ(window.size(), 52u);
    EXPECT_EQ(window.front(), "Window.Show");
    EXPECT_EQ(window.back(), "Window._ControlByNameIndex");

    const auto& fenster = Fenster1::Lookup().virtualOperations;
    ASSERT_EQ(fenster.size(), 52u + 26u);
    EXPECT_TRUE(std::equal(window.begin(), window.end(), fenster.begin()));
    EXPECT_EQ(fenster[52], "Fenster1.Layout");
    EXPECT_EQ(fenster.back(), "Fenster1.buchung_erzeugen");

    const auto& dialog = wBestaetigung::Lookup().virtualOperations;
    EXPECT_THAT(std::vector<std::string>(dialog.begin() + 52, dialog.end()),
                ElementsAre("wBestaetigung.Layout", "wBestaetigung.CreateControls", "wBestaetigung._CreateControls0",
                            "wBestaetigung.StaticText1", "wBestaetigung.pbOK", "wBestaetigung.pbOK_Action"));

    const auto& menu = Menü::Lookup().virtualOperations;
    ASSERT_EQ(menu.size(), 27u);
    EXPECT_EQ(menu[20], "Menü.Constructor") << "in the default constructor's slot";
    EXPECT_EQ(menu[13], "MenuItem.Constructor(String, Variant)");
    EXPECT_THAT(std::vector<std::string>(menu.end() - 4, menu.end()),
                ElementsAre("MenuBar.__DependencyList", "MenuBar._InstallClone(MenuItem)", "Menü.Untitled1",
                            "Menü.Untitled2"));
}

TEST(ClassRecords, TheOtherClassesHaveTheirOwnMethods) {
    EXPECT_THAT(MethodTexts(Menü::Lookup()), ElementsAre("Constructor %% __Scope=Public", "Untitled1 %% __Scope=Public",
                                                         "Untitled2 %% __Scope=Public"));
    EXPECT_EQ(Menü::Lookup().name, "Menü.Menü");
    EXPECT_THAT(MethodTexts(App::Lookup()), ElementsAre("Constructor %% __Scope=Public"));
    EXPECT_TRUE(App::Lookup().properties.empty());
    const auto& dialog = wBestaetigung::Lookup();
    EXPECT_EQ(dialog.name, "wBestaetigung.wBestaetigung");
    EXPECT_THAT(MethodTexts(dialog),
                ElementsAre("Layout %% __Scope=Public", "CreateControls %% __Scope=Public",
                            "_CreateControls0 %% __Scope=Public Hidden", "StaticText1 %o<Label>% __Scope=Public",
                            "pbOK %o<PushButton>% __Scope=Public", "pbOK_Action %%o<PushButton> __Scope=Public"));
    EXPECT_TRUE(dialog.properties.empty());
    EXPECT_TRUE(dialog.initialiser.empty());
    EXPECT_EQ(dialog.eventHandlers.size(), 2u);
}

}  // namespace
