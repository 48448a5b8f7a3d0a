#include <array>

#include "framework/core/Date.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Runtime.h"
#include "framework/core/TextFunctions.h"
#include "import/buchungViaKw7.h"
#include "windows/Fenster1.h"

namespace {

// The fixed rate of the Deutsche Mark to the euro.
constexpr double kDMProEuro = 1.95583;

const fw::String kAbschluss = "</transfer_daten>";

enum class Wert { Art, Eigenkonto, Ausgefuehrt, BetragDM, BetragEur, Umsatztext, Verwendungszweck, Fremdkontoinhaber };

struct TagZeile {
    fw::String oeffnend;
    fw::String schliessend;
    Wert setzt;
};

// In the order the tests are made. No opening tag is a prefix of another.
const std::array<TagZeile, 8> kTagZeilen = {{
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
    fw::String eigenkonto = "Unbekannt";
    fw::String gegenkonto = "Unbekannt";
    fw::String datum, betrag, konto_von, konto_an;
    fw::String kategorie = "Sonstiges";
    fw::String inhaber, buchungstext, leer;
};

int Laenge(const fw::String& tag) { return static_cast<int>(tag.Bytes().size()); }

// The text between the opening tag and the first closing tag; without a closing tag,
// the rest of the line.
fw::String WertDerZeile(const fw::String& zeile, const TagZeile& tag) {
    const int start = Laenge(tag.oeffnend) + 1;
    const int p = fw::InStr(0, zeile, tag.schliessend);
    return fw::Mid(zeile, start, p - start);
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

fw::String Datumstext(const std::shared_ptr<fw::Date>& d) {
    return fw::Format(fw::Checked(d).Day(), "00") + "." + fw::Format(fw::Checked(d).Month(), "00") + "." +
           fw::Str(fw::Checked(d).Year());
}

// Applies a tag line. The amount tests leave the cut amount in `zeile`, and the tests
// after them look at that text in place of the line. Each test compares the first
// characters of `zeile` with its opening tag; BeginsWith does that without cutting them.
void PruefeTags(Arbeitswerte& w, const fw::String& zeileDerListe) {
    const fw::String* zeile = &zeileDerListe;
    fw::String betragstext;
    for (const TagZeile& tag : kTagZeilen) {
        if (!fw::BeginsWith(*zeile, tag.oeffnend)) continue;
        fw::String wert = WertDerZeile(*zeile, tag);
        switch (tag.setzt) {
        case Wert::Art:
            w.ausgehend = wert == "Abbuchung" || fw::InStr(0, wert, "berweisung") > 0;
            break;
        case Wert::Eigenkonto:
            w.eigenkonto = std::move(wert);
            break;
        case Wert::Ausgefuehrt:
            fw::ParseDate(wert, w.d);
            w.datum = Datumstext(w.d);
            break;
        case Wert::BetragDM:
            betragstext = OhneTrenner(wert);
            zeile = &betragstext;
            w.betrag = fw::Format(fw::Val(betragstext) / kDMProEuro, "#");
            SetzeKonten(w);
            break;
        case Wert::BetragEur:
            betragstext = OhneTrenner(wert);
            zeile = &betragstext;
            w.betrag = betragstext;
            SetzeKonten(w);
            break;
        case Wert::Umsatztext:
        case Wert::Verwendungszweck:
            w.buchungstext = std::move(wert);
            break;
        case Wert::Fremdkontoinhaber:
            w.inhaber = std::move(wert);
            break;
        }
    }
}

void UebergebeUndSetzeZurueck(Arbeitswerte& w) {
    auto buchung_werte = fw::CreateArray<fw::Variant>(7);
    const fw::String* werte[] = {&w.datum, &w.betrag, &w.konto_von, &w.konto_an,
                                 &w.kategorie, &w.inhaber, &w.buchungstext, &w.leer};
    for (int i = 0; i <= 7; ++i) buchung_werte->Store(i, fw::StringToVariant(*werte[i]));
    buchungViaKw7(buchung_werte);

    w.betrag = "0000";
    w.konto_von = w.konto_an = "";
    w.kategorie = "Sonstiges";
    w.buchungstext = w.inhaber = "";
    w.gegenkonto = "Unbekannt";
    w.leer = "";
}

}  // namespace

// Walks every line loaded so far and hands each transaction to the booking script at
// its closing line, in file order. Bound and list are read afresh before every line;
// the walk never reads past the end of `zeilen`.
void Fenster1::buchung_erzeugen() {
    Arbeitswerte w;
    for (int index = 0; index <= anz_zeilen && index <= fw::Checked(zeilen).Ubound(); ++index) {
        const fw::String& zeile = (*zeilen)(index);
        if (zeile == kAbschluss) {
            UebergebeUndSetzeZurueck(w);
        } else {
            PruefeTags(w, zeile);
        }
        fw::RuntimeBackgroundTask();
    }
}
