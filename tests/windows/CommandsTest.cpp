#include <QMessageBox>
#include <QPushButton>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "framework/ui/Label.h"
#include "framework/ui/Window.h"
#include "tests/support/AppRun.h"
#include "tests/support/Bundle.h"
#include "tests/support/Capture.h"
#include "tests/support/ModalAnswers.h"
#include "tests/support/ScopedHome.h"
#include "tests/support/TempDir.h"
#include "tests/support/WithoutReadOverride.h"
#include "windows/Fenster1.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testsupport::Booking;

// Two exports of one transaction each, in Mac OS Roman ("\x9F" is "ü"), and one without any.
const std::string kExportA =
    "<transfer_daten>\n<art>Abbuchung</art>\n<eigenkonto>Giro</eigenkonto>\n<ausgefuehrt>03.02.2024</ausgefuehrt>\n"
    "<betrag_eur>1.234,56</betrag_eur>\n<fremdkontoinhaber>M\x9Fller</fremdkontoinhaber>\n"
    "<verwendungszweck>Miete</verwendungszweck>\n</transfer_daten>\n";
const std::string kExportB =
    "<transfer_daten>\n<art>Gutschrift</art>\n<eigenkonto>Spar</eigenkonto>\n<ausgefuehrt>15.11.2023</ausgefuehrt>\n"
    "<betrag_eur>0,05</betrag_eur>\n<fremdkontoinhaber>Schmidt</fremdkontoinhaber>\n"
    "<umsatztext>Zinsen</umsatztext>\n</transfer_daten>\n";
const std::string kExportWithoutTransaction = "<transfer_daten>\n<art>Abbuchung</art>\n";

const Booking kBookingA{"03.02.2024", "123456", "Giro", "Unbekannt", "Sonstiges", "Müller", "Miete", ""};
const Booking kBookingB{"15.11.2023", "005", "Unbekannt", "Spar", "Sonstiges", "Schmidt", "Zinsen", ""};

const char* kMainWindow = "Fenster1.Fenster1";
const std::string kChooseFirst = "Meldung: Zuerst Datei auswählen";
const std::string kConfirmation = "wBestaetigung.wBestaetigung: Bestätigung";
const std::string kFileDialog = "Dateiauswahl";

bool CutSuffix(std::string& text, const std::string& suffix) {
    if (!text.ends_with(suffix)) return false;
    text.resize(text.size() - suffix.size());
    return true;
}

// Chooses the file in the open-file dialog, and removes it before the window can load it.
testsupport::ModalAnswer ChooseThenRemove(const std::string& path) {
    return [path](QWidget& modal) {
        testsupport::ChooseFile(path)(modal);
        std::filesystem::remove(path);
    };
}

// Dismisses whatever a send brings up: the message box, or the confirmation with "OK".
testsupport::ModalAnswer DismissSend() {
    return [](QWidget& modal) {
        if (qobject_cast<QMessageBox*>(&modal)) testsupport::PressOk()(modal);
        else testsupport::ClickButton("pbOK")(modal);
    };
}

std::vector<std::string> Shown(const testsupport::ModalAnswers& answers) {
    std::vector<std::string> shown;
    for (const auto& seen : answers.Seen()) shown.push_back(seen.kind == kFileDialog ? kFileDialog : seen.kind + ": " + seen.text);
    return shown;
}

// The main window's state, as it stands before the test ends the application.
struct EndState {
    std::string label;
    int lines = 0;
    int lastIndex = 0;
};

EndState TakeEndState() {
    const auto window = fw::RuntimeCheckCast<class Fenster1>(fw::_GetImplicitWindow(kMainWindow));
    if (!window) return {};
    return {window->StaticText3()->Text().Bytes(), window->zeilen->Ubound() + 1, window->anz_zeilen};
}

class CommandsTest : public testing::Test {
protected:
    // Runs the application through `commands`, then "Ende". A command is "choose NAME"
    // (the open-file dialog chooses the export of that name; "... as it vanishes" removes
    // it between the choice and the load; "... and dismiss" also dismisses the message the
    // load brings up), "cancel" (the dialog is cancelled), "send", or "delete NAME" (the
    // export goes away).
    int Run(const std::vector<std::string>& commands) {
        answers_.emplace();
        const int status = testsupport::RunApplicationWhile([&] {
            for (const std::string& command : commands) Do(command);
            end_ = TakeEndState();
            testsupport::Click(testsupport::WindowWidget(kMainWindow), "btn_quit");
        });
        return status;
    }

