#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "tests/support/ShownMainWindow.h"
#include "windows/Fenster1.h"
#include "windows/Fenster1Layout.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(widget_, nullptr); }
    QWidget* Control(const char* name) const { return shown_.Control(name); }

    testsupport::ShownMainWindow shown_;
    class Fenster1* window_ = &shown_.Window();
    QMainWindow* widget_ = shown_.Widget();
};

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) hex += std::string{digits[c >> 4], digits[c & 15], ' '};
    return hex;
}

TEST(Fenster1Sets, WindowSetStartsAndEndsAsWritten) {
    const std::string bytes = Fenster1WindowSet().Bytes();
    EXPECT_EQ(Hex(bytes.substr(0, 24)), Hex(std::string("Placement \0\0\0\0Width \0\0\x01\x85", 24)));
    const std::string title("Title \0\0\0\x2B" "Velmora-Import v3 (f\xC3\xBCr Dorvik 6 und neuer)", 6 + 4 + 43);
    EXPECT_NE(bytes.find(title), std::string::npos) << "43 UTF-8 bytes for 42 characters";
    EXPECT_EQ(Hex(bytes.substr(bytes.size() - 14)), Hex(std::string("MacProcID \0\0\0\0", 14)));
}

// The bytes of a literal, its NULs included.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// One set of each kind, written out item by item; the label's text and help tag count
// UTF-8 bytes (88 for 86 characters).
TEST(Fenster1Sets, ButtonAndLabelSetsByteForByte) {
    const std::pair<const char*, std::string> sets[] = {
        {"btn_quit",
         Bytes("Name \0\0\0\x08" "btn_quit" "Index \x80\0\0\0" "Left \0\0\x01\x30" "Top \0\0\0\xAF"
               "Width \0\0\0\x45" "Height \0\0\0\x14" "LockLeft \0" "LockTop \0" "LockRight \0"
               "LockBottom \0" "TabPanelIndex \0\0\0\0" "TabIndex \0\0\0\0" "TabStop \x01"
               "Caption \0\0\0\x04" "Ende" "Default \0" "Cancel \0" "Enabled \x01" "Visible \x01"
               "HelpTag \0\0\0\0" "AutoDeactivate \x01" "ButtonStyle \0\0\0\0"
               "TextFont \0\0\0\x06" "System" "Bold \0" "Italic \0" "Underline \0"
               "InitialParent \0\0\0\0")},
        {"StaticText2",
         Bytes("Name \0\0\0\x0B" "StaticText2" "Index \x80\0\0\0" "Left \0\0\0\x14" "Top \0\0\0\x2E"
               "Width \0\0\x01\x61" "Height \0\0\0\x2C" "LockLeft \0" "LockTop \0" "LockRight \0"
               "LockBottom \0" "TabPanelIndex \0\0\0\0" "TabIndex \0\0\0\x05"
               "Text \0\0\0\x58" "Die Konten müssen in der Kontenmappe vorhanden sein und genauso heißen wie in Velmora."
               "TextAlign \0\0\0\0" "TextColor \0\0\0" "Multiline \x01" "Enabled \x01" "Visible \x01"
               "Selectable \0" "Transparent \0"
               "HelpTag \0\0\0\x58" "Die Konten müssen in der Kontenmappe vorhanden sein und genauso heißen wie in Velmora."
               "AutoDeactivate \x01" "TextFont \0\0\0\x06" "System" "Bold \0" "Italic \0" "Underline \0"
               "DataSource \0\0\0\0" "DataField \0\0\0\0" "InitialParent \0\0\0\0")},
    };
    for (const auto& [name, expected] : sets) {
        SCOPED_TRACE(name);
        const auto& controls = Fenster1Controls();
        const auto control = std::find_if(controls.begin(), controls.end(),
                                          [name](const auto& described) { return std::string(described.name) == name; });
        ASSERT_NE(control, controls.end());
        EXPECT_EQ(Hex(control->properties.Bytes()), Hex(expected));
    }
}

