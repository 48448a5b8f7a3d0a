#include "framework/core/LineScan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "framework/core/MacRoman.h"

namespace {

// The same answer found the plain way, a byte at a time.
fw::LineScan Expected(const std::string& bytes) {
    const std::size_t length = std::min(bytes.find_first_of("\r\n"), bytes.size());
    std::string utf8;
    fw::macroman::AppendUTF8(utf8, bytes.substr(0, length));
    return {length, utf8.size()};
}

void ExpectSameAsPlainScan(const std::string& bytes) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    const fw::LineScan scan = fw::ScanToLineEnd(bytes);
    const fw::LineScan expected = Expected(bytes);
    EXPECT_EQ(scan.length, expected.length);
    EXPECT_EQ(scan.macRomanUTF8Size, expected.macRomanUTF8Size);
}

TEST(LineScanTest, FindsTheFirstLineEndAndTheUtf8SizeBeforeIt) {
    const std::vector<std::string> cases = {
        "",
        "\r",
        "\n",
        "abc",
        "abcdefgh\rX",
        "abcdefg\r\n",
        // Characters of two and three bytes on both sides of the end, in a short line and a long one.
        "\x8A\xDB\x9F\r\xD7\xA0\xF0\xFF\x8A",
        "ab\x8A\xDB" "cdefgh\rij\xD7\x8A\xA0\xF0klmnopqrstuvw",
        "1234567\x8A\n\x8A\x8A",
        "\x8D\x8A\r",          // CR and LF with the high bit set are no line ends
        "\x0C\x0E\x09\x0B\n",  // neighbours of the line-end bytes
        std::string("\0\0\0\0\0\0\0\0\0\r", 10),
        std::string("\x01\x00\r", 3),  // a zero byte just before the CR
        std::string(16, '\xD7') + "\n",
        std::string(23, 'x') + "\xDB",  // no line end, a high byte in the tail
    };
    for (const auto& bytes : cases) ExpectSameAsPlainScan(bytes);
}

TEST(LineScanTest, AgreesWithThePlainScanOnRandomBytes) {
    std::mt19937 random(20240305);
    // Mostly ASCII, with high bytes and line ends now and then, as in an export.
    std::uniform_int_distribution<int> kind(0, 19), ascii(0x20, 0x7E), high(0x80, 0xFF);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(static_cast<std::size_t>(round % 70), ' ');
        for (char& byte : bytes) {
            const int k = kind(random);
            byte = static_cast<char>(k == 0 ? '\r' : k == 1 ? '\n' : k < 5 ? high(random) : ascii(random));
        }
        ExpectSameAsPlainScan(bytes);
    }
}

}  // namespace
