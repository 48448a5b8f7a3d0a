#include <gtest/gtest.h>

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