    void Do(const std::string& command) {
        QWidget* window = testsupport::WindowWidget(kMainWindow);
        if (command.starts_with("choose ")) {
            std::string name = command.substr(7);
            const bool dismiss = CutSuffix(name, " and dismiss");
            const bool vanishes = CutSuffix(name, " as it vanishes");
            answers_->Add(vanishes ? ChooseThenRemove(Path(name)) : testsupport::ChooseFile(Path(name)));
            if (dismiss) answers_->Add(testsupport::PressOk());
            testsupport::Click(window, "btn_datei");
        } else if (command == "cancel") {
            answers_->Add(testsupport::CancelDialog());
            testsupport::Click(window, "btn_datei");
        } else if (command == "send") {
            answers_->Add(DismissSend());
            testsupport::Click(window, "btn_save");
        } else if (command.starts_with("delete ")) {
            std::filesystem::remove(Path(command.substr(7)));
        } else {
            ADD_FAILURE() << "unknown command " << command;
        }
    }

    std::string Path(const std::string& name) const { return (files_.Path() / name).string(); }

    testsupport::ScopedHome home_;
    testsupport::TempDir files_;
    std::optional<testsupport::ModalAnswers> answers_;
    EndState end_;
};

struct Sequence {
    const char* name;
    std::vector<std::string> commands;
    std::vector<std::string> shown;
    std::vector<Booking> bookings;
    std::string label;
    int lines;
};

TEST_F(CommandsTest, SequencesOfCommandsHandOnTheirBookings) {
    files_.Write("A.xml", kExportA);
    files_.Write("B.xml", kExportB);
    files_.Write("leer.xml", kExportWithoutTransaction);
    const Sequence sequences[] = {
        {"send before any choice", {"send"}, {kChooseFirst}, {}, "", 0},
        {"choose, cancel, send",
         {"choose A.xml", "cancel", "send"},
         {kFileDialog, kFileDialog, kChooseFirst},
         {},
         "A.xml",
         8},
        {"choose A then B, send",
         {"choose A.xml", "choose B.xml", "send"},
         {kFileDialog, kFileDialog, kConfirmation},
         {kBookingA, kBookingB},
         "B.xml",
         16},
        {"choose the same file twice, send",
         {"choose A.xml", "choose A.xml", "send"},
         {kFileDialog, kFileDialog, kConfirmation},
         {kBookingA, kBookingA},
         "A.xml",
         16},
        {"choose, delete the file, send",
         {"choose B.xml", "delete B.xml", "send"},
         {kFileDialog, kChooseFirst},
         {},
         "B.xml",
         8},
        {"send twice", {"choose A.xml", "send", "send"}, {kFileDialog, kConfirmation, kConfirmation}, {kBookingA, kBookingA}, "A.xml", 8},
        {"a send that hands off nothing still confirms",
         {"choose leer.xml", "send"},
         {kFileDialog, kConfirmation},
         {},
         "leer.xml",
         2},
        {"Ende with lines loaded quits without asking", {"choose A.xml"}, {kFileDialog}, {}, "A.xml", 8},
        {"the chosen file vanishes before it is loaded",
         {"choose weg.xml as it vanishes and dismiss", "send"},
         {kFileDialog, "Meldung: Datei " + Path("weg.xml") + " ist nicht vorhanden", kChooseFirst},
         {},
         "weg.xml",
         0},
    };
    for (const Sequence& sequence : sequences) {
        SCOPED_TRACE(sequence.name);
        files_.Write("B.xml", kExportB);
        files_.Write("weg.xml", kExportA);
        testsupport::RecordingScript script;
        EXPECT_EQ(Run(sequence.commands), 0);
        EXPECT_THAT(Shown(*answers_), ElementsAreArray(sequence.shown));
        EXPECT_THAT(script.Bookings(), ElementsAreArray(sequence.bookings));
        EXPECT_EQ(end_.label, sequence.label);
        EXPECT_EQ(end_.lines, sequence.lines);
        EXPECT_EQ(end_.lastIndex, sequence.lines > 0 ? sequence.lines - 1 : 0);
    }
}

