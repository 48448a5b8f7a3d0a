#include "framework/core/ClassRecord.h"

#include <algorithm>

#include "framework/core/Exceptions.h"
#include "framework/core/Object.h"

namespace fw {

namespace {
std::vector<const ClassRecord*>& Registry() {
    static std::vector<const ClassRecord*> records;
    return records;
}
}  // namespace

bool ClassRecord::IsA(const ClassRecord& other) const {
    for (const ClassRecord* record = this; record; record = record->base) {
        if (record == &other) return true;
    }
    return false;
}

void RuntimeNewClass(const ClassRecord& record) {
    auto& records = Registry();
    if (std::find(records.begin(), records.end(), &record) == records.end()) records.push_back(&record);
}

const std::vector<const ClassRecord*>& RegisteredClasses() { return Registry(); }

const ClassRecord* FindClass(const std::string& name) {
    for (const ClassRecord* record : Registry()) {
        if (record->name == name) return record;
    }
    return nullptr;
}

std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record) {
    if (!record.newObject) throw RuntimeException("Von der Klasse " + String(record.name) + " lassen sich keine Objekte anlegen.");
    return record.newObject();
}

}  // namespace fw
