#pragma once

#include <cstddef>
#include <string_view>

namespace fw {

// How far the bytes run to the next line end (CR or LF), and how long that run is in
// UTF-8 when the bytes are Mac OS Roman.
struct LineScan {
    std::size_t length = 0;  // the size of `bytes` when there is no line end in them
    std::size_t macRomanUTF8Size = 0;
};

// One pass for both, sixteen bytes at a time where the processor has SSE2 (all of x86-64):
// every line of an export goes through this.
LineScan ScanToLineEnd(std::string_view bytes);

}  // namespace fw
