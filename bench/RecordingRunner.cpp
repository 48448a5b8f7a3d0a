#include "bench/RecordingRunner.h"

namespace bench {

void RecordingRunner::Run(const fw::FolderItem&, const fw::Array<fw::Variant>& values) {
    ++count_;
    last_.clear();
    for (int i = 0; i <= values.Ubound(); ++i) last_.push_back(values(i).StringValue());
}

}  // namespace bench
