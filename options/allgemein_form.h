// COptAllgemeinForm: the rules of the page "Allgemein" of the options dialog: the file password
// with its repetition, the separators of amounts, the currency symbols and the date range a new
// window starts with; the page's checks on OK in their order.
//
// The file password only keeps the program from opening the file without it. The bookings
// are not encrypted: amounts and dates are plain numbers in the file, texts merely scrambled.
#pragma once

#include "ledger/datum.h"
#include "options/dokument_optionen.h"
#include "platform/prompter.h"

#include <array>
#include <optional>
#include <string>

namespace options {

// The caption of every message of the options dialog.
inline constexpr const char* kOptionenCaption = "Optionen";

class COptAllgemeinForm {
public:
    enum class Field { Kennwort, Wiederholung, Dezimaltrennzeichen };

    static constexpr std::array<char, 2> kDezimaltrennzeichen{',', '.'};
    static constexpr std::array<char, 3> kTausendertrennzeichen{'.', ',', '\''};
    static constexpr std::array<const char*, 4> kStartRegeln{
        "&Datum der ersten Buchung", "erster Tag des akt. &Jahres", "erster Tag des akt. &Monats",
        "d&ieser Tag:"};
    static constexpr std::array<const char*, 3> kEndRegeln{
        "akt&ueller Tag", "letzter Tag des akt. M&onats", "diese&r Tag:"};
    // A password field given a character that Windows-1252 (the file's character set) cannot
    // hold; the field refuses it instead of storing a different password.
    static constexpr const char* kZeichenMeldung =
        "Das Kennwort darf nur Zeichen enthalten, die in der Datei gespeichert werden können "
        "(Zeichensatz Windows-1252).";

    explicit COptAllgemeinForm(const Dokumentoptionen& werte);

    bool schutz = false;      // "Datei mit Kennwort &schützen"
    std::string kennwort;     // "&Kennwort:"
    std::string wiederholung; // "&Wiederholung:"
    char dezimaltrennzeichen = ',';
    char tausendertrennzeichen = '.';
    bool keinTausendertrennzeichen = false;
    std::string symbolNeu;  // "&neu:"; empty keeps the current symbol
    std::string symbol2Neu; // "n&eu:"; empty keeps the current symbol
    int32_t startRegel = ledger::kMonatsanfang;
    ledger::CNVKDatum startDatum;
    int32_t endRegel = ledger::kHeute;
    ledger::CNVKDatum endDatum;

    // Both password fields are enabled only while the protection is on.
    bool kennwortFelderAktiv() const { return schutz; }
    // The second currency's symbols are shown only in dual-currency files.
    bool dualCurrency() const { return dualCurrency_; }
    const std::string& symbolBisher() const { return symbolBisher_; } // "bisher:"
    const std::string& symbol2Bisher() const { return symbol2Bisher_; }
    // The date fields belong to the last start rule and the last end rule.
    bool startDatumAktiv() const { return startRegel == ledger::kFesterStart; }
    bool endDatumAktiv() const { return endRegel == ledger::kFestesEnde; }

    // The message for a password field that was given a character outside Windows-1252; the
    // field keeps its text and gets the focus.
    Field refuseZeichen(Field field, platform::Prompter& prompter) const;

    // OK: an empty password under protection, differing password fields under protection,
    // equal separators; each refuses with its message and names the field that gets the focus.
    // Without protection differing password fields are both emptied.
    std::optional<Field> check(platform::Prompter& prompter);
    void store(Dokumentoptionen& werte) const;

private:
    bool dualCurrency_;
    std::string symbolBisher_;
    std::string symbol2Bisher_;
};

} // namespace options
