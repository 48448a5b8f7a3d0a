#pragma once

#include <string>
#include <vector>

#include "framework/core/ClassRecord.h"

namespace fw {

// The class record of Object, the root of the framework's classes.
const ClassRecord& ObjectRecord();

// The virtual operations of a class that replaces none of its base's: the base's in the
// base's order, then the class's own methods, each named "Class.Method".
std::vector<std::string> SubclassOperations(const ClassRecord& base, const std::string& className,
                                            const std::vector<MethodEntry>& methods);

}  // namespace fw
