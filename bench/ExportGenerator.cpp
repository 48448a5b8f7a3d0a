#include "bench/ExportGenerator.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

#include "framework/core/MacRoman.h"
#include "framework/core/Utf8.h"

namespace bench {

namespace {

// Texts are written here in UTF-8 and stored in Mac OS Roman; "◊" is the export's line break.
const std::array<const char*, 6> kArten = {"Überweisung", "Abbuchung", "Gutschrift", "Dauerüberweisung",
                                           "Lastschrift", "Zinsgutschrift"};
const std::array<const char*, 4> kEigenkonten = {"Girokonto Sparkasse Köln", "Tagesgeld", "Geschäftskonto",
                                                 "Gemeinschaftskonto Müller"};
const std::array<const char*, 8> kInhaber = {"Stadtwerke Düsseldorf GmbH", "Hausverwaltung Bäcker & Söhne",
                                             "Jürgen Größmann", "Krankenkasse Süd", "Bürobedarf Weiß KG",
                                             "Finanzamt Köln-Süd", "Grüne Energie AG", "Zoë Ångström"};
const std::array<const char*, 8> kTexte = {
    "Miete März◊Müllerstraße 12",
    "Abschlag Strom◊Vertrag 4711-0815",
    "Rechnung 2024-0815◊Büromaterial",
    "Beitrag Januar bis März",
    "Gehalt Februar◊inkl. Überstunden",
    "ESt-Vorauszahlung IV/2023",
    "Reisekosten München◊vom 03.03.",
    "SEPA-Lastschrift◊Mandat MR-00012345",
};

// The export's encoding written the other way round: each character the decoder makes of
// a byte, back to that byte.
std::string ToMacRoman(const std::string& utf8) {
    static const std::map<std::string, char> kBytes = [] {
        std::map<std::string, char> bytes;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            std::string character;
            fw::macroman::AppendUTF8(character, std::string(1, static_cast<char>(byte)));
            bytes.emplace(character, static_cast<char>(byte));
        }
        return bytes;
    }();
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = fw::utf8::CharLength(utf8, at);
        out += length == 1 ? utf8[at] : kBytes.at(utf8.substr(at, length));
        at += length;
    }
    return out;
}

class ExportWriter {
public:
    explicit ExportWriter(const std::filesystem::path& path) : out_(path, std::ios::binary) {
        if (!out_) throw std::runtime_error("cannot write " + path.string());
    }

    void Line(const std::string& utf8) {
        const std::string bytes = ToMacRoman(utf8) + '\r';
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes_ += bytes.size();
        ++lines_;
    }
    void Tag(const char* tag, const std::string& value) {
        Line(std::string("\t<") + tag + ">" + value + "</" + tag + ">");
    }

    std::uintmax_t Bytes() const { return bytes_; }
    std::uint64_t Lines() const { return lines_; }

private:
    std::ofstream out_;
    std::uintmax_t bytes_ = 0;
    std::uint64_t lines_ = 0;
};

template <class Container>
const char* Pick(std::mt19937& random, const Container& texts) {
    return texts[random() % texts.size()];
}

std::string TwoDigits(unsigned value) {
    char text[3];
    std::snprintf(text, sizeof text, "%02u", value % 100);
    return text;
}

std::string Datum(std::mt19937& random) {
    return TwoDigits(1 + random() % 28) + "." + TwoDigits(1 + random() % 12) + "." + std::to_string(2000 + random() % 25);
}

// An amount with a thousands separator where it has one, and a decimal comma.
std::string Betrag(std::mt19937& random) {
    const unsigned cents = random() % 500000;
    const unsigned euros = cents / 100;
    std::string text = euros >= 1000 ? std::to_string(euros / 1000) + "." + std::to_string(1000 + euros % 1000).substr(1)
                                     : std::to_string(euros);
    return text + "," + TwoDigits(cents % 100);
}

std::string Kontonummer(std::mt19937& random) { return std::to_string(100000000 + random() % 900000000); }

void WriteTransaction(ExportWriter& out, std::mt19937& random) {
    out.Line("<transfer_daten>");
    out.Tag("art", Pick(random, kArten));
    out.Tag("eigenkonto", Pick(random, kEigenkonten));
    out.Tag("ausgefuehrt", Datum(random));
    // Old exports still carry amounts in Deutsche Mark.
    out.Tag(random() % 10 == 0 ? "betrag_dm" : "betrag_eur", Betrag(random));
    // Cash and card payments name no account of the other side.
    if (random() % 2 == 0) out.Tag("fremdkonto", Kontonummer(random));
    out.Tag("fremdkontoinhaber", Pick(random, kInhaber));
    out.Tag("umsatztext", Pick(random, kTexte));
    if (random() % 3 == 0) out.Tag("verwendungszweck", Pick(random, kTexte));
    out.Line("</transfer_daten>");
}

}  // namespace

ExportFile WriteExport(const std::filesystem::path& path, std::uintmax_t targetBytes) {
    std::mt19937 random(20240305);
    ExportWriter out(path);
    ExportFile file{.path = path};
    out.Line("<?xml version=\"1.0\" encoding=\"macintosh\"?>");
    out.Line("<velmora_export version=\"3\">");
    while (out.Bytes() < targetBytes) {
        WriteTransaction(out, random);
        ++file.transactions;
    }
    out.Line("</velmora_export>");
    file.bytes = out.Bytes();
    file.lines = out.Lines();
    return file;
}

}  // namespace bench
