#include <gtest/gtest.h>

#include <ctime>

#include "framework/core/Exceptions.h"
#include "tests/support/Capture.h"
#include "tests/support/MainWindowState.h"

namespace {

using testsupport::Booking;
using Lines = std::vector<std::string>;

const std::string kEnde = "</transfer_daten>";

// The booking of a transaction with no tag lines at all, as the first of a send.
Booking Leer(std::string betrag = "") { return {"", betrag, "", "", "Sonstiges", "", "", ""}; }

Booking Mit(Booking b, std::size_t index, std::string value) {
    b[index] = std::move(value);
    return b;
}

std::vector<Booking> Send(const Lines& lines) {
    testsupport::CapturedBookings captured;
    auto window = testsupport::UnshownMainWindow();
    testsupport::SetLines(*window, lines);
    window->buchung_erzeugen();
    return captured.Bookings();
}

struct Scenario {
    const char* name;
    Lines lines;
    std::vector<Booking> bookings;
};

const Scenario kScenarios[] = {
    {"a full outgoing transaction",
     {"<transfer_daten>", "<art>Abbuchung</art>", "<eigenkonto>Girokonto</eigenkonto>",
      "<ausgefuehrt>05.03.2024</ausgefuehrt>", "<betrag_eur>1.234,56</betrag_eur>", "<umsatztext>Miete</umsatztext>",
      "<fremdkontoinhaber>Vermieter GmbH</fremdkontoinhaber>", kEnde},
     {{"05.03.2024", "123456", "Girokonto", "Unbekannt", "Sonstiges", "Vermieter GmbH", "Miete", ""}}},
    {"date, own account and direction carry over; the rest is reset",
     {"<art>Abbuchung</art>", "<eigenkonto>Giro</eigenkonto>", "<ausgefuehrt>1.2.2024</ausgefuehrt>",
      "<betrag_eur>10,00</betrag_eur>", "<umsatztext>erste</umsatztext>", "<fremdkontoinhaber>A</fremdkontoinhaber>",
      kEnde, "<betrag_eur>20,00</betrag_eur>", kEnde},
     {{"01.02.2024", "1000", "Giro", "Unbekannt", "Sonstiges", "A", "erste", ""},
      {"01.02.2024", "2000", "Giro", "Unbekannt", "Sonstiges", "", "", ""}}},
    {"without an amount: empty first, then 0000 with empty accounts",
     {"<eigenkonto>Giro</eigenkonto>", kEnde, "<umsatztext>x</umsatztext>", kEnde},
     {Leer(), Mit(Leer("0000"), 6, "x")}},
    {"no own account before the amount: both accounts unknown",
     {"<betrag_eur>5</betrag_eur>", kEnde}, {Mit(Mit(Mit(Leer(), 1, "5"), 2, "Unbekannt"), 3, "Unbekannt")}},
    {"incoming by default and for other kinds; outgoing for Abbuchung and …berweisung",
     {"<eigenkonto>E</eigenkonto>", "<betrag_eur>1</betrag_eur>", kEnde,
      "<art>Gutschrift</art>", "<betrag_eur>2</betrag_eur>", kEnde,
      "<art>Abbuchung</art>", "<betrag_eur>3</betrag_eur>", kEnde,
      "<art>Dauerüberweisung</art>", "<betrag_eur>4</betrag_eur>", kEnde,
      "<art>Überweisung</art>", "<betrag_eur>5</betrag_eur>", kEnde,
      "<art></art>", "<betrag_eur>6</betrag_eur>", kEnde,
      "<art>abbuchung</art>", "<betrag_eur>7</betrag_eur>", kEnde},
     {{"", "1", "Unbekannt", "E", "Sonstiges", "", "", ""},
      {"", "2", "Unbekannt", "E", "Sonstiges", "", "", ""},
      {"", "3", "E", "Unbekannt", "Sonstiges", "", "", ""},
      {"", "4", "E", "Unbekannt", "Sonstiges", "", "", ""},
      {"", "5", "E", "Unbekannt", "Sonstiges", "", "", ""},
      {"", "6", "Unbekannt", "E", "Sonstiges", "", "", ""},
      {"", "7", "Unbekannt", "E", "Sonstiges", "", "", ""}}},
    {"accounts are fixed when the amount line is read",
     {"<eigenkonto>Alt</eigenkonto>", "<betrag_eur>1</betrag_eur>", "<art>Abbuchung</art>",
      "<eigenkonto>Neu</eigenkonto>", kEnde, "<betrag_eur>2</betrag_eur>", kEnde},
     {{"", "1", "Unbekannt", "Alt", "Sonstiges", "", "", ""}, {"", "2", "Neu", "Unbekannt", "Sonstiges", "", "", ""}}},
    {"the later of the two text lines wins",
     {"<umsatztext>U</umsatztext>", "<verwendungszweck>V</verwendungszweck>", kEnde,
      "<verwendungszweck>V</verwendungszweck>", "<umsatztext>U</umsatztext>", kEnde},
     {Mit(Leer(), 6, "V"), Mit(Leer("0000"), 6, "U")}},
    {"euro amounts keep their digits as written",
     {"<betrag_eur>0,05</betrag_eur>", kEnde, "<betrag_eur>1.234.567,89</betrag_eur>", kEnde,
      "<betrag_eur>7</betrag_eur>", kEnde, "<betrag_eur>-3,50</betrag_eur>", kEnde,
      "<betrag_eur>1,2.3,4.5</betrag_eur>", kEnde},
     {Mit(Mit(Mit(Leer(), 1, "005"), 2, "Unbekannt"), 3, "Unbekannt"),
      Mit(Mit(Mit(Leer(), 1, "1234.56789"), 2, "Unbekannt"), 3, "Unbekannt"),
      Mit(Mit(Mit(Leer(), 1, "7"), 2, "Unbekannt"), 3, "Unbekannt"),
      Mit(Mit(Mit(Leer(), 1, "-350"), 2, "Unbekannt"), 3, "Unbekannt"),
      Mit(Mit(Mit(Leer(), 1, "123,4.5"), 2, "Unbekannt"), 3, "Unbekannt")}},
    {"DM amounts are converted to whole euro cents, rounded",
     {"<betrag_dm>1.955,83</betrag_dm>", kEnde, "<betrag_dm>100,00</betrag_dm>", kEnde,
      "<betrag_dm>0,00</betrag_dm>", kEnde, "<betrag_dm>1,00</betrag_dm>", kEnde},
     {Mit(Mit(Mit(Leer(), 1, "100000"), 2, "Unbekannt"), 3, "Unbekannt"),
      Mit(Mit(Mit(Leer(), 1, "5113"), 2, "Unbekannt"), 3, "Unbekannt"),
      Mit(Mit(Mit(Leer(), 1, "0"), 2, "Unbekannt"), 3, "Unbekannt"),
      Mit(Mit(Mit(Leer(), 1, "51"), 2, "Unbekannt"), 3, "Unbekannt")}},
    {"day and month get two digits, the year as many as it has",
     {"<ausgefuehrt>1.2.2024</ausgefuehrt>", kEnde, "<ausgefuehrt>2001-12-31</ausgefuehrt>", kEnde,
      "<ausgefuehrt>07.08.99</ausgefuehrt>", kEnde, "<ausgefuehrt>09.10.0005</ausgefuehrt>", kEnde},
     {Mit(Leer(), 0, "01.02.2024"), Mit(Leer("0000"), 0, "31.12.2001"), Mit(Leer("0000"), 0, "07.08.1999"),
      Mit(Leer("0000"), 0, "09.10.5")}},
    {"an unreadable date keeps the date before it",
     {"<ausgefuehrt>15.06.2023</ausgefuehrt>", kEnde, "<ausgefuehrt>31.02.2023</ausgefuehrt>", kEnde},
     {Mit(Leer(), 0, "15.06.2023"), Mit(Leer("0000"), 0, "15.06.2023")}},
    {"text after the closing tag is ignored; without one the rest of the line is the value",
     {"<fremdkontoinhaber>Müller</fremdkontoinhaber> und mehr", "<umsatztext>ohne Ende", kEnde},
     {Mit(Mit(Leer(), 5, "Müller"), 6, "ohne Ende")}},
    {"values are cut at the first closing tag of their own, whatever characters come before",
     {"<fremdkontoinhaber>Zoë Ångström €</fremdkontoinhaber></fremdkontoinhaber>", "<umsatztext>ü</art>é</umsatztext>",
      kEnde, "<eigenkonto>ÄÖÜ</eigenkonto", "<betrag_eur>", kEnde, "<fremdkontoinhaber></fremdkontoinhaber>x", kEnde},
     {Mit(Mit(Leer(), 5, "Zoë Ångström €"), 6, "ü</art>é"),
      {"", "", "Unbekannt", "ÄÖÜ</eigenkonto", "Sonstiges", "", "", ""},
      Leer("0000")}},
    {"a line no longer than its tag matches only when it is the whole tag",
     {"<art", "<", "<a", "<umsatztext>", kEnde}, {Leer()}},
    {"values are kept as written, line feeds and blanks included",
     {"<umsatztext> Zeile 1\nZeile 2 </umsatztext>", kEnde}, {Mit(Leer(), 6, " Zeile 1\nZeile 2 ")}},
    {"a closing line with more text, or indented, closes nothing",
     {"<umsatztext>x</umsatztext>", kEnde + " ", " " + kEnde, "</transfer_daten>x"}, {}},
    {"the last transaction without its closing line is not handed off",
     {"<umsatztext>a</umsatztext>", kEnde, "<umsatztext>b</umsatztext>"}, {Mit(Leer(), 6, "a")}},
    {"lines that match no tag change nothing",
     {"<transfer_daten>", "<unbekannt>x</unbekannt>", "", "Text", "<ART>Abbuchung</ART>", kEnde}, {Leer()}},
    {"the tests after an amount look at the cut amount, not the line",
     {"<betrag_eur><umsatztext>9</betrag_eur>", kEnde},
     {Mit(Mit(Mit(Mit(Leer(), 1, "<umsatztext>9"), 2, "Unbekannt"), 3, "Unbekannt"), 6, "9")}},
    {"an export without transactions hands off nothing", {}, {}},
};

TEST(BuchungErzeugen, HandsOffEachTransactionAtItsClosingLine) {
    for (const auto& s : kScenarios) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(Send(s.lines), s.bookings);
    }
}

