#pragma once

#include <cstdint>

#include "framework/core/ScriptRunner.h"

namespace bench {

// Runs no script: it only records how many bookings were handed to it and how many bytes
// their values held, so that a send costs what the walk costs and not the copying of its
// bookings.
class RecordingRunner : public fw::ScriptRunner {
public:
    void Run(const fw::FolderItem& script, const fw::Array<fw::Variant>& values) override;

    std::uint64_t Count() const { return count_; }
    std::uint64_t ValueBytes() const { return valueBytes_; }

private:
    std::uint64_t count_ = 0;
    std::uint64_t valueBytes_ = 0;
};

}  // namespace bench
