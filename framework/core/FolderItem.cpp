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

// Not empty, "." or "..", and without a separator: a name that a normal path keeps as it is.
bool IsPlainComponent(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

// Absolute, and every component plain: a path that normalising leaves as it is.
bool IsNormalised(std::string_view path) {
    if (!path.starts_with('/')) return false;
    if (path.size() == 1) return true;
    for (std::size_t start = 1; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (!IsPlainComponent(path.substr(start, end - start))) return false;
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

FolderItem::FolderItem(String path) : path_(NormalisedPath(std::move(path).Bytes())) {}

FolderItem::FolderItem(std::string path, NormalPath) : path_(std::move(path)) {}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(fs::path(path_.Bytes()), error);
}

bool FolderItem::Directory() const {
    std::error_code error;
    return fs::is_directory(fs::path(path_.Bytes()), error);
}

String FolderItem::Name() const { return String(fs::path(path_.Bytes()).filename().string()); }

// The path is normalised, so its parent is what stands before its last separator, and
// is normal too.
std::shared_ptr<FolderItem> FolderItem::Parent() const {
    const std::string& path = path_.Bytes();
    if (path == "/") return nullptr;
    if (!parent_) {
        const std::size_t separator = path.rfind('/');
        parent_ = std::make_shared<FolderItem>(separator == 0 ? "/" : path.substr(0, separator), NormalPath());
    }
    return parent_;
}

// An absolute name takes the place of the whole path; the constructor normalises the rest,
// unless the name is one plain component, which leaves the joined path normal.
std::shared_ptr<FolderItem> FolderItem::Child(const String& name) const {
    if (!lastChild_ || !(name == lastChildName_)) {
        lastChild_ = MakeChild(name);
        lastChildName_ = name;
    }
    return lastChild_;
}

std::shared_ptr<FolderItem> FolderItem::MakeChild(const String& name) const {
    const std::string& component = name.Bytes();
    if (component.starts_with('/')) return std::make_shared<FolderItem>(name);
    const std::string& path = path_.Bytes();
    std::string joined;
    joined.reserve(path.size() + 1 + component.size());
    if (path != "/") joined = path;
    joined.append(1, '/').append(component);
    if (IsPlainComponent(component)) return std::make_shared<FolderItem>(std::move(joined), NormalPath());
    return std::make_shared<FolderItem>(String(std::move(joined)));
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
