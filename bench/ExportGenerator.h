#pragma once

#include <cstdint>
#include <filesystem>

namespace bench {

// What a generated export holds.
struct ExportFile {
    std::filesystem::path path;
    std::uintmax_t bytes = 0;
    std::uint64_t lines = 0;
    std::uint64_t transactions = 0;
};

// Writes a transfer-data export as the account program does: Mac OS Roman, CR line ends,
// indented tag lines, German texts with umlauts and "◊" for line breaks in a value, and
// transactions until the file reaches `targetBytes`. The same seed gives the same file.
ExportFile WriteExport(const std::filesystem::path& path, std::uintmax_t targetBytes);

}  // namespace bench
