#pragma once

#include <memory>

#include "framework/core/FolderItem.h"
#include "framework/core/Object.h"

namespace fw {

class MenuBar;

// The application object; the system's class derives from it and registers one instance.
class Application : public Object {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    virtual void Constructor() {}

    std::shared_ptr<fw::MenuBar> GetMenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

    // The file of the running executable.
    std::shared_ptr<FolderItem> ExecutableFile() const;

private:
    std::shared_ptr<fw::MenuBar> menuBar_;
};

void _RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> _GetAppObject();

}  // namespace fw
