#include "framework/core/TextInputStream.h"

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

String TextInputStream::ReadLine() {
    std::string line;
    while (position_ < buffer_.size() || FillBuffer()) {
        std::size_t end = position_;
        while (end < buffer_.size() && buffer_[end] != '\r' && buffer_[end] != '\n') ++end;
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
