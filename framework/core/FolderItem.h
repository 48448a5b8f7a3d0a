#pragma once

#include <memory>

#include "framework/core/String.h"

namespace fw {

class TextInputStream;

// A reference to an item of the file system by its path; the item need not exist. Like
// every object of the framework it belongs to the thread of the event loop.
class FolderItem {
    // Only a FolderItem can vouch that a path is absolute and normal already.
    class NormalPath {
        friend class FolderItem;
        NormalPath() = default;
    };

public:
    explicit FolderItem(String path);
    FolderItem(std::string path, NormalPath);

    bool Exists() const;
    bool Directory() const;
    String Name() const;
    String AbsolutePath() const { return path_; }

    // The folder that holds this item; nil for the root.
    std::shared_ptr<FolderItem> Parent() const;
    // The item of that name inside this folder, whether it exists or not.
    std::shared_ptr<FolderItem> Child(const String& name) const;

    // A stream over the file's bytes; nil for a missing or unreadable file or a folder.
    std::shared_ptr<TextInputStream> OpenAsTextFile() const;

private:
    std::shared_ptr<FolderItem> MakeChild(const String& name) const;

    String path_;
    // The hand-off asks the same items for the same parent and child at every booking, so
    // the last ones made are kept and handed out again; a path never changes, so they stay
    // right. An item keeps only items it made itself, never one made before it, so these
    // references cannot form a cycle.
    mutable std::shared_ptr<FolderItem> parent_;
    mutable String lastChildName_;
    mutable std::shared_ptr<FolderItem> lastChild_;
};

}  // namespace fw
