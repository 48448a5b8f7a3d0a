#pragma once

#include <string>
#include <vector>

#include "framework/core/Object.h"

namespace fw {

// A file type that open-file dialogs can be given by name. It registers itself with the
// framework the first time it is converted to its name, and deregisters itself when a
// setter changes it or when it is destroyed.
class FileType : public Object {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }
    ~FileType() override;

    void SetName(const String& value);
    void SetExtensions(const String& value);
    void SetMacType(const String& value);
    void SetMacCreator(const String& value);
    const String& Name() const { return name_; }
    const String& Extensions() const { return extensions_; }
    const String& MacType() const { return macType_; }
    const String& MacCreator() const { return macCreator_; }

    // Registers the type (once) and gives its name.
    String Operator_Convert();
    bool Registered() const { return registered_; }

private:
    void Deregister();

    String name_, extensions_, macType_, macCreator_;
    bool registered_ = false;
};

struct FileTypeRegistration {
    String name, macCreator, macType, extensions;
};
std::vector<FileTypeRegistration> RegisteredFileTypes();

}  // namespace fw
