#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "framework/ui/Window.h"
#include "tests/support/AppRun.h"
#include "tests/support/Bundle.h"
#include "tests/support/ModalAnswers.h"
#include "tests/support/ScopedHome.h"
#include "tests/support/TempDir.h"
#include "windows/wBestaetigung.h"
#include "windows/wBestaetigungLayout.h"

namespace {

TEST(wBestaetigungSets, HaveTheirLengthsAndSpellings) {
    EXPECT_EQ(wBestaetigungWindowSet().Bytes().size(), 279u);
    const auto& controls = wBestaetigungControls();
    ASSERT_EQ(controls.size(), 2u);
    const std::string label = controls[0].properties.Bytes();
    const std::string button = controls[1].properties.Bytes();
    EXPECT_EQ(label.size(), 352u);
    EXPECT_EQ(button.size(), 282u);
    EXPECT_TRUE(label.starts_with(std::string("TabStop \x01" "TabIndex \0\0\0\0", 22)));
    EXPECT_NE(label.find(std::string("Text \0\0\0\x12" "Script ausgef\xC3\xBChrt", 27)), std::string::npos);
    EXPECT_NE(label.find(std::string("MultiLine \0", 11)), std::string::npos);
    EXPECT_NE(label.find(std::string("TextAlign \0\0\0\x01", 14)), std::string::npos);
    EXPECT_EQ(label.find("Selectable"), std::string::npos);
    EXPECT_EQ(button.find("ButtonStyle"), std::string::npos);
    EXPECT_NE(button.find(std::string("Default \x01", 9)), std::string::npos);
    EXPECT_NE(wBestaetigungWindowSet().Bytes().find(std::string("Title \0\0\0\x0C" "Best\xC3\xA4tigung", 22)),
              std::string::npos);
}

// What the confirmation window showed while it was up.
struct ShownConfirmation {
    std::string title;
    QSize content;
    bool resizable = false;
    bool maximizeButton = false;
    std::string text;
    bool centred = false;
    int labelPixels = 0;
    std::string labelFamily;
    std::string labelAskedFor;
    std::string caption;
    bool isDefault = false;
    int buttonPixels = 0;
    bool accessorFindsIt = false;
    std::size_t openWindows = 0;
};

ShownConfirmation Look(QWidget& modal) {
    ShownConfirmation shown;
    auto& window = static_cast<QMainWindow&>(modal);
    shown.title = modal.windowTitle().toStdString();
    shown.content = window.centralWidget()->size();
    shown.resizable = modal.minimumSize() != modal.maximumSize();
    shown.maximizeButton = modal.windowFlags() & Qt::WindowMaximizeButtonHint;
    if (auto* label = modal.findChild<QLabel*>("StaticText1")) {
        shown.text = label->text().toStdString();
        shown.centred = label->alignment() & Qt::AlignHCenter;
        shown.labelPixels = label->font().pixelSize();
        shown.labelFamily = QFontInfo(label->font()).family().toStdString();
        shown.labelAskedFor = label->font().families().value(0).toStdString();
    }
    if (auto* button = modal.findChild<QPushButton*>("pbOK")) {
        shown.caption = button->text().toStdString();
        shown.isDefault = button->isDefault();
        shown.buttonPixels = button->font().pixelSize();
    }
    shown.accessorFindsIt = wBestaetigung() == fw::_GetImplicitWindow("wBestaetigung.wBestaetigung");
    shown.openWindows = fw::OpenWindows().size();
    return shown;
}

class ConfirmationTest : public testing::Test {
protected:
    int SendsAnsweredBy(std::vector<testsupport::ModalAnswer> ends) {
        files_.Write("A.xml", "<transfer_daten>\n</transfer_daten>\n");
        answers_.emplace(std::vector<testsupport::ModalAnswer>{testsupport::ChooseFile((files_.Path() / "A.xml").string())});
        for (auto& end : ends) {
            answers_->Add([this, end](QWidget& modal) {
                shown_.push_back(Look(modal));
                windows_.push_back(fw::_GetImplicitWindow("wBestaetigung.wBestaetigung"));
                end(modal);
            });
        }
        return testsupport::RunApplicationWhile([count = ends.size()] {
            QWidget* main = testsupport::WindowWidget("Fenster1.Fenster1");
            testsupport::Click(main, "btn_datei");
            for (std::size_t send = 0; send < count; ++send) testsupport::Click(main, "btn_save");
            testsupport::Click(main, "btn_quit");
        });
    }

    testsupport::ScopedHome home_;
    testsupport::TempDir files_;
    testsupport::RecordingScript script_;
    std::optional<testsupport::ModalAnswers> answers_;
    std::vector<ShownConfirmation> shown_;
    std::vector<std::weak_ptr<fw::Window>> windows_;
};

TEST_F(ConfirmationTest, ShowsScriptAusgefuehrtWithItsDefaultButtonOK) {
    EXPECT_EQ(SendsAnsweredBy({testsupport::ClickButton("pbOK")}), 0);
    ASSERT_EQ(shown_.size(), 1u);
    const ShownConfirmation& shown = shown_[0];
    EXPECT_EQ(shown.title, "Bestätigung");
    EXPECT_EQ(shown.content, QSize(302, 133));
    EXPECT_TRUE(shown.resizable);
    EXPECT_TRUE(shown.maximizeButton);
    EXPECT_EQ(shown.text, "Script ausgeführt");
    EXPECT_TRUE(shown.centred);
    EXPECT_EQ(shown.labelPixels, 16);
    EXPECT_EQ(shown.labelAskedFor, "Geneva");
    if (!QFontDatabase::families().contains("Geneva")) {
        QFont sansSerif;
        sansSerif.setFamilies({"sans-serif"});
        EXPECT_EQ(shown.labelFamily, QFontInfo(sansSerif).family().toStdString()) << "Geneva's stand-in";
    }
    EXPECT_EQ(shown.caption, "OK");
    EXPECT_TRUE(shown.isDefault);
    EXPECT_EQ(shown.buttonPixels, 10);
    EXPECT_TRUE(shown.accessorFindsIt) << "no second confirmation window";
    EXPECT_EQ(shown.openWindows, 2u);
    EXPECT_EQ(script_.Bookings().size(), 1u);
}

TEST_F(ConfirmationTest, OkReturnAndTheCloseBoxEachEndItAndTheNextSendBuildsANewOne) {
    EXPECT_EQ(SendsAnsweredBy({testsupport::ClickButton("pbOK"), testsupport::PressReturn(),
                               testsupport::CloseWindow()}),
              0);
    ASSERT_EQ(windows_.size(), 3u);
    EXPECT_EQ(script_.Bookings().size(), 3u) << "each send ended, so the next could begin";
    for (const auto& window : windows_) EXPECT_TRUE(window.expired()) << "closed and released";
    EXPECT_TRUE(windows_[0].owner_before(windows_[1]) || windows_[1].owner_before(windows_[0])) << "a new window";
    EXPECT_TRUE(windows_[1].owner_before(windows_[2]) || windows_[2].owner_before(windows_[1])) << "a new window";
}

}  // namespace
