#include <gtest/gtest.h>

#include <string>

#include "tests/support/Capture.h"
#include "tests/support/MainWindowState.h"
#include "tests/support/TempDir.h"

namespace {

using namespace std::string_literals;
using testsupport::Booking;

// Loads the export at `path` into a fresh window and sends it once.
std::vector<Booking> LoadAndSend(const std::filesystem::path& path) {
    testsupport::CapturedBookings captured;
    auto window = testsupport::UnshownMainWindow();
    window->f = std::make_shared<fw::FolderItem>(fw::String(path.string()));
    window->Laden();
    window->buchung_erzeugen();
    return captured.Bookings();
}

std::filesystem::path Fixture(const std::string& name) { return VELMORA_SOURCE_DIR "/tests/fixtures/" + name; }

struct ExportFile {
    const char* name;
    std::vector<Booking> bookings;
};

const ExportFile kExportFiles[] = {
    {"girokonto-eur.xml",
     {{"03.01.2024", "104990", "Girokonto", "Unbekannt", "Sonstiges", "Stadtwerke Mühlheim GmbH",
       "Abschlag Strom Januar\nKd-Nr. 4711-0815", ""},
      {"15.01.2024", "287500", "Unbekannt", "Girokonto", "Sonstiges", "Bäckerei Größner & Söhne",
       "Gehalt 01/2024 \n inkl. Prämie", ""},
      {"01.02.2024", "75000", "Girokonto", "Unbekannt", "Sonstiges", "Jürgen Weiß", "Miete Februar (€ 750,–)", ""}}},
    {"sparbuch-dm.xml",
     {{"31.12.1998", "63122", "Unbekannt", "Sparbuch", "Sonstiges", "Kreissparkasse Köln", "Zinsen 1998", ""},
      {"02.01.1999", "25565", "Sparbuch", "Unbekannt", "Sonstiges", "Öko-Bank eG", "Umbuchung\nauf Festgeld", ""},
      {"15.03.2001", "1", "Sparbuch", "Unbekannt", "Sonstiges", "", "", ""}}},
    {"offene-buchung.xml",
     {{"24.12.2023", "4999", "Kasse", "Unbekannt", "Sonstiges", "Spielwaren Hölzl", "Geschenke ohne Ende", ""}}},
    // Every byte is read as Mac OS Roman: the tags still match, the umlauts do not survive.
    {"utf8-bom.xml",
     {{"29.02.2024", "1234", "Giro", "Unbekannt", "Sonstiges", "M√ºller ‚óä S√∂hne", "Gr√∂√üe", ""}}},
    {"rauten.xml", {{"01.06.2022", "100", "Unbekannt", "Giro", "Sonstiges", "\n\n\n", "a\n\nb", ""}}},
    {"nul-bytes.xml",
     {{"05.05.2005", "5\0"s "00", "Gi\0ro"s, "Unbekannt", "Sonstiges", "\0"s, "a\0b"s, ""}}},
    {"shell.xml",
     {{"01.01.2020", "100", "$(touch /tmp/velmora-eingeschleust)", "Unbekannt", "Sonstiges",
       "`touch /tmp/velmora-eingeschleust`; touch /tmp/velmora-eingeschleust | sh",
       "\" && touch /tmp/velmora-eingeschleust && \"$HOME ${PATH} \n \\n %s %n -e --", ""}}},
    // Trimmed, a closing line with white space around it closes; one with more text does not.
    {"zeilenenden.xml",
     {{"", "700", "Giro", "Unbekannt", "Sonstiges", "", "", ""}, {"", "0000", "", "", "Sonstiges", "", "", ""},
      {"", "0000", "", "", "Sonstiges", "", "", ""}}},
    {"nur-zeilenenden.xml", {}},
    {"binaer.dat", {}},
};

TEST(ExportFiles, EachFixtureHandsOffItsBookings) {
    for (const auto& file : kExportFiles) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(LoadAndSend(Fixture(file.name)), file.bookings);
    }
}

// A line of 10 MB, as a value and as nothing but lozenges, comes through whole.
TEST(ExportFiles, TenMegabyteLinesComeThroughWhole) {
    const std::size_t size = 10 << 20;
    std::string value, expected;
    for (std::size_t i = 0; value.size() < size; ++i) {
        value += i % 64 == 63 ? "\xD7" : "\x8A";
        expected += i % 64 == 63 ? "\n" : "ä";
    }
    testsupport::TempDir dir;
    const auto path = dir.Write("lang.xml", "<umsatztext>" + value + "\r" + std::string(size, '\xD7') +
                                                "\r</transfer_daten>");
    testsupport::CapturedBookings captured;
    auto window = testsupport::UnshownMainWindow();
    window->f = std::make_shared<fw::FolderItem>(fw::String(path.string()));
    window->Laden();
    ASSERT_EQ(window->anz_zeilen, 2);
    EXPECT_TRUE((*window->zeilen)(1).Bytes() == std::string(size, '\n'));
    window->buchung_erzeugen();
    ASSERT_EQ(captured.Bookings().size(), 1u);
    EXPECT_TRUE(captured.Bookings()[0][6] == expected) << "the text value differs";
}

}  // namespace
