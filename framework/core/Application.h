#pragma once

#include <memory>

#include "framework/core/FolderItem.h"
#include "framework/core/Object.h"

namespace fw {

// The application object; the system's class derives from it and registers one instance.
class Application : public Object {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    virtual void Constructor() {}

    // The application-wide menu bar, held as a plain object: the core knows no type of the
    // user interface.
    std::shared_ptr<Object> GetMenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<Object> menuBar) { menuBar_ = std::move(menuBar); }

    // The file of the running executable.
    std::shared_ptr<FolderItem> ExecutableFile() const;

private:
    std::shared_ptr<Object> menuBar_;
};

void _RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> _GetAppObject();

}  // namespace fw
