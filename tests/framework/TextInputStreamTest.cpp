#include "framework/core/TextInputStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/FolderItem.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::TempDir;

std::string Repeated(const std::string& text, std::size_t times) {
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i) repeated += text;
    return repeated;
}

class TextInputStreamTest : public testing::Test {
protected:
    std::shared_ptr<fw::TextInputStream> Open(const std::string& bytes) {
        const auto path = temp.Write("export-" + std::to_string(++files) + ".txt", bytes);
        return fw::FolderItem(path.string()).OpenAsTextFile();
    }

    // Every line, read the way the import reads them: until the end of the file. Whatever
    // the stream's encoding, a line is handed out in UTF-8.
    std::vector<std::string> Lines(const std::string& bytes, fw::TextEncoding encoding = fw::Encodings::UTF8) {
        const auto stream = Open(bytes);
        if (!stream) return {"<no stream>"};
        stream->SetEncoding(encoding);
        std::vector<std::string> lines;
        while (!stream->EndOfFile()) lines.push_back(stream->ReadLine().Bytes());
        return lines;
    }

    TempDir temp;
    int files = 0;
};

TEST_F(TextInputStreamTest, EndsLinesAtCrOrLfOrCrLf) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r", {"a"}},
        {"a\r\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"\n", {""}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"\r\r\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {" x \t\n", {" x \t"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(Lines(c.bytes), c.lines);
    }
}

TEST_F(TextInputStreamTest, AnEmptyFileIsAtItsEndAtOnce) {
    const auto stream = Open("");
    ASSERT_NE(stream, nullptr);
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_EQ(stream->ReadLine().Bytes(), "");
    EXPECT_TRUE(stream->EndOfFile());
}

TEST_F(TextInputStreamTest, ReadingPastTheEndGivesEmptyLines) {
    const auto stream = Open("eins\nzwei\n");
    ASSERT_NE(stream, nullptr);
    EXPECT_FALSE(stream->EndOfFile());
    EXPECT_FALSE(stream->EndOfFile());  // asking twice reads nothing away
    EXPECT_EQ(stream->ReadLine().Bytes(), "eins");
    EXPECT_EQ(stream->ReadLine().Bytes(), "zwei");
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_EQ(stream->ReadLine().Bytes(), "");
    EXPECT_EQ(stream->ReadLine().Bytes(), "");
    EXPECT_TRUE(stream->EndOfFile());
}

TEST_F(TextInputStreamTest, LineEndsAcrossTheReadChunks) {
    // The stream reads 64 KiB at a time; these put a line end on either side of that edge.
    constexpr std::size_t kChunk = 1 << 16;
    const std::string full(kChunk - 1, 'x');
    struct Case {
        std::string name, bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"CRLF split over the edge", full + "\r\nnext", {full, "next"}},
        {"CRLF split at the end", full + "\r\n", {full}},
        {"CR at the end of the chunk", full + "\rnext", {full, "next"}},
        {"CR as the last byte", full + "\r", {full}},
        {"CR then an empty line", full + "\r\r\nnext", {full, "", "next"}},
        {"CRLF just after the edge", full + "x\r\nnext", {full + "x", "next"}},
        {"LF at the end of the chunk", full + "\nnext", {full, "next"}},
        {"a line over two chunks", "a\n" + full + full + "\nb", {"a", full + full, "b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Lines(c.bytes), c.lines);
    }
}

// A Mac OS Roman line is given room for its UTF-8 as it is read; a line over the edge of
// a chunk gets it only for its first part and must still decode whole.
TEST_F(TextInputStreamTest, MacRomanLinesOverTheChunkEdgeDecodeWhole) {
    constexpr std::size_t kChunk = 1 << 16;
    const std::string umlauts(kChunk / 2, '\x8A');
    const std::string bytes = "\x9F\r" + umlauts + umlauts + "\xDB\xD7\rx\x8A\n" + std::string(kChunk, '\xA0');
    const std::vector<std::string> expected = {"ü", Repeated("ä", kChunk) + "€◊", "xä", Repeated("†", kChunk)};
    EXPECT_TRUE(Lines(bytes, fw::Encodings::MacRoman) == expected);
}

TEST_F(TextInputStreamTest, AVeryLongLineComesBackWhole) {
    std::string line;
    for (int i = 0; line.size() < 10'000'000; ++i) line += "Wert " + std::to_string(i) + ";";
    const auto lines = Lines(line + "\r\nEnde");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0] == line);
    EXPECT_EQ(lines[1], "Ende");
}

TEST_F(TextInputStreamTest, DecodesTheLinesFromTheStreamsEncoding) {
    const auto stream = Open("Müller\n");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->ReadLine().Bytes(), "Müller") << "a new stream reads UTF-8";
    struct Case {
        std::string name;
        fw::TextEncoding encoding;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"UTF-8", fw::Encodings::UTF8, "Müller\nKöln €\n", {"Müller", "Köln €"}},
        {"Mac OS Roman", fw::Encodings::MacRoman, "M\x9Fller\nK\x9Aln \xDB\n", {"Müller", "Köln €"}},
        {"Mac OS Roman without high bytes", fw::Encodings::MacRoman, "Betrag;12,50\r", {"Betrag;12,50"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Lines(c.bytes, c.encoding), c.lines);
    }
}

}  // namespace
