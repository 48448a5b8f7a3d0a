#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/ClassRecord.h"

namespace fw {

// The class record of Object, the root of the framework's classes.
const ClassRecord& ObjectRecord();

// The record of a framework class that adds no operation of its own to its base's.
ClassRecord SubclassRecord(std::string name, const ClassRecord& base, std::shared_ptr<Object> (*newObject)());

// The virtual operations of a class that replaces none of its base's: the base's in the
// base's order, then the class's own methods, each named "Class.Method".
std::vector<std::string> SubclassOperations(const ClassRecord& base, const std::string& className,
                                            const std::vector<MethodEntry>& methods);

template <class T>
std::shared_ptr<Object> NewObject() {
    return std::make_shared<T>();
}

// A class record built on first need and then registered with the framework, once.
class ClassRecordOnce {
public:
    constexpr explicit ClassRecordOnce(ClassRecord (*build)()) : build_(build) {}

    void Build() {
        if (record_) return;
        record_ = build_();
        RuntimeNewClass(*record_);
    }
    const ClassRecord& Get() {
        Build();
        return *record_;
    }

private:
    ClassRecord (*build_)();
    std::optional<ClassRecord> record_;
};

}  // namespace fw
