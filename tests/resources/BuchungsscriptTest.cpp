#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "framework/core/Exceptions.h"
#include "framework/core/ScriptRunner.h"
#include "tests/support/TempDir.h"

namespace {

// The booking script the bundle ships, run as the application runs it.
class BuchungsscriptTest : public testing::Test {
protected:
    void SetUp() override {
        const char* home = std::getenv("HOME");
        if (home) savedHome_ = home;
        setenv("HOME", home_.Path().c_str(), 1);
    }
    void TearDown() override {
        if (savedHome_) setenv("HOME", savedHome_->c_str(), 1);
        else unsetenv("HOME");
    }

    void Run(const std::vector<std::string>& values) {
        auto booking = fw::CreateArray<fw::Variant>(static_cast<int>(values.size()) - 1);
        for (std::size_t i = 0; i < values.size(); ++i) booking->Store(static_cast<int>(i), fw::Variant(values[i]));
        fw::ProcessScriptRunner().Run(fw::FolderItem(VELMORA_SOURCE_DIR "/resources/buchungViaKw7.scpt"), *booking);
    }
    // The message the runner raises for a failing booking; empty when it succeeds.
    std::string Failure(const std::vector<std::string>& values) {
        try {
            Run(values);
        } catch (const fw::RuntimeException& e) {
            return e.what();
        }
        return {};
    }
    std::filesystem::path JournalPath() const { return home_.Path() / "Dorvik-Buchungen.csv"; }
    std::string Journal() const { return testsupport::ReadFile(JournalPath()); }

    testsupport::TempDir home_;
    std::optional<std::string> savedHome_;
};

TEST_F(BuchungsscriptTest, AppendsOneQuotedRecordPerBooking) {
    Run({"05.03.2024", "123456", "Giro", "Unbekannt", "Sonstiges", "Müller; \"Sohn\"", "Zeile 1\nZeile 2\n", ""});
    Run({"06.03.2024", "0000", "", "", "Sonstiges", "$(echo x)", "", ""});
    EXPECT_EQ(Journal(),
              "\"05.03.2024\";\"123456\";\"Giro\";\"Unbekannt\";\"Sonstiges\";\"Müller; \"\"Sohn\"\"\";"
              "\"Zeile 1\nZeile 2\n\";\"\"\n"
              "\"06.03.2024\";\"0000\";\"\";\"\";\"Sonstiges\";\"$(echo x)\";\"\";\"\"\n");
}

// Each value, first, in the middle and last in a booking, arrives byte for byte: nothing
// in it is expanded, globbed, split, trimmed or read as an option or a format.
TEST_F(BuchungsscriptTest, KeepsEveryValueAsItIs) {
    struct Case {
        std::string value;
        std::string field;
    };
    const std::vector<Case> cases = {
        {"", "\"\""},
        {"\"", "\"\"\"\""},
        {"\"\"\"", "\"\"\"\"\"\"\"\""},
        {"\"am Anfang und am Ende\"", "\"\"\"am Anfang und am Ende\"\"\""},
        {"a\"\"b", "\"a\"\"\"\"b\""},
        {";", "\";\""},
        {"\n", "\"\n\""},
        {"`echo x` $HOME ${HOME}", "\"`echo x` $HOME ${HOME}\""},
        {"Grüße ◊ Straße", "\"Grüße ◊ Straße\""},
        {"  vorn und hinten \t ", "\"  vorn und hinten \t \""},
        {"*", "\"*\""},
        // ".*" matches "." and ".." in any folder, were it globbed.
        {"? [a-z]* .*", "\"? [a-z]* .*\""},
        {"-n", "\"-n\""},
        {"-e", "\"-e\""},
        {"--", "\"--\""},
        {"\\", "\"\\\""},
        {"a\\nb\\\\c\\\"", "\"a\\nb\\\\c\\\"\"\""},
        {"%s %b %d %%", "\"%s %b %d %%\""},
        {"'", "\"'\""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(JournalPath());
        Run({c.value, "b", "c", c.value, "e", "f", "g", c.value});
        EXPECT_EQ(Journal(), c.field + ";\"b\";\"c\";" + c.field + ";\"e\";\"f\";\"g\";" + c.field + "\n")
            << "value: " << c.value;
    }
}

TEST_F(BuchungsscriptTest, KeepsALongValueWithManyQuotes) {
    std::string value;
    std::string field = "\"";
    for (int i = 0; i < 20000; ++i) {
        value += "a\"";
        field += "a\"\"";
    }
    field += "\"";
    Run({"", "", "", "", "", "", value, ""});
    EXPECT_EQ(Journal(), "\"\";\"\";\"\";\"\";\"\";\"\";" + field + ";\"\"\n");
}

// The exit statuses: 1 when the journal cannot be written, 2 for another number of
// values, 3 without a home folder.
TEST_F(BuchungsscriptTest, FailsWithItsStatusAndBooksNothing) {
    const std::vector<std::string> eight(8, "x");
    EXPECT_NE(Failure({"nur", "drei", "Werte"}).find("Status 2"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(JournalPath()));

    unsetenv("HOME");
    EXPECT_NE(Failure(eight).find("Status 3"), std::string::npos);
    setenv("HOME", "", 1);
    EXPECT_NE(Failure(eight).find("Status 3"), std::string::npos);

    setenv("HOME", (home_.Path() / "fehlt").c_str(), 1);
    EXPECT_NE(Failure(eight).find("Status 1"), std::string::npos);
}

// A journal that opens but takes no bytes, like a full disk.
TEST_F(BuchungsscriptTest, FailsWhenTheJournalTakesNoBytes) {
    std::filesystem::create_symlink("/dev/full", JournalPath());
    EXPECT_NE(Failure(std::vector<std::string>(8, "x")).find("Status 1"), std::string::npos);
}

}  // namespace
