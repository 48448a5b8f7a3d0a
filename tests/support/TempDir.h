#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A fresh folder, removed with everything in it when it goes out of scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes `bytes` to the file `name` in the folder and gives its path.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

}  // namespace testsupport
