#include "framework/core/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "framework/core/TextInputStream.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

// An absolute path without a trailing separator, so that Name and Parent see its last
// component; nothing is resolved on disk.
std::string NormalisedPath(const std::string& path) {
    std::error_code error;
    // An empty path is the current folder, as "." is; absolute() refuses it.
    fs::path absolute = fs::absolute(fs::path(path.empty() ? "." : path), error);
    if (error) absolute = fs::path(path);
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace

FolderItem::FolderItem(String path) : path_(NormalisedPath(std::move(path).Bytes())) {}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(fs::path(path_.Bytes()), error);
}

String FolderItem::Name() const { return String(fs::path(path_.Bytes()).filename().string()); }

// The path is normalised, so its parent is what stands before its last separator.
std::shared_ptr<FolderItem> FolderItem::Parent() const {
    const fs::path path(path_.Bytes());
    if (path == path.root_path()) return nullptr;
    return std::make_shared<FolderItem>(String(path.parent_path().string()));
}

// An absolute name takes the place of the whole path.
std::shared_ptr<FolderItem> FolderItem::Child(const String& name) const {
    return std::make_shared<FolderItem>(String((fs::path(path_.Bytes()) / name.Bytes()).string()));
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
    // Only a regular file has an end to read to. Opened without blocking and tested once
    // open, so a pipe cannot make the open wait; close-on-exec keeps it from the scripts.
    const int descriptor = ::open(path_.Bytes().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat status {};
    std::FILE* file = nullptr;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) == 0) {
        file = ::fdopen(descriptor, "rb");
    }
    if (!file) {
        ::close(descriptor);
        return nullptr;
    }
    return std::make_shared<TextInputStream>(file);
}

}  // namespace fw
