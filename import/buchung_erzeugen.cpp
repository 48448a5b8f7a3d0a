#include <array>
#include <charconv>
#include <string_view>

#include "framework/core/Date.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Runtime.h"
#include "framework/core/TextFunctions.h"
#include "import/buchungViaKw7.h"
#include "windows/Fenster1.h"

namespace {

// The fixed rate of the Deutsche Mark to the euro.
constexpr double kDMProEuro = 1.95583;

constexpr std::string_view kAbschluss = "</transfer_daten>";

// Texts of the reset, made once: a copy of them costs less than a text made from a literal.
const fw::String kUnbekannt = "Unbekannt";
const fw::String kSonstiges = "Sonstiges";
const fw::String kKeinBetrag = "0000";

enum class Wert { Art, Eigenkonto, Ausgefuehrt, BetragDM, BetragEur, Umsatztext, Verwendungszweck, Fremdkontoinhaber };

struct TagZeile {
    std::string_view oeffnend;
    std::string_view schliessend;
    Wert setzt;
};

// In the order the tests are made. No opening tag is a prefix of another.
constexpr std::array<TagZeile, 8> kTagZeilen = {{
    {"<art>", "</art>", Wert::Art},
    {"<eigenkonto>", "</eigenkonto>", Wert::Eigenkonto},
    {"<ausgefuehrt>", "</ausgefuehrt>", Wert::Ausgefuehrt},
    {"<betrag_dm>", "</betrag_dm>", Wert::BetragDM},
    {"<betrag_eur>", "</betrag_eur>", Wert::BetragEur},
    {"<umsatztext>", "</umsatztext>", Wert::Umsatztext},
    {"<verwendungszweck>", "</verwendungszweck>", Wert::Verwendungszweck},
    {"<fremdkontoinhaber>", "</fremdkontoinhaber>", Wert::Fremdkontoinhaber},
}};

// The working values of one send. Date, own account and direction carry over from one
// transaction to the next; the others are reset at every hand-off.
struct Arbeitswerte {
    std::shared_ptr<fw::Date> d = std::make_shared<fw::Date>();
    bool ausgehend = false;
    fw::String eigenkonto = kUnbekannt;
    fw::String gegenkonto = kUnbekannt;
    fw::String datum, betrag, konto_von, konto_an;
    fw::String kategorie = kSonstiges;
    fw::String inhaber, buchungstext, leer;
};

// The lines are UTF-8 from the decoder and the tags ASCII, so the tests and cuts below
// work on bytes: a character never spans an ASCII byte, and byte and character counts
// agree across a tag.

// The second byte tells most tags apart, so it is looked at before the rest.
bool BeginntMit(std::string_view zeile, std::string_view tag) {
    return zeile.size() >= tag.size() && zeile[1] == tag[1] && zeile.starts_with(tag);
}

// The text between the opening tag and the first closing tag; without a closing tag,
// the rest of the line. A closing tag cannot begin inside the opening one.
std::string_view WertDerZeile(std::string_view zeile, const TagZeile& tag) {
    const std::size_t start = tag.oeffnend.size();
    const std::size_t ende = zeile.find(tag.schliessend, start);
    return zeile.substr(start, ende == std::string_view::npos ? ende : ende - start);
}

fw::String Text(std::string_view bytes) { return fw::String(std::string(bytes)); }

// One "." and one "," are dropped: the first of each.
fw::String OhneTrenner(std::string_view betrag) {
    std::string text;
    text.reserve(betrag.size());
    bool punktWeg = false, kommaWeg = false;
    for (const char c : betrag) {
        if (c == '.' && !punktWeg) {
            punktWeg = true;
        } else if (c == ',' && !kommaWeg) {
            kommaWeg = true;
        } else {
            text += c;
        }
    }
    return fw::String(std::move(text));
}

void SetzeKonten(Arbeitswerte& w) {
    if (w.ausgehend) {
        w.konto_von = w.eigenkonto;
        w.konto_an = w.gegenkonto;
    } else {
        w.konto_von = w.gegenkonto;
        w.konto_an = w.eigenkonto;
    }
}

// Str(zahl) and, with `stellen` 2, Format(zahl, "00") for a whole number: the sign, then
// at least `stellen` digits.
void HaengeZahlAn(std::string& text, int zahl, std::size_t stellen) {
    if (zahl < 0) text += '-';
    const unsigned betrag = zahl < 0 ? 0u - static_cast<unsigned>(zahl) : static_cast<unsigned>(zahl);
    char ziffern[16];
    const std::string_view ziffernText(ziffern, std::to_chars(ziffern, ziffern + sizeof ziffern, betrag).ptr);
    if (ziffernText.size() < stellen) text.append(stellen - ziffernText.size(), '0');
    text += ziffernText;
}

fw::String Datumstext(const std::shared_ptr<fw::Date>& d) {
    const fw::Date& datum = fw::Checked(d);
    std::string text;
    HaengeZahlAn(text, datum.Day(), 2);
    text += '.';
    HaengeZahlAn(text, datum.Month(), 2);
    text += '.';
    HaengeZahlAn(text, datum.Year(), 1);
    return fw::String(std::move(text));
}

// Applies a tag line. The amount tests leave the cut amount in `zeile`, and the tests
// after them look at that text in place of the line. As no opening tag is a prefix of
// another, a line that is not cut matches no further tag.
void PruefeTags(Arbeitswerte& w, std::string_view zeile) {
    fw::String betragstext;
    for (const TagZeile& tag : kTagZeilen) {
        if (!BeginntMit(zeile, tag.oeffnend)) continue;
        const std::string_view wert = WertDerZeile(zeile, tag);
        switch (tag.setzt) {
        case Wert::Art:
            w.ausgehend = wert == "Abbuchung" || wert.find("berweisung") != std::string_view::npos;
            return;
        case Wert::Eigenkonto:
            w.eigenkonto = Text(wert);
            return;
        case Wert::Ausgefuehrt:
            fw::ParseDate(Text(wert), w.d);
            w.datum = Datumstext(w.d);
            return;
        case Wert::BetragDM:
            betragstext = OhneTrenner(wert);
            zeile = betragstext.Bytes();
            w.betrag = fw::Format(fw::Val(betragstext) / kDMProEuro, "#");
            SetzeKonten(w);
            break;
        case Wert::BetragEur:
            betragstext = OhneTrenner(wert);
            zeile = betragstext.Bytes();
            w.betrag = betragstext;
            SetzeKonten(w);
            break;
        case Wert::Umsatztext:
        case Wert::Verwendungszweck:
            w.buchungstext = Text(wert);
            return;
        case Wert::Fremdkontoinhaber:
            w.inhaber = Text(wert);
            return;
        }
    }
}

// The values that are reset after the hand-off are moved into the booking, not copied.
void UebergebeUndSetzeZurueck(Arbeitswerte& w) {
    auto buchung_werte = fw::CreateArray<fw::Variant>(7);
    fw::String* werte[] = {&w.betrag, &w.konto_von, &w.konto_an, &w.kategorie, &w.inhaber, &w.buchungstext, &w.leer};
    buchung_werte->Store(0, fw::StringToVariant(w.datum));
    for (int i = 1; i <= 7; ++i) buchung_werte->Store(i, fw::Variant(std::move(*werte[i - 1])));
    buchungViaKw7(buchung_werte);

    w.betrag = kKeinBetrag;
    w.konto_von = w.konto_an = fw::String();
    w.kategorie = kSonstiges;
    w.buchungstext = w.inhaber = fw::String();
    w.gegenkonto = kUnbekannt;
    w.leer = fw::String();
}

// The lines lie apart on the heap. Asking for the bytes of one a few lines ahead lets
// memory deliver them while the lines before it are worked on.
void HoleVoraus(const fw::Array<fw::String>& zeilen, int index) {
    constexpr int kVoraus = 6;
    if (zeilen.Ubound() - index >= kVoraus) __builtin_prefetch(zeilen(index + kVoraus).Bytes().data());
}

}  // namespace

// Walks every line loaded so far and hands each transaction to the booking script at
// its closing line, in file order. Bound and list are read afresh before every line;
// the walk never reads past the end of `zeilen`.
void Fenster1::buchung_erzeugen() {
    Arbeitswerte w;
    for (int index = 0; index <= anz_zeilen && index <= fw::Checked(zeilen).Ubound(); ++index) {
        HoleVoraus(*zeilen, index);
        const std::string_view zeile = (*zeilen)(index).Bytes();
        if (zeile == kAbschluss) {
            UebergebeUndSetzeZurueck(w);
        } else {
            PruefeTags(w, zeile);
        }
        fw::RuntimeBackgroundTask();
    }
}
