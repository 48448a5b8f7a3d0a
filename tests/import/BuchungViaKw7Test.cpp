#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "framework/core/Exceptions.h"
#include "import/buchungViaKw7.h"
#include "tests/support/Bundle.h"
#include "tests/support/MainWindowState.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::Booking;
using testsupport::BookingScriptPath;
using testsupport::RecordingScript;

std::shared_ptr<fw::Array<fw::Variant>> AsBooking(const Booking& values) {
    auto booking = fw::CreateArray<fw::Variant>(static_cast<int>(values.size()) - 1);
    for (std::size_t i = 0; i < values.size(); ++i) booking->Store(static_cast<int>(i), fw::Variant(fw::String(values[i])));
    return booking;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const fw::RuntimeException& e) {
        return e.Message().Bytes();
    }
    return "";
}

std::shared_ptr<class Fenster1> WindowWith(const std::vector<std::string>& lines) {
    auto window = testsupport::UnshownMainWindow();
    testsupport::SetLines(*window, lines);
    return window;
}

TEST(BuchungViaKw7, ValuesReachTheScriptByteForByte) {
    testsupport::TempDir dir;
    const RecordingScript script;
    const std::string injection = "$(touch " + (dir.Path() / "injected").string() + ")";
    const Booking values{"05.03.2024", "say \"hi\"; 'x'", "a;b", injection, "`touch " + (dir.Path() / "b").string() + "`",
                         "Zeile 1\nZeile 2\n", "Müller € ◊", ""};
    buchungViaKw7(AsBooking(values));
    EXPECT_EQ(script.Bookings(), std::vector<Booking>({values}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(BuchungViaKw7, ASendCallsTheScriptOncePerTransactionInFileOrder) {
    const RecordingScript script;
    WindowWith({"<betrag_eur>1</betrag_eur>", "</transfer_daten>", "<betrag_eur>2</betrag_eur>", "</transfer_daten>"})
        ->buchung_erzeugen();
    const auto bookings = script.Bookings();
    ASSERT_EQ(bookings.size(), 2u);
    EXPECT_EQ(bookings[0], Booking({"", "1", "Unbekannt", "Unbekannt", "Sonstiges", "", "", ""}));
    EXPECT_EQ(bookings[1], Booking({"", "2", "Unbekannt", "Unbekannt", "Sonstiges", "", "", ""}));
}

TEST(BuchungViaKw7, AScriptReplacedDuringASendRunsForTheNextBooking) {
    const auto next = BookingScriptPath().string() + ".next";
    const auto secondJournal = testsupport::BundleContents() / "journal-second.bin";
    std::filesystem::remove(secondJournal);
    // The first script records, then puts a second one in its own place.
    const RecordingScript first("cat > '" + next + "' <<'NEXT'\n#!/bin/sh\n" +
                                RecordingScript::RecordCommand(secondJournal) + "NEXT\nchmod +x '" + next +
                                "'\nmv '" + next + "' '" + BookingScriptPath().string() + "'\n");
    WindowWith({"<betrag_eur>1</betrag_eur>", "</transfer_daten>", "<betrag_eur>2</betrag_eur>", "</transfer_daten>"})
        ->buchung_erzeugen();
    ASSERT_EQ(first.Bookings().size(), 1u);
    EXPECT_EQ(first.Bookings()[0][1], "1");
    const auto second = testsupport::ReadJournal(secondJournal);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0][1], "2");
}

// What a copy of this program does when the test below starts it: two bookings in a row.
constexpr const char* kTwoBookingsVariable = "VELMORA_TWO_BOOKINGS";

class TwoBookings : public testing::Test {
public:
    void TestBody() override {
        buchungViaKw7(AsBooking({"erste"}));
        buchungViaKw7(AsBooking({"zweite"}));
    }
};

// Only the copy has this test, so an ordinary run does not call whatever script lies in the build's bundle.
const bool twoBookingsRegistered = std::getenv(kTwoBookingsVariable) &&
                                   testing::RegisterTest("MovedBundle", "TwoBookings", nullptr, nullptr, __FILE__,
                                                         __LINE__, []() -> testing::Test* { return new TwoBookings; });

// The copy's first booking moves the bundle the copy runs from; the second must find the
// script in the bundle's new place.
TEST(BuchungViaKw7, ABundleMovedBetweenTwoBookingsStillFindsItsScript) {
    namespace fs = std::filesystem;
    const testsupport::TempDir dir;
    const fs::path before = dir.Path() / "Vorher.app", after = dir.Path() / "Nachher.app";
    const fs::path program = before / "Contents" / "MacOS" / "import_tests";
    fs::create_directories(program.parent_path());
    fs::copy_file(fs::read_symlink("/proc/self/exe"), program);
    const fs::path journal = dir.Path() / "journal.bin";
    testsupport::WriteExecutable(before / "Contents" / "Resources" / "buchungViaKw7.scpt",
                                 RecordingScript::RecordCommand(journal) + "if [ -d '" + before.string() +
                                     "' ]; then mv '" + before.string() + "' '" + after.string() + "'; fi\n");

    const std::string command = std::string(kTwoBookingsVariable) + "=1 '" + program.string() +
                                "' --gtest_filter=MovedBundle.TwoBookings";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::exists(after / "Contents" / "MacOS" / "import_tests")) << "the first booking moved the bundle";
    const auto bookings = testsupport::ReadJournal(journal);
    ASSERT_EQ(bookings.size(), 2u);
    EXPECT_EQ(bookings[0], Booking{"erste"});
    EXPECT_EQ(bookings[1], Booking{"zweite"});
}

TEST(BuchungViaKw7, MissingScriptEndsTheSendWithAMessage) {
    std::filesystem::remove(BookingScriptPath());
    const auto message = ErrorOf([] { buchungViaKw7(AsBooking(Booking(8))); });
    EXPECT_NE(message.find(BookingScriptPath().string()), std::string::npos) << message;
    EXPECT_NE(message.find("nicht vorhanden"), std::string::npos) << message;
}

TEST(BuchungViaKw7, FailingScriptEndsTheSendAndKeepsWhatWasHandedOver) {
    const auto counter = testsupport::BundleContents() / "calls";
    std::filesystem::remove(counter);
    // Records the first booking, fails on the second.
    const RecordingScript script("echo x >> '" + counter.string() + "'\n[ $(wc -l < '" + counter.string() +
                                 "') -ge 2 ] && exit 3\n");
    auto window = WindowWith({"<betrag_eur>1</betrag_eur>", "</transfer_daten>", "<betrag_eur>2</betrag_eur>",
                              "</transfer_daten>", "<betrag_eur>3</betrag_eur>", "</transfer_daten>"});
    const auto message = ErrorOf([&] { window->buchung_erzeugen(); });
    EXPECT_NE(message.find("Status 3"), std::string::npos) << message;
    const auto bookings = script.Bookings();
    ASSERT_EQ(bookings.size(), 1u);
    EXPECT_EQ(bookings[0][1], "1");
    EXPECT_EQ(testsupport::ReadFile(counter), "x\nx\n");
}

}  // namespace
