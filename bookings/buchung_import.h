// Import of bookings from text: one booking per line, tab-separated fields (date, number,
// text, [kind], account 1, account 2, amount, [currency], [notes]). A line ends at CR LF, at
// LF or at a lone CR; each faulty line is reported with OK and Cancel and adds nothing, and
// reading goes on at the start of the next line.
#pragma once

#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bookings {

inline constexpr const char* kImportCaption = "Buchungen importieren";
inline constexpr const char* kMeldungNichtOeffnen = "Datei kann nicht geöffnet werden!";
inline constexpr const char* kMeldungKeinSpeicher =
    "Nicht genügend Speicher zum Einlesen der Datei!";
inline constexpr const char* kMeldungZuGross =
    "Die Datei ist größer als 64 MB und wird nicht importiert.";

// The largest text file imported: 64 MB hold about a million bookings; the bound keeps a
// file chosen by mistake (an image, a disk image) from filling the memory.
inline constexpr std::uint64_t kMaxImportBytes = 64ull << 20;

// "&Buchungen:"
enum ImportVorgang : int { kMitBuchungstyp = 0, kUmbuchungenVonAuf = 1, kUmbuchungenAufVon = 2 };
// "B&eträge:"
enum ImportBetraege : int { kMitWaehrungsangabe = 0, kAlleInErster = 1, kAlleInZweiter = 2 };

struct ImportOptionen {
    int buchungen = kMitBuchungstyp;
    int identifikation = 0; // Kontenidentifikation
    int betraege = kAlleInErster;
    bool notizen = false; // "&Notizen in zusätzlicher Spalte"
};

struct ImportErgebnis {
    int added = 0;
    int faulty = 0; // lines reported as faulty, the one of a Cancel included
    bool cancelled = false;
};

// Adds a booking for every valid line of the data, read as UTF-8 or Windows-1252
// (bookings/import_text.h). A number, text or notes field holding a control character other
// than the tab makes its line faulty ("Zeile %d: Steuerzeichen ESC (27) im Text!"), so that
// no stored text can steer a terminal. A faulty line shows "Zeile %d: ..." with its line
// number in the file (caption "Buchungen importieren"); an unknown account is named after the
// message. OK goes on with the next line, Cancel ends the import and keeps what was added.
ImportErgebnis importBuchungen(ledger::CTalwerkDoc& doc, std::string_view data,
                               const ImportOptionen& options, platform::Prompter& prompter);

// The whole text file to import, or the message why it cannot be read: a file that is not a
// regular file (a folder, a device, a FIFO) or cannot be read gives kMeldungNichtOeffnen, one
// over kMaxImportBytes kMeldungZuGross.
struct ImportDatei {
    std::string data;
    const char* message = nullptr;
};
ImportDatei readImportDatei(const std::string& fileName);

// What an import did: "3 Buchungen hinzugefügt, 1 Zeile fehlerhaft." (after Cancel with
// "Import abgebrochen: " in front).
std::string importBericht(const ImportErgebnis& result);

// A date field: digits, up to two '.' and blanks; a two-digit year below 50 is 20xx, else
// 19xx. Nothing when it is not a valid date.
std::optional<ledger::CNVKDatum> parseImportDatum(std::string_view field);

} // namespace bookings
