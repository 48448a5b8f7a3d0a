#include "framework/core/ClassRecords.h"

namespace fw {

const ClassRecord& ObjectRecord() {
    static const ClassRecord record{.name = "Object", .attributes = kPublic};
    return record;
}

ClassRecord SubclassRecord(std::string name, const ClassRecord& base, std::shared_ptr<Object> (*newObject)()) {
    return {
        .name = std::move(name),
        .base = &base,
        .virtualOperations = base.virtualOperations,
        .attributes = kPublic,
        .newObject = newObject,
    };
}

std::vector<std::string> SubclassOperations(const ClassRecord& base, const std::string& className,
                                            const std::vector<MethodEntry>& methods) {
    std::vector<std::string> operations = base.virtualOperations;
    for (const MethodEntry& method : methods) operations.push_back(className + "." + method.name);
    return operations;
}

}  // namespace fw
