#include "framework/core/FolderItem.h"

#include <filesystem>

#include "framework/core/TextInputStream.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

// An absolute path without a trailing separator, so that Name and Parent see its last
// component; nothing is resolved on disk.
std::string NormalisedPath(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(fs::path(path), error);
    if (error) absolute = fs::path(path);
    std::string text = absolute.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace

FolderItem::FolderItem(String path) : path_(NormalisedPath(path.ToUTF8())) {}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(fs::path(path_.Bytes()), error);
}

bool FolderItem::Directory() const {
    std::error_code error;
    return fs::is_directory(fs::path(path_.Bytes()), error);
}

String FolderItem::Name() const { return String(fs::path(path_.Bytes()).filename().string()); }

std::shared_ptr<FolderItem> FolderItem::Parent() const {
    const fs::path path(path_.Bytes());
    if (!path.has_relative_path()) return nullptr;
    return std::make_shared<FolderItem>(String(path.parent_path().string()));
}

std::shared_ptr<FolderItem> FolderItem::Child(const String& name) const {
    return std::make_shared<FolderItem>(String((fs::path(path_.Bytes()) / name.ToUTF8()).string()));
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
    // Only a regular file has an end to read to: a folder, a pipe or a device gives no stream.
    std::error_code error;
    if (!fs::is_regular_file(fs::path(path_.Bytes()), error)) return nullptr;
    std::FILE* file = std::fopen(path_.Bytes().c_str(), "rb");
    if (!file) return nullptr;
    return std::make_shared<TextInputStream>(file);
}

}  // namespace fw
