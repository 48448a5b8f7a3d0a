#include "bench/RecordingRunner.h"

namespace bench {

void RecordingRunner::Run(const fw::FolderItem&, const fw::Array<fw::Variant>& values) {
    ++count_;
    for (int i = 0; i <= values.Ubound(); ++i) valueBytes_ += values(i).StringValue().Bytes().size();
}

}  // namespace bench
