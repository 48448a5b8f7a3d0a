#include "framework/core/Application.h"

#include <filesystem>

#include "framework/core/ClassRecords.h"

namespace fw {

namespace {
std::shared_ptr<Application>& AppObject() {
    static std::shared_ptr<Application> app;
    return app;
}
}  // namespace

const ClassRecord& Application::Lookup() {
    static const ClassRecord record{
        .name = "Application",
        .base = &ObjectRecord(),
        .virtualOperations = {"NewDocument", "OpenDocument", "DoEvents", "_AddMenuHandler", "_AddPollableObject",
                              "_RemovePollableObject", "AddTrayItem", "RemoveTrayItem", "YieldToNextThread",
                              "SleepCurrentThread", "_DoSingleEvent", "_EnableMenuItems", "_CallOpen",
                              "_HandleMenuCommand", "_LoadPictureFromBundle", "_LoadBundleSound", "__DependencyList"},
        .attributes = kPublic,
    };
    return record;
}

// Asked anew each time: the link follows the program's file when its bundle is moved.
std::shared_ptr<FolderItem> Application::ExecutableFile() const {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return nullptr;
    return std::make_shared<FolderItem>(String(path.string()));
}

void _RuntimeRegisterAppObject(std::shared_ptr<Application> app) { AppObject() = std::move(app); }

std::shared_ptr<Application> _GetAppObject() { return AppObject(); }

}  // namespace fw
