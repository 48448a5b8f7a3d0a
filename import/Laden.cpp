#include "framework/core/Exceptions.h"
#include "framework/core/Runtime.h"
#include "framework/core/TextFunctions.h"
#include "framework/core/TextInputStream.h"
#include "windows/Fenster1.h"

namespace {

// The export marks a line break inside a value with "◊" (0xD7 in Mac OS Roman).
const std::string kLozenge = "◊";

// Turns every "◊" into `lineFeed` and gives one background turn per replaced "◊". This
// is the loop "replace the first ◊ until none is left" done in one pass: a line feed
// never forms a "◊" with its neighbours, so the entry and the number of turns are the
// same, and a line full of "◊" costs no more than its length.
fw::String ReplaceLozenges(fw::String line, const fw::String& lineFeed) {
    const std::string& text = line.Bytes();
    std::size_t found = text.find(kLozenge);
    if (found == std::string::npos) return line;
    std::string replaced;
    replaced.reserve(text.size());
    std::size_t from = 0;
    int count = 0;
    for (; found != std::string::npos; found = text.find(kLozenge, from)) {
        replaced.append(text, from, found - from);
        replaced += lineFeed.Bytes();
        from = found + kLozenge.size();
        ++count;
    }
    replaced.append(text, from, std::string::npos);
    for (int turn = 0; turn < count; ++turn) fw::RuntimeBackgroundTask();
    return fw::String(std::move(replaced));
}

}  // namespace

// Appends the lines of the chosen export to `zeilen`: each decoded from Mac OS Roman,
// trimmed, with its "◊" turned into line feeds. A missing file is reported and changes
// nothing; so does a file that cannot be read.
void Fenster1::Laden() {
    const fw::String lineFeed = fw::Chr(10);
    const fw::FolderItem& file = fw::Checked(f);
    if (!file.Exists()) {
        fw::MsgBox("Datei " + file.AbsolutePath() + " ist nicht vorhanden");
        return;
    }
    const auto stream = file.OpenAsTextFile();
    if (!stream) throw fw::RuntimeException("Datei " + file.AbsolutePath() + " kann nicht gelesen werden");
    stream->SetEncoding(fw::Encodings::MacRoman);
    // The end-of-file test comes last, so even an empty file makes one pass.
    do {
        fw::String line =
            ReplaceLozenges(fw::Trim(fw::ConvertEncoding(stream->ReadLine(), fw::Encodings::UTF8)), lineFeed);
        auto& lines = fw::Checked(zeilen);
        lines.Insert(lines.Ubound() + 1, std::move(line));
        fw::RuntimeBackgroundTask();
    } while (!stream->EndOfFile());
    anz_zeilen = fw::Checked(zeilen).Ubound();
}
