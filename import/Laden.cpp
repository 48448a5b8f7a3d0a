#include "framework/core/Exceptions.h"
#include "framework/core/Runtime.h"
#include "framework/core/TextFunctions.h"
#include "framework/core/TextInputStream.h"
#include "windows/Fenster1.h"

namespace {

// The export marks a line break inside a value with "◊" (0xD7 in Mac OS Roman).
const fw::String kLozenge = "◊";

}  // namespace

// Appends the lines of the chosen export to `zeilen`: each decoded from Mac OS Roman,
// trimmed, with its "◊" turned into line feeds, one background turn for each. A missing
// file is reported and changes nothing; so does a file that cannot be read.
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
        fw::String line = fw::Trim(fw::ConvertEncoding(stream->ReadLine(), fw::Encodings::UTF8));
        line = fw::ReplaceUntilGone(std::move(line), kLozenge, lineFeed, fw::RuntimeBackgroundTask);
        auto& lines = fw::Checked(zeilen);
        lines.Insert(lines.Ubound() + 1, std::move(line));
        fw::RuntimeBackgroundTask();
    } while (!stream->EndOfFile());
    anz_zeilen = fw::Checked(zeilen).Ubound();
}
