#include "framework/core/ScriptRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/Bundle.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::Booking;
using testsupport::RecordingScript;
using testsupport::TempDir;

std::shared_ptr<fw::Array<fw::Variant>> Values(const std::vector<fw::String>& values) {
    auto array = fw::CreateArray<fw::Variant>(-1);
    for (const auto& value : values) array->Insert(array->Ubound() + 1, fw::StringToVariant(value));
    return array;
}

std::shared_ptr<fw::FolderItem> Item(const fs::path& path) { return std::make_shared<fw::FolderItem>(path.string()); }

std::shared_ptr<fw::FolderItem> BookingScript() { return Item(testsupport::BookingScriptPath()); }

// The message of the RuntimeException that running `script` raises; "" when none.
std::string FailureOf(const std::shared_ptr<fw::FolderItem>& script, const std::vector<fw::String>& values = {"1"}) {
    try {
        fw::ExecuteScript(script, Values(values));
    } catch (const fw::RuntimeException& e) {
        return e.Message().Bytes();
    }
    return "";
}

// Every test runs with the real runner, whatever another test left installed.
class ScriptRunnerTest : public testing::Test {
protected:
    ScriptRunnerTest() : previous_(fw::SetScriptRunner(std::make_unique<fw::ProcessScriptRunner>())) {}
    ~ScriptRunnerTest() override { fw::SetScriptRunner(std::move(previous_)); }

    TempDir temp;

private:
    std::unique_ptr<fw::ScriptRunner> previous_;
};

TEST_F(ScriptRunnerTest, ValuesArriveByteForByte) {
    const RecordingScript script;
    const fs::path injected = temp.Path() / "eingeschleust";
    const std::vector<std::string> values = {
        "Müller & Söhne GmbH",
        "say \"hi\" and 'bye'",
        "a;b; rm -rf x",
        "$(touch " + injected.string() + ")",
        "`touch " + injected.string() + "`",
        "${HOME}",
        "erste Zeile\nzweite Zeile",
        "\r\ttab",
        "-n",
        "--help",
        "",
        "  Leerzeichen  ",
        "*",
        "back\\slash",
        "12,50 €",
        "◊😀",
        "",
    };
    fw::ExecuteScript(BookingScript(), Values({values.begin(), values.end()}));
    EXPECT_EQ(script.Bookings(), std::vector<Booking>{values});
    EXPECT_FALSE(fs::exists(injected));
}

TEST_F(ScriptRunnerTest, AnEmptyListRunsTheScriptWithoutArguments) {
    const RecordingScript script;
    fw::ExecuteScript(BookingScript(), Values({}));
    EXPECT_EQ(script.Bookings(), (std::vector<Booking>{{}}));
}

TEST_F(ScriptRunnerTest, TheScriptInheritsTheEnvironment) {
    const RecordingScript script("set -- \"$VELMORA_TEST_WERT\"\n");
    setenv("VELMORA_TEST_WERT", "geerbt ä", 1);
    fw::ExecuteScript(BookingScript(), Values({}));
    unsetenv("VELMORA_TEST_WERT");
    EXPECT_EQ(script.Bookings(), (std::vector<Booking>{{"geerbt ä"}}));
}

TEST_F(ScriptRunnerTest, WaitsForTheScriptToEnd) {
    const RecordingScript script("sleep 0.3\n");
    fw::ExecuteScript(BookingScript(), Values({"1"}));
    EXPECT_EQ(script.Bookings(), (std::vector<Booking>{{"1"}}));
}

TEST_F(ScriptRunnerTest, FailuresNameTheScriptAndWhatWentWrong) {
    struct Case {
        std::string name;
        std::function<void(const fs::path&)> make;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"missing", [](const fs::path&) {}, "ist nicht vorhanden."},
        {"not executable",
         [](const fs::path& path) {
             testsupport::WriteExecutable(path, "exit 0\n");
             fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                       fs::perms::others_read);
         },
         "nicht ausführbar"},
        {"a folder", [](const fs::path& path) { fs::create_directory(path); }, "nicht ausführbar"},
        {"no program",
         [](const fs::path& path) {
             std::ofstream(path, std::ios::binary) << "\x01\x02 kein Programm";
             fs::permissions(path, fs::perms::owner_all);
         },
         "kein ausführbares Programm"},
        {"a missing interpreter",
         [](const fs::path& path) {
             std::ofstream(path, std::ios::binary) << "#!/gibt/es/nicht\n";
             fs::permissions(path, fs::perms::owner_all);
         },
         "Programm, das nicht vorhanden ist"},
        {"exit status 3", [](const fs::path& path) { testsupport::WriteExecutable(path, "exit 3\n"); }, "Status 3"},
        {"killed", [](const fs::path& path) { testsupport::WriteExecutable(path, "kill -9 $$\n"); }, "Signal 9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = temp.Path() / ("Buchung " + c.name + ".scpt");
        c.make(path);
        const std::string message = FailureOf(Item(path));
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
        EXPECT_NE(message.find(path.string()), std::string::npos) << message;
    }
}

TEST_F(ScriptRunnerTest, AValueWithANulCharacterIsRefusedBeforeTheScriptRuns) {
    const RecordingScript script;
    const std::string message = FailureOf(BookingScript(), {"gut", std::string("a\0b", 3)});
    EXPECT_NE(message.find(testsupport::BookingScriptPath().string()), std::string::npos) << message;
    EXPECT_TRUE(script.Bookings().empty());
}

// A line of an export may run to megabytes; no program argument can hold that much.
TEST_F(ScriptRunnerTest, AValueTooLongForAnArgumentIsReportedAsSuch) {
    const RecordingScript script;
    const std::string message = FailureOf(BookingScript(), {"gut", std::string(10 << 20, 'x')});
    EXPECT_NE(message.find("zu lang"), std::string::npos) << message;
    EXPECT_NE(message.find(testsupport::BookingScriptPath().string()), std::string::npos) << message;
    EXPECT_TRUE(script.Bookings().empty());
}

TEST_F(ScriptRunnerTest, NilScriptOrValuesRaiseNilObject) {
    const RecordingScript script;
    EXPECT_THROW(fw::ExecuteScript(nullptr, Values({"1"})), fw::NilObjectException);
    EXPECT_THROW(fw::ExecuteScript(BookingScript(), nullptr), fw::NilObjectException);
    EXPECT_TRUE(script.Bookings().empty());
}

class CountingRunner : public fw::ScriptRunner {
public:
    void Run(const fw::FolderItem&, const fw::Array<fw::Variant>&) override { ++runs; }
    int runs = 0;
};

TEST_F(ScriptRunnerTest, SetScriptRunnerGivesBackTheRunnerItReplaces) {
    auto counting = std::make_unique<CountingRunner>();
    CountingRunner* const installed = counting.get();
    const auto real = fw::SetScriptRunner(std::move(counting));
    ASSERT_NE(dynamic_cast<fw::ProcessScriptRunner*>(real.get()), nullptr);

    fw::ExecuteScript(Item(temp.Path() / "fehlt"), Values({}));
    EXPECT_EQ(installed->runs, 1);

    const auto replaced = fw::SetScriptRunner(nullptr);
    EXPECT_EQ(replaced.get(), installed);
    EXPECT_THROW(fw::ExecuteScript(BookingScript(), Values({})), fw::NilObjectException);
}

}  // namespace