TEST(BuchungErzeugen, FirstDateOfASendWithoutParsableDateIsToday) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char today[16];
    std::strftime(today, sizeof today, "%d.%m.%Y", &local);
    const auto bookings = Send({"<ausgefuehrt>gestern</ausgefuehrt>", kEnde});
    ASSERT_EQ(bookings.size(), 1u);
    EXPECT_EQ(bookings[0][0], today);
}

TEST(BuchungErzeugen, EverySendStartsAfreshAndHandsOffTheSameBookings) {
    testsupport::CapturedBookings captured;
    auto window = testsupport::UnshownMainWindow();
    testsupport::SetLines(*window, {"<art>Abbuchung</art>", "<eigenkonto>Giro</eigenkonto>",
                                    "<ausgefuehrt>02.01.2024</ausgefuehrt>", "<betrag_eur>1</betrag_eur>", kEnde,
                                    kEnde});
    window->buchung_erzeugen();
    window->buchung_erzeugen();
    const Booking first{"02.01.2024", "1", "Giro", "Unbekannt", "Sonstiges", "", "", ""};
    const Booking second{"02.01.2024", "0000", "", "", "Sonstiges", "", "", ""};
    EXPECT_EQ(captured.Bookings(), std::vector<Booking>({first, second, first, second}));
    EXPECT_EQ(window->anz_zeilen, 5);
    EXPECT_EQ(window->zeilen->Ubound(), 5);
}

