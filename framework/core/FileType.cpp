#include "framework/core/FileType.h"

#include <algorithm>
#include <utility>

#include "framework/core/ClassRecords.h"

namespace fw {

namespace {
std::vector<std::pair<const FileType*, FileTypeRegistration>>& Registry() {
    static std::vector<std::pair<const FileType*, FileTypeRegistration>> registrations;
    return registrations;
}

std::shared_ptr<Object> NewFileType() { return std::make_shared<FileType>(); }
}  // namespace

const ClassRecord& FileType::Lookup() {
    static const ClassRecord record{
        .name = "FileType",
        .base = &ObjectRecord(),
        .properties = {{"Name", "s", kPublic},
                       {"Extensions", "s", kPublic},
                       {"MacType", "s", kPublic},
                       {"MacCreator", "s", kPublic}},
        .attributes = kPublic,
        .newObject = NewFileType,
    };
    return record;
}

FileType::~FileType() { Deregister(); }

void FileType::SetName(const String& value) {
    Deregister();
    name_ = value;
}

void FileType::SetExtensions(const String& value) {
    Deregister();
    extensions_ = value;
}

void FileType::SetMacType(const String& value) {
    Deregister();
    macType_ = value;
}

void FileType::SetMacCreator(const String& value) {
    Deregister();
    macCreator_ = value;
}

String FileType::Operator_Convert() {
    if (!registered_) {
        Registry().push_back({this, {name_, macCreator_, macType_, extensions_}});
        registered_ = true;
    }
    return name_;
}

void FileType::Deregister() {
    if (!registered_) return;
    auto& registrations = Registry();
    std::erase_if(registrations, [this](const auto& entry) { return entry.first == this; });
    registered_ = false;
}

std::vector<FileTypeRegistration> RegisteredFileTypes() {
    std::vector<FileTypeRegistration> result;
    for (const auto& entry : Registry()) result.push_back(entry.second);
    return result;
}

}  // namespace fw
