#include <gtest/gtest.h>

#include <cstdlib>
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
    }

    void Run(const std::vector<std::string>& values) {
        auto booking = fw::CreateArray<fw::Variant>(static_cast<int>(values.size()) - 1);
        for (std::size_t i = 0; i < values.size(); ++i) booking->Store(static_cast<int>(i), fw::Variant(values[i]));
        fw::ProcessScriptRunner().Run(fw::FolderItem(VELMORA_SOURCE_DIR "/resources/buchungViaKw7.scpt"), *booking);
    }
    std::string Journal() const { return testsupport::ReadFile(home_.Path() / "Dorvik-Buchungen.csv"); }

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

TEST_F(BuchungsscriptTest, FailsWhenTheJournalCannotBeWritten) {
    setenv("HOME", (home_.Path() / "fehlt").c_str(), 1);
    EXPECT_THROW(Run({"", "", "", "", "", "", "", ""}), fw::RuntimeException);
}

TEST_F(BuchungsscriptTest, FailsOnAnotherNumberOfValues) {
    EXPECT_THROW(Run({"nur", "drei", "Werte"}), fw::RuntimeException);
    EXPECT_EQ(Journal(), "");
}

}  // namespace
