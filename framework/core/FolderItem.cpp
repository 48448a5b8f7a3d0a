#include "framework/core/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "framework/core/TextInputStream.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

// Absolute, and no component empty, "." or "..": a path that normalising leaves as it is.
bool IsNormalised(std::string_view path) {
    if (!path.starts_with('/')) return false;
    if (path.size() == 1) return true;
    for (std::size_t start = 1; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view component = path.substr(start, end - start);
        if (component.empty() || component == "." || component == "..") return false;
        start = end + 1;
    }
    return true;
}

// An absolute path without a trailing separator, so that Name and Parent see its last
// component; nothing is resolved on disk. The hand-off walks from the executable to the
// script for every booking, so the usual, already normal path is taken as it is.
std::string NormalisedPath(std::string path) {
    if (IsNormalised(path)) return path;
    std::error_code error;
    // An empty path is the current folder, as "." is; absolute() refuses it.
    fs::path absolute = fs::absolute(fs::path(path.empty() ? "." : path), error);
    if (error) absolute = fs::path(path);
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace

FolderItem::FolderItem(String path) : path_(NormalisedPath(std::move(path).ToUTF8())) {}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(fs::path(path_.Bytes()), error);
}

bool FolderItem::Directory() const {
    std::error_code error;
    return fs::is_directory(fs::path(path_.Bytes()), error);
}

String FolderItem::Name() const { return String(fs::path(path_.Bytes()).filename().string()); }

// The path is normalised, so its parent is what stands before its last separator.
std::shared_ptr<FolderItem> FolderItem::Parent() const {
    const std::string& path = path_.Bytes();
    if (path == "/") return nullptr;
    const std::size_t separator = path.rfind('/');
    return std::make_shared<FolderItem>(String(separator == 0 ? "/" : path.substr(0, separator)));
}

// An absolute name takes the place of the whole path; the constructor normalises the rest.
std::shared_ptr<FolderItem> FolderItem::Child(const String& name) const {
    std::string component = name.ToUTF8();
    if (component.starts_with('/')) return std::make_shared<FolderItem>(String(std::move(component)));
    const std::string& path = path_.Bytes();
    return std::make_shared<FolderItem>(String(path == "/" ? "/" + component : path + "/" + component));
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
