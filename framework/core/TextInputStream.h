#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "framework/core/String.h"
#include "framework/core/TextEncoding.h"

namespace fw {

struct LineScan;

// Reads a text file line by line.
//
// A line ends at CR, LF or CRLF; the line end is not part of the line. A line end at
// the very end of the file does not start a further line. ReadLine at the end of the
// file gives an empty text. EndOfFile turns true once nothing is left to read, so an empty
// file is at EOF at once. A read error ends the stream as if the file ended there.
class TextInputStream {
public:
    // Takes the file over and closes it at the end.
    explicit TextInputStream(std::FILE* file);

    // The encoding the bytes of every later line are read in. Whatever it is, a line is
    // handed out as the same characters held in UTF-8.
    void SetEncoding(TextEncoding encoding) { encoding_ = encoding; }

    String ReadLine();
    // (The framework calls this EOF; that name is a macro of the C library.)
    bool EndOfFile();

private:
    bool FillBuffer();
    void AppendToLine(std::string& line, const LineScan& scan) const;

    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    TextEncoding encoding_ = TextEncoding::UTF8;
    std::string buffer_;
    std::size_t position_ = 0;
    bool exhausted_ = false;
};

}  // namespace fw