TEST(BuchungErzeugen, LinesOfSeveralLoadsFormOneStream) {
    // A transaction left open at the end of one file goes on in the next.
    EXPECT_EQ(Send({"<umsatztext>a</umsatztext>", "<eigenkonto>E</eigenkonto>", kEnde}),
              std::vector<Booking>({{"", "", "", "", "Sonstiges", "", "a", ""}}));
}

TEST(BuchungErzeugen, BoundBeyondTheLoadedLinesHandsOffNothing) {
    testsupport::CapturedBookings captured;
    auto window = testsupport::UnshownMainWindow();
    ASSERT_EQ(window->anz_zeilen, 0);
    ASSERT_EQ(window->zeilen->Ubound(), -1);
    EXPECT_NO_THROW(window->buchung_erzeugen());
    EXPECT_TRUE(captured.Calls().empty());
}

TEST(BuchungErzeugen, OnlyLinesUpToTheBoundAreWalked) {
    testsupport::CapturedBookings captured;
    auto window = testsupport::UnshownMainWindow();
    testsupport::SetLines(*window, {kEnde, kEnde, kEnde});
    window->anz_zeilen = 1;
    window->buchung_erzeugen();
    EXPECT_EQ(captured.Calls().size(), 2u);
}

TEST(BuchungErzeugen, WithoutLineArrayRaisesNilObject) {
    auto window = testsupport::UnshownMainWindow();
    window->zeilen = nullptr;
    EXPECT_THROW(window->buchung_erzeugen(), fw::NilObjectException);
}

}  // namespace
