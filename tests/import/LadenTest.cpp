#include <gtest/gtest.h>

#include <filesystem>

#include "framework/core/Exceptions.h"
#include "tests/support/Capture.h"
#include "tests/support/MainWindowState.h"
#include "tests/support/TempDir.h"
#include "tests/support/WithoutReadOverride.h"

namespace {

using testsupport::Lines;
using Entries = std::vector<std::string>;

class LadenTest : public testing::Test {
protected:
    // Chooses the file and loads it, as the window's command does.
    void Load(const std::filesystem::path& path) {
        window->f = std::make_shared<fw::FolderItem>(fw::String(path.string()));
        window->Laden();
    }
    void LoadBytes(const std::string& bytes) { Load(dir.Write("export.xml", bytes)); }

    testsupport::TempDir dir;
    std::shared_ptr<class Fenster1> window = testsupport::UnshownMainWindow();
    testsupport::CapturedMessages messages;
};

struct LineCase {
    const char* name;
    std::string bytes;
    Entries entries;
};

const LineCase kLineCases[] = {
    {"CR line ends, as a Mac writes them", "a\rb\rc", {"a", "b", "c"}},
    {"LF with a final line end", "a\nb\n", {"a", "b"}},
    {"CRLF", "a\r\nb\r\n", {"a", "b"}},
    {"mixed line ends", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
    {"empty file still makes one pass", "", {""}},
    {"only line ends", "\r\n\r\n\n", {"", "", ""}},
    {"white space only becomes an empty entry", "  \t \nx", {"", "x"}},
    {"trimmed at both ends, inner blanks kept", "  <art>Ab buchung</art> \t", {"<art>Ab buchung</art>"}},
    {"no-break space 0xCA counts as white space", "\xCAx\xCA", {"x"}},
    {"German letters and euro from Mac OS Roman", "\x8A\x9A\x9F\x80\x85\x86\xA7\xDB", {"äöüÄÖÜß€"}},
    {"several lozenges become line feeds", "a\xD7" "b\xD7" "c", {"a\nb\nc"}},
    {"lozenges at the start and end stay as line feeds", "\xD7x\xD7", {"\nx\n"}},
    {"lozenge after trimming keeps the blanks beside it", "  \xD7 x \xD7  ", {"\n x \n"}},
    {"a line of nothing but lozenges", "\xD7\xD7\xD7", {"\n\n\n"}},
    {"a CRLF split across two read chunks is one line end",
     std::string(65535, 'x') + "\r\ny", {std::string(65535, 'x'), "y"}},
};

TEST_F(LadenTest, TurnsEveryLineIntoOneEntry) {
    for (const auto& c : kLineCases) {
        SCOPED_TRACE(c.name);
        window = testsupport::UnshownMainWindow();
        LoadBytes(c.bytes);
        EXPECT_EQ(Lines(*window), c.entries);
        EXPECT_EQ(window->anz_zeilen, static_cast<int>(c.entries.size()) - 1);
    }
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(LadenTest, UTF8FileIsReadAsMacRomanAndNoEntryHoldsALozenge) {
    // "ä" in UTF-8 is 0xC3 0xA4, which Mac OS Roman reads as "√§"; a BOM as "Ôªø".
    LoadBytes("\xEF\xBB\xBF\xC3\xA4\xE2\x97\x8A");
    EXPECT_EQ(Lines(*window), Entries({"Ôªø√§‚óä"}));
}

TEST_F(LadenTest, LaterLoadsAppendAfterEarlierOnes) {
    const auto a = dir.Write("a.xml", "a1\ra2");
    const auto b = dir.Write("b.xml", "b1");
    Load(a);
    Load(b);
    Load(a);
    EXPECT_EQ(Lines(*window), Entries({"a1", "a2", "b1", "a1", "a2"}));
    EXPECT_EQ(window->anz_zeilen, 4);
}

TEST_F(LadenTest, MissingFileIsReportedAndChangesNothing) {
    LoadBytes("x\ry");
    const auto missing = dir.Path() / "weg.xml";
    Load(missing);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], "Datei " + missing.string() + " ist nicht vorhanden");
    EXPECT_EQ(Lines(*window), Entries({"x", "y"}));
    EXPECT_EQ(window->anz_zeilen, 1);
}

TEST_F(LadenTest, MissingFileBeforeAnyLoadKeepsTheInitialState) {
    Load(dir.Path() / "weg.xml");
    EXPECT_EQ(window->zeilen->Ubound(), -1);
    EXPECT_EQ(window->anz_zeilen, 0);
}

TEST_F(LadenTest, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    LoadBytes("x\ry");
    const auto folder = dir.Path() / "ordner";
    std::filesystem::create_directory(folder);
    const auto locked = dir.Write("gesperrt.xml", "z");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const testsupport::WithoutReadOverride asUser;
    for (const auto& path : {folder, locked}) {
        SCOPED_TRACE(path.string());
        try {
            Load(path);
            ADD_FAILURE() << "it was loaded";
        } catch (const fw::RuntimeException& e) {
            EXPECT_EQ(e.Message().Bytes(), "Datei " + path.string() + " kann nicht gelesen werden");
        }
        EXPECT_EQ(Lines(*window), Entries({"x", "y"}));
        EXPECT_EQ(window->anz_zeilen, 1);
    }
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(LadenTest, WithoutAChosenFileRaisesNilObject) {
    EXPECT_THROW(window->Laden(), fw::NilObjectException);
}

}  // namespace
