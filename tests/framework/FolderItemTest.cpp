#include "framework/core/FolderItem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/TextInputStream.h"
#include "tests/support/TempDir.h"
#include "tests/support/WithoutReadOverride.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;

class FolderItemTest : public testing::Test {
protected:
    FolderItemTest() {
        fs::create_directory(temp.Path() / "Ordner");
        temp.Write("Datei.txt", "Inhalt\n");
        temp.Write("Größe €.txt", "x");
        fs::create_symlink(temp.Path() / "Datei.txt", temp.Path() / "Verweis");
        fs::create_symlink(temp.Path() / "fehlt", temp.Path() / "Toter Verweis");
        mkfifo((temp.Path() / "Rohr").c_str(), 0600);
    }

    fw::FolderItem Item(const std::string& name) const { return fw::FolderItem((temp.Path() / name).string()); }

    TempDir temp;
};

TEST_F(FolderItemTest, AbsolutePathIsAbsoluteAndNormalised) {
    const std::string base = temp.Path().string();
    const std::string cwd = fs::current_path().string();
    struct Case {
        std::string path, expected;
    };
    const std::vector<Case> cases = {
        {base + "/Ordner", base + "/Ordner"},
        {base + "/Ordner/", base + "/Ordner"},
        {base + "//Ordner///", base + "/Ordner"},
        {base + "/./Ordner/../Datei.txt", base + "/Datei.txt"},
        {base + "/nicht/da/..", base + "/nicht"},
        {"/", "/"},
        {"//", "/"},
        {"/..", "/"},
        {"relativ/x.txt", cwd + "/relativ/x.txt"},
        {".", cwd},
        {"", cwd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.path + "\"");
        EXPECT_EQ(fw::FolderItem(c.path).AbsolutePath().Bytes(), c.expected);
    }
}

TEST_F(FolderItemTest, NamesTheLastComponent) {
    struct Case {
        std::string path, expected;
    };
    const std::vector<Case> cases = {
        {"/a/b.txt", "b.txt"}, {"/a/Größe €.txt", "Größe €.txt"}, {"/a/b/", "b"}, {"/a", "a"}, {"/", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fw::FolderItem(c.path).Name().Bytes(), c.expected);
    }
}

TEST_F(FolderItemTest, ParentsLeadUpToTheRoot) {
    auto item = std::make_shared<fw::FolderItem>("/a/b/c");
    std::vector<std::string> paths;
    for (; item; item = item->Parent()) paths.push_back(item->AbsolutePath().Bytes());
    EXPECT_EQ(paths, (std::vector<std::string>{"/a/b/c", "/a/b", "/a", "/"}));
    EXPECT_EQ(fw::FolderItem("/").Parent(), nullptr);
}

TEST_F(FolderItemTest, AChildNeedNotExist) {
    const fw::FolderItem folder = Item("Ordner");
    const auto child = folder.Child("neu.txt");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->AbsolutePath().Bytes(), (temp.Path() / "Ordner" / "neu.txt").string());
    EXPECT_EQ(child->Name().Bytes(), "neu.txt");
    EXPECT_FALSE(child->Exists());
    EXPECT_EQ(child->Parent()->AbsolutePath().Bytes(), folder.AbsolutePath().Bytes());

    const auto nested = folder.Child("fehlt")->Child("auch.txt");
    EXPECT_EQ(nested->AbsolutePath().Bytes(), (temp.Path() / "Ordner" / "fehlt" / "auch.txt").string());
    EXPECT_TRUE(Item("").Child("Datei.txt")->Exists());
}

TEST_F(FolderItemTest, AChildNameFollowsThePathRules) {
    const std::string base = temp.Path().string();
    struct Case {
        std::string folder, name, expected;
    };
    const std::vector<Case> cases = {
        {base, "a/b", base + "/a/b"},   {base, "x/", base + "/x"},      {base, "..", temp.Path().parent_path().string()},
        {base, ".", base},              {base, "", base},               {base, "/abs/olut", "/abs/olut"},
        {"/", "x", "/x"},               {"/", "..", "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + " + \"" + c.name + "\"");
        EXPECT_EQ(fw::FolderItem(c.folder).Child(c.name)->AbsolutePath().Bytes(), c.expected);
    }
}

// Names that only look like "." or ".." are joined like any other name.
TEST_F(FolderItemTest, AChildOfOneComponentIsTheNormalisedJoin) {
    for (const std::string& folder : {std::string("/"), std::string("/a/b"), temp.Path().string()}) {
        for (const std::string name : {"x", ".versteckt", "...", "..x", "x..", "a b", "Größe €.txt", " "}) {
            SCOPED_TRACE(folder + " + \"" + name + "\"");
            const auto child = fw::FolderItem(folder).Child(name);
            EXPECT_EQ(child->AbsolutePath().Bytes(), fw::FolderItem(folder + "/" + name).AbsolutePath().Bytes());
            EXPECT_EQ(child->Parent()->AbsolutePath().Bytes(), fw::FolderItem(folder).AbsolutePath().Bytes());
        }
    }
}

TEST_F(FolderItemTest, TellsWhatIsThere) {
    struct Case {
        std::string name;
        bool exists, opens;
    };
    const std::vector<Case> cases = {
        {"Datei.txt", true, true},  {"Größe €.txt", true, true},         {"Ordner", true, false},
        {"Ordner/", true, false},   {"fehlt", false, false},             {"Ordner/fehlt/tiefer", false, false},
        {"Verweis", true, true},    {"Toter Verweis", false, false},
        // A pipe has no end to read to; opening it must not wait for a writer.
        {"Rohr", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fw::FolderItem item = Item(c.name);
        EXPECT_EQ(item.Exists(), c.exists);
        EXPECT_EQ(item.OpenAsTextFile() != nullptr, c.opens);
    }
}

TEST_F(FolderItemTest, OpensAFileToReadIt) {
    const auto stream = Item("Verweis").OpenAsTextFile();
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->ReadLine().Bytes(), "Inhalt");
    EXPECT_TRUE(stream->EndOfFile());
}

TEST_F(FolderItemTest, AnUnreadableFileGivesNoStream) {
    const auto path = temp.Write("gesperrt.txt", "geheim");
    fs::permissions(path, fs::perms::none);
    const testsupport::WithoutReadOverride asUser;
    EXPECT_EQ(fw::FolderItem(path.string()).OpenAsTextFile(), nullptr);
}

}  // namespace