TEST_F(MainWindowTest, ShowsTitleSizeAndFrame) {
    EXPECT_EQ(widget_->windowTitle(), QString::fromUtf8("Velmora-Import v3 (für Dorvik 6 und neuer)"));
    EXPECT_EQ(widget_->centralWidget()->size(), QSize(389, 215));
    EXPECT_EQ(widget_->minimumSize(), widget_->maximumSize()) << "not resizable";
    EXPECT_FALSE(widget_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(widget_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(widget_->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(widget_->isVisible());
    EXPECT_EQ(window_->Int32Property("MaxWidth"), 32000) << "kept though the window cannot be resized";
    EXPECT_NE(window_->Property("MacProcID"), nullptr) << "kept though nothing shows it";
}

struct ShownControl {
    const char* name;
    QRect geometry;
    const char* text;
    int pixelSize;
    bool wraps;
    int tabIndex;
};

TEST_F(MainWindowTest, ShowsTheSevenControls) {
    const ShownControl expected[] = {
        {"btn_quit", {304, 175, 69, 20}, "Ende", 12, false, 0},
        {"btn_save", {20, 175, 127, 20}, "An Dorvik senden", 12, false, 1},
        {"btn_datei", {20, 110, 127, 20}, "Datei auswählen", 12, false, 2},
        {"StaticText1", {20, 14, 353, 20}, "Import von Buchungen nach Dorvik", 12, false, 3},
        {"StaticText2", {20, 46, 353, 44},
         "Die Konten müssen in der Kontenmappe vorhanden sein und genauso heißen wie in Velmora.", 12, true, 5},
        {"StaticText3", {159, 110, 212, 20}, "", 12, false, 6},
        {"StaticText5", {55, 132, 127, 20}, "(XML-Datei)", 9, false, 8},
    };
    for (const auto& control : expected) {
        SCOPED_TRACE(control.name);
        QWidget* widget = Control(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), control.geometry);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(widget->font().pixelSize(), control.pixelSize);
        EXPECT_EQ(fw::Checked(window_->_ControlByName(control.name)).Int32Property("TabIndex"), control.tabIndex);
        EXPECT_EQ(widget->font().family(), QApplication::font().family()) << "\"System\"";
        const QString text = QString::fromUtf8(control.text);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), text);
            EXPECT_TRUE(button->toolTip().isEmpty());
        } else {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), text);
            EXPECT_EQ(label->toolTip(), text) << "the help tag is the text";
            EXPECT_EQ(label->wordWrap(), control.wraps);
        }
    }
}

TEST_F(MainWindowTest, TabsThroughTheButtonsInTabIndexOrder) {
    QWidget* focus = Control("btn_quit");
    std::vector<std::string> order{focus->objectName().toStdString()};
    for (int step = 0; step < 2; ++step) {
        do focus = focus->nextInFocusChain();
        while (!(focus->focusPolicy() & Qt::TabFocus));
        order.push_back(focus->objectName().toStdString());
    }
    EXPECT_THAT(order, testing::ElementsAre("btn_quit", "btn_save", "btn_datei"));
}

TEST_F(MainWindowTest, AccessorsFindTheControlsByName) {
    EXPECT_EQ(window_->btn_quit(), window_->btn_quit());
    const std::vector<std::pair<fw::String, std::string>> shown{
        {window_->btn_quit()->Caption(), "Ende"},
        {window_->btn_save()->Caption(), "An Dorvik senden"},
        {window_->btn_datei()->Caption(), "Datei auswählen"},
        {window_->StaticText1()->Text(), "Import von Buchungen nach Dorvik"},
        {window_->StaticText3()->Text(), ""},
        {window_->StaticText5()->Text(), "(XML-Datei)"},
    };
    for (const auto& [actual, expected] : shown) EXPECT_EQ(actual.Bytes(), expected);
    EXPECT_EQ(window_->StaticText2()->TextSize(), 12);
    EXPECT_EQ(window_->StaticText5()->TextSize(), 9);
}

TEST_F(MainWindowTest, NewWindowHasEmptyImportState) {
    EXPECT_EQ(window_->f, nullptr);
    EXPECT_EQ(window_->zeilen->Ubound(), -1);
    EXPECT_EQ(window_->anz_zeilen, 0);
    EXPECT_EQ(Fenster1(), shown_.Shared()) << "the accessor finds the open window";
}

// Renders the window as the offscreen platform draws it; with VELMORA_WRITE_SCREENSHOT
// set, the picture replaces the one the README shows.
TEST_F(MainWindowTest, Screenshot) {
    const QPixmap picture = widget_->grab();
    EXPECT_EQ(picture.width(), 389);
    EXPECT_GT(picture.height(), 215) << "the menu bar above the content";
    if (std::getenv("VELMORA_WRITE_SCREENSHOT")) {
        const auto path = std::filesystem::path(VELMORA_SOURCE_DIR) / "docs" / "main-window.png";
        std::filesystem::create_directories(path.parent_path());
        EXPECT_TRUE(picture.save(QString::fromStdString(path.string())));
    }
}

}  // namespace
