#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/Menue.h"
#include "framework/ui/QuitMenuItem.h"
#include "tests/support/ShownMainWindow.h"
#include "windows/Fenster1.h"

namespace {

struct Entry {
    std::string path;  // the texts from the bar down
    std::string name;
    std::string itemClass;
    bool autoEnable;
    std::string shortcut;
};

void Walk(const fw::MenuItem& item, const std::string& path, std::vector<Entry>& entries) {
    for (int index = 0; index < item.Count(); ++index) {
        const auto child = item.Item(index);
        const std::string childPath = path + "/" + child->Text().Bytes();
        entries.push_back({childPath, child->Name().Bytes(), child->Record().name, child->AutoEnable(),
                           child->KeyboardShortcut().Bytes()});
        Walk(*child, childPath, entries);
    }
}

bool operator==(const Entry& a, const Entry& b) {
    return std::tie(a.path, a.name, a.itemClass, a.autoEnable, a.shortcut) ==
           std::tie(b.path, b.name, b.itemClass, b.autoEnable, b.shortcut);
}

void PrintTo(const Entry& e, std::ostream* out) { *out << e.path << " " << e.name << " " << e.itemClass; }

class MenueTest : public testing::Test {
protected:
    void TearDown() override { Menü::_implicitInstance = nullptr; }
};

TEST_F(MenueTest, BuildsAblageAndBearbeitenInOrder) {
    std::vector<Entry> entries;
    Walk(*Menü(), "", entries);
    EXPECT_THAT(entries, testing::ElementsAreArray(std::vector<Entry>{
                             {"/Ablage", "UntitledMenu2", "MenuItem", false, ""},
                             {"/Ablage/Beenden", "FileQuit", "QuitMenuItem", true, "Cmd+Q"},
                             {"/Bearbeiten", "UntitledMenu0", "MenuItem", false, ""},
                             {"/Bearbeiten/Undo", "EditUndo", "MenuItem", false, "Cmd+Z"},
                             {"/Bearbeiten/-", "UntitledMenu1", "MenuItem", false, ""},
                             {"/Bearbeiten/Ausschneiden", "EditCut", "MenuItem", false, "Cmd+X"},
                             {"/Bearbeiten/Kopieren", "EditCopy", "MenuItem", false, "Cmd+C"},
                             {"/Bearbeiten/Einfügen", "EditPaste", "MenuItem", false, "Cmd+V"},
                             {"/Bearbeiten/Löschen", "EditClear", "MenuItem", false, ""},
                         }));
}

TEST_F(MenueTest, IsOneInstanceUntilReleased) {
    const auto first = Menü();
    EXPECT_EQ(Menü(), first);
    Menü::_implicitInstance = nullptr;
    EXPECT_NE(Menü(), first) << "a bar still held elsewhere is not reused";
    EXPECT_EQ(first->Count(), 2) << "nor changed";
}

TEST(MainWindowMenuAccessors, FindTheItemsByNameInTheWindowsMenuBar) {
    testsupport::ShownMainWindow shown;
    auto& window = shown.Window();
    EXPECT_EQ(window.GetMenuBar(), Menü::_implicitInstance);
    const std::vector<std::pair<std::shared_ptr<fw::MenuItem>, std::string>> found{
        {window.UntitledMenu0(), "Bearbeiten"}, {window.EditClear(), "Löschen"},   {window.EditPaste(), "Einfügen"},
        {window.EditCopy(), "Kopieren"},        {window.EditCut(), "Ausschneiden"}, {window.UntitledMenu1(), "-"},
        {window.EditUndo(), "Undo"},            {window.UntitledMenu2(), "Ablage"}, {window.FileQuit(), "Beenden"},
    };
    for (const auto& [item, text] : found) {
        ASSERT_NE(item, nullptr) << text;
        EXPECT_EQ(item->Text().Bytes(), text);
    }
    EXPECT_NE(std::dynamic_pointer_cast<fw::QuitMenuItem>(window.FileQuit()), nullptr);
    EXPECT_EQ(window.UntitledMenu3(), nullptr);
}

struct ShownAction {
    std::string text;
    QKeySequence shortcut;
    bool enabled;
    bool separator;
};

TEST(MainWindowMenuBar, ShowsTheMenusWithShortcutsAndTheEditItemsDisabled) {
    testsupport::ShownMainWindow shown;
    QMenuBar* bar = shown.Widget()->menuBar();
    std::vector<std::string> titles;
    for (QAction* action : bar->actions()) titles.push_back(action->text().toStdString());
    EXPECT_THAT(titles, testing::ElementsAre("Ablage", "Bearbeiten"));
    ASSERT_EQ(bar->actions().size(), 2);
    const std::vector<std::vector<ShownAction>> expected{
        {{"Beenden", QKeySequence("Ctrl+Q"), true, false}},
        {{"Undo", QKeySequence("Ctrl+Z"), false, false},
         {"", QKeySequence(), true, true},
         {"Ausschneiden", QKeySequence("Ctrl+X"), false, false},
         {"Kopieren", QKeySequence("Ctrl+C"), false, false},
         {"Einfügen", QKeySequence("Ctrl+V"), false, false},
         {"Löschen", QKeySequence(), false, false}},
    };
    for (int menu = 0; menu < 2; ++menu) {
        const auto actions = bar->actions()[menu]->menu()->actions();
        ASSERT_EQ(actions.size(), static_cast<int>(expected[menu].size()));
        for (int index = 0; index < actions.size(); ++index) {
            const ShownAction& want = expected[menu][index];
            SCOPED_TRACE(want.text);
            EXPECT_EQ(actions[index]->isSeparator(), want.separator);
            EXPECT_EQ(actions[index]->text().toStdString(), want.text);
            EXPECT_EQ(actions[index]->shortcut(), want.shortcut);
            EXPECT_EQ(actions[index]->isEnabled(), want.enabled);
        }
    }
}

}  // namespace
