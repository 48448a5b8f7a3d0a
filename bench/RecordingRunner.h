#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/ScriptRunner.h"

namespace bench {

// Runs no script: it only keeps the count of the bookings handed to it and the last one,
// so that a send costs what the walk costs.
class RecordingRunner : public fw::ScriptRunner {
public:
    void Run(const fw::FolderItem& script, const fw::Array<fw::Variant>& values) override;

    std::uint64_t Count() const { return count_; }
    const std::vector<fw::String>& Last() const { return last_; }

private:
    std::uint64_t count_ = 0;
    std::vector<fw::String> last_;
};

}  // namespace bench
