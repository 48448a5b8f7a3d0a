#include "framework/core/TextInputStream.h"

#include "framework/core/LineScan.h"
#include "framework/core/MacRoman.h"

namespace fw {

namespace {
constexpr std::size_t kChunkSize = 1 << 16;
}

TextInputStream::TextInputStream(std::FILE* file) : file_(file) {}

bool TextInputStream::FillBuffer() {
    if (exhausted_) return false;
    buffer_.resize(kChunkSize);
    const std::size_t read = std::fread(buffer_.data(), 1, kChunkSize, file_.get());
    buffer_.resize(read);
    position_ = 0;
    if (read == 0) exhausted_ = true;  // the end of the file, or a read error
    return read > 0;
}

// A Mac OS Roman line is decoded as it is read, into room made for its UTF-8 at once. Only
// a line that runs over the end of a chunk may grow beyond that.
void TextInputStream::AppendToLine(std::string& line, const LineScan& scan) const {
    const std::string_view piece = std::string_view(buffer_).substr(position_, scan.length);
    const bool decoded = encoding_ == TextEncoding::MacRoman && scan.macRomanUTF8Size != scan.length;
    if (line.empty()) line.reserve(decoded ? scan.macRomanUTF8Size : scan.length);
    if (decoded) {
        macroman::AppendUTF8(line, piece);
    } else {
        line.append(piece);
    }
}

String TextInputStream::ReadLine() {
    std::string line;
    while (position_ < buffer_.size() || FillBuffer()) {
        const LineScan scan = ScanToLineEnd(std::string_view(buffer_).substr(position_));
        AppendToLine(line, scan);
        const std::size_t end = position_ + scan.length;
        if (end == buffer_.size()) {
            position_ = end;
            continue;
        }
        const bool carriageReturn = buffer_[end] == '\r';
        position_ = end + 1;
        // A CRLF may be split between two chunks.
        if (carriageReturn && (position_ < buffer_.size() || FillBuffer()) && buffer_[position_] == '\n') ++position_;
        break;
    }
    return String(std::move(line));
}

bool TextInputStream::EndOfFile() { return position_ == buffer_.size() && !FillBuffer(); }

}  // namespace fw