// The script fails on the second of three bookings: the first arrived once, the third
// was never tried, and the failure is shown in place of the confirmation.
TEST_F(CommandsTest, BookingScriptFailingHalfwayIsReportedAndKeepsWhatArrived) {
    files_.Write("ABA.xml", kExportA + kExportB + kExportA);
    const auto calls = files_.Path() / "calls";
    testsupport::RecordingScript script("echo x >> '" + calls.string() + "'\n[ $(wc -l < '" + calls.string() +
                                        "') -ge 2 ] && exit 3\n");
    EXPECT_EQ(Run({"choose ABA.xml", "send"}), 0);
    const auto shown = Shown(*answers_);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_THAT(shown[1], testing::StartsWith("Meldung: "));
    EXPECT_THAT(shown[1], testing::HasSubstr("buchungViaKw7.scpt"));
    EXPECT_THAT(script.Bookings(), ElementsAre(kBookingA));
    EXPECT_EQ(testsupport::ReadFile(calls), "x\nx\n");
    EXPECT_EQ(end_.lines, 24) << "the loaded lines stay";
}

TEST_F(CommandsTest, MissingBookingScriptIsReportedAndTheApplicationGoesOn) {
    files_.Write("A.xml", kExportA);
    std::filesystem::remove(testsupport::BookingScriptPath());
    EXPECT_EQ(Run({"choose A.xml", "send", "send"}), 0);
    const auto shown = Shown(*answers_);
    ASSERT_EQ(shown.size(), 3u);
    for (int send : {1, 2}) EXPECT_THAT(shown[send], testing::StartsWith("Meldung: "));
}

TEST_F(CommandsTest, UnreadableFileIsReportedAndChangesNoLines) {
    files_.Write("A.xml", kExportA);
    const auto locked = files_.Write("gesperrt.xml", kExportB);
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    testsupport::RecordingScript script;
    testsupport::WithoutReadOverride asUser;
    EXPECT_EQ(Run({"choose A.xml", "choose gesperrt.xml and dismiss", "send"}), 0);
    EXPECT_THAT(Shown(*answers_),
                ElementsAre(kFileDialog, kFileDialog,
                            testing::AllOf(testing::HasSubstr("kann nicht gelesen werden"),
                                           testing::HasSubstr("gesperrt.xml")),
                            kConfirmation));
    EXPECT_EQ(end_.label, "gesperrt.xml");
    EXPECT_EQ(end_.lines, 8);
    EXPECT_EQ(end_.lastIndex, 7);
    EXPECT_THAT(script.Bookings(), ElementsAre(kBookingA)) << "the send goes on with the lines already there";
}

}  // namespace

namespace {

// The close box is used at the second of five bookings: the window goes from the screen
// and from the framework, but the send finishes with the state it began with, and the
// confirmation still comes.
TEST_F(CommandsTest, ClosingTheWindowDuringASendLetsTheSendFinish) {
    std::string exportOfFive;
    for (int transaction = 0; transaction < 5; ++transaction) exportOfFive += kExportA;
    files_.Write("five.xml", exportOfFive);
    bool closedAtTheSecond = false;
    std::vector<bool> openAtEach;
    testsupport::CapturedBookings bookings([&](std::size_t kept) {
        if (kept == 2) {
            QWidget* open = testsupport::WindowWidget(kMainWindow);
            closedAtTheSecond = open && open->close();
        }
        openAtEach.push_back(fw::_GetImplicitWindow(kMainWindow) != nullptr);
    });
    answers_.emplace(std::vector<testsupport::ModalAnswer>{testsupport::ChooseFile(Path("five.xml")),
                                                           testsupport::ClickButton("pbOK")});
    const int status = testsupport::RunApplicationWhile([&] {
        QWidget* window = testsupport::WindowWidget(kMainWindow);
        testsupport::Click(window, "btn_datei");
        testsupport::Click(window, "btn_save");
    });
    EXPECT_TRUE(closedAtTheSecond);
    EXPECT_THAT(openAtEach, ElementsAre(true, false, false, false, false));
    EXPECT_EQ(status, 0) << "with its last window closed, the application ended";
    EXPECT_THAT(Shown(*answers_), ElementsAre(kFileDialog, kConfirmation));
    EXPECT_EQ(bookings.Bookings(), std::vector<Booking>(5, kBookingA));
}

}  // namespace
