#include "framework/core/TextInputStream.h"

#include "framework/core/LineScan.h"

namespace fw {

namespace {
constexpr std::size_t kChunkSize = 1 << 16;
}

TextInputStream::TextInputStream(std::FILE* file) : file_(file) {}

TextInputStream::~TextInputStream() { std::fclose(file_); }

bool TextInputStream::FillBuffer() {
    if (exhausted_) return false;
    buffer_.resize(kChunkSize);
    const std::size_t read = std::fread(buffer_.data(), 1, kChunkSize, file_);
    buffer_.resize(read);
    position_ = 0;
    if (read == 0) exhausted_ = true;  // the end of the file, or a read error
    return read > 0;
}

// A Mac OS Roman line gets room for its UTF-8 from the start, so decoding it later needs
// no second string. Only a line that runs over the end of a chunk may grow beyond that.
void TextInputStream::AppendToLine(std::string& line, std::size_t length, std::size_t macRomanUTF8Size) const {
    if (line.empty()) line.reserve(encoding_ == TextEncoding::MacRoman ? macRomanUTF8Size : length);
    line.append(buffer_, position_, length);
}

String TextInputStream::ReadLine() {
    std::string line;
    while (position_ < buffer_.size() || FillBuffer()) {
        const LineScan scan = ScanToLineEnd(std::string_view(buffer_).substr(position_));
        AppendToLine(line, scan.length, scan.macRomanUTF8Size);
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
    return String(std::move(line), encoding_);
}

bool TextInputStream::EndOfFile() { return position_ == buffer_.size() && !FillBuffer(); }

}  // namespace fw
