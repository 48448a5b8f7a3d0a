#pragma once

#include <memory>

#include "framework/core/String.h"

namespace fw {

class TextInputStream;

// A reference to an item of the file system by its path; the item need not exist. Like
// every object of the framework it belongs to the thread of the event loop.
class FolderItem {
public:
    explicit FolderItem(String path);

    bool Exists() const;
    String Name() const;
    String AbsolutePath() const { return path_; }

    // The folder that holds this item; nil for the root.
    std::shared_ptr<FolderItem> Parent() const;
    // The item of that name inside this folder, whether it exists or not.
    std::shared_ptr<FolderItem> Child(const String& name) const;

    // A stream over the file's bytes; nil for a missing or unreadable file or a folder.
    std::shared_ptr<TextInputStream> OpenAsTextFile() const;

private:
    String path_;
};

}  // namespace fw
