#include <array>
#include <string_view>
#include <utility>

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

enum class Wert { Art, Eigenkonto, Ausgefuehrt, BetragDM, BetragEur, Umsatztext, Verwendungszweck, Fremdkontoinhaber };

struct TagZeile {
    std::string_view oeffnend;
    std::string_view schliessend;
    Wert setzt;
};

// In the order the tests are made.
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

// A line passes at most one tag test, and an amount text at most one more.
constexpr bool KeinTagBeginntEinenAnderen() {
    for (const TagZeile& a : kTagZeilen) {
        for (const TagZeile& b : kTagZeilen) {
            if (&a != &b && b.oeffnend.starts_with(a.oeffnend)) return false;
        }
    }
    return true;
}
static_assert(KeinTagBeginntEinenAnderen());

// So a closing tag cannot begin inside the opening one, and the search for it may start
// at the line's first character.
constexpr bool SchliessendIstOeffnendMitSchraegstrich() {
    for (const TagZeile& tag : kTagZeilen) {
        const std::string_view name = tag.oeffnend.substr(1);
        if (!tag.oeffnend.starts_with('<') || name.find('<') != std::string_view::npos) return false;
        if (!tag.schliessend.starts_with("</") || tag.schliessend.substr(2) != name) return false;
    }
    return true;
}
static_assert(SchliessendIstOeffnendMitSchraegstrich());

// The working values of one send. Date, own account and direction carry over from one
// transaction to the next; the others are reset at every hand-off.
struct Arbeitswerte {
    std::shared_ptr<fw::Date> d = std::make_shared<fw::Date>();
    bool ausgehend = false;
    fw::String eigenkonto = "Unbekannt";
    fw::String gegenkonto = "Unbekannt";
    fw::String datum, betrag, konto_von, konto_an;
    fw::String kategorie = "Sonstiges";
    fw::String inhaber, buchungstext, leer;
};

fw::String Text(std::string_view text) { return fw::String(std::string(text)); }

int Laenge(std::string_view tag) { return static_cast<int>(tag.size()); }

// The text between the opening tag and the first closing tag. Without a closing tag
// InStr gives 0, and Mid's negative count gives the rest of the line.
fw::String WertDerZeile(const fw::String& zeile, const TagZeile& tag) {
    const int start = Laenge(tag.oeffnend) + 1;
    return fw::Mid(zeile, start, fw::InStr(0, zeile, Text(tag.schliessend)) - start);
}

// One "." and one "," are dropped: the first of each.
fw::String OhneTrenner(const fw::String& betrag) { return fw::Replace(fw::Replace(betrag, ".", ""), ",", ""); }

void SetzeKonten(Arbeitswerte& w) {
    if (w.ausgehend) {
        w.konto_von = w.eigenkonto;
        w.konto_an = w.gegenkonto;
    } else {
        w.konto_von = w.gegenkonto;
        w.konto_an = w.eigenkonto;
    }
}

// DD.MM. and the year in plain decimal; `d` must hold a Date at each of the three reads.
fw::String Datumstext(const std::shared_ptr<fw::Date>& d) {
    const fw::String tag = fw::Format(fw::Checked(d).Day(), "00");
    const fw::String monat = fw::Format(fw::Checked(d).Month(), "00");
    return tag + "." + monat + "." + fw::Str(fw::Checked(d).Year());
}

// Each of the eight tests looks at `zeile`; the amount tests leave the cut amount there,
// and the tests after them look at that text in place of the line.
void PruefeTags(Arbeitswerte& w, fw::String zeile) {
    for (const TagZeile& tag : kTagZeilen) {
        if (fw::Left(zeile, Laenge(tag.oeffnend)).Bytes() != tag.oeffnend) continue;
        const fw::String wert = WertDerZeile(zeile, tag);
        switch (tag.setzt) {
        case Wert::Art:
            w.ausgehend = wert == "Abbuchung" || fw::InStr(0, wert, "berweisung") > 0;
            break;
        case Wert::Eigenkonto:
            w.eigenkonto = wert;
            break;
        case Wert::Ausgefuehrt:
            fw::ParseDate(wert, w.d);
            w.datum = Datumstext(w.d);
            break;
        case Wert::BetragDM:
            zeile = OhneTrenner(wert);
            w.betrag = fw::Format(fw::Val(zeile) / kDMProEuro, "#");
            SetzeKonten(w);
            break;
        case Wert::BetragEur:
            zeile = OhneTrenner(wert);
            w.betrag = zeile;
            SetzeKonten(w);
            break;
        case Wert::Umsatztext:
        case Wert::Verwendungszweck:
            w.buchungstext = wert;
            break;
        case Wert::Fremdkontoinhaber:
            w.inhaber = wert;
            break;
        }
    }
}

// Each value goes into the booking and takes its reset value in one step; the date is
// only copied, as it carries over.
void UebergebeUndSetzeZurueck(Arbeitswerte& w) {
    auto buchung_werte = fw::CreateArray<fw::Variant>(7);
    buchung_werte->Store(0, fw::StringToVariant(w.datum));
    buchung_werte->Store(1, fw::StringToVariant(std::exchange(w.betrag, "0000")));
    buchung_werte->Store(2, fw::StringToVariant(std::exchange(w.konto_von, "")));
    buchung_werte->Store(3, fw::StringToVariant(std::exchange(w.konto_an, "")));
    buchung_werte->Store(4, fw::StringToVariant(std::exchange(w.kategorie, "Sonstiges")));
    buchung_werte->Store(5, fw::StringToVariant(std::exchange(w.inhaber, "")));
    buchung_werte->Store(6, fw::StringToVariant(std::exchange(w.buchungstext, "")));
    buchung_werte->Store(7, fw::StringToVariant(std::exchange(w.leer, "")));
    buchungViaKw7(buchung_werte);
    w.gegenkonto = "Unbekannt";
}

}  // namespace

// Walks every line loaded so far and hands each transaction to the booking script at
// its closing line, in file order. Bound and list are read afresh before every line;
// the walk never reads past the end of `zeilen`.
void Fenster1::buchung_erzeugen() {
    Arbeitswerte w;
    for (int index = 0; index <= anz_zeilen && index <= fw::Checked(zeilen).Ubound(); ++index) {
        const fw::String& zeile = (*zeilen)(index);
        if (zeile.Bytes() == kAbschluss) {
            UebergebeUndSetzeZurueck(w);
        } else {
            PruefeTags(w, zeile);
        }
        fw::RuntimeBackgroundTask();
    }
}
