#include "framework/core/TextInputStream.h"

#include <cstring>

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

// Where the next CR or LF lies in the buffer, or the buffer's end.
std::size_t TextInputStream::LineEnd() const {
    const char* from = buffer_.data() + position_;
    const std::size_t rest = buffer_.size() - position_;
    const void* cr = std::memchr(from, '\r', rest);
    const std::size_t crAt = cr ? static_cast<const char*>(cr) - from : rest;
    const void* lf = std::memchr(from, '\n', crAt);
    return position_ + (lf ? static_cast<const char*>(lf) - from : crAt);
}

String TextInputStream::ReadLine() {
    std::string line;
    while (position_ < buffer_.size() || FillBuffer()) {
        const std::size_t end = LineEnd();
        line.append(buffer_, position_, end - position_);
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
