#include "bookings/buchung_import.h"

#include "bookings/import_text.h"
#include "bookings/konto_ident.h"
#include "ledger/file_store.h"
#include "ledger/win1252.h"

#include <algorithm>
#include <array>
#include <new>
#include <string>
#include <vector>

namespace bookings {

namespace {

enum class Fehler { Format, KontoUnbekannt, FalscherVorgang, Steuerzeichen };

std::string zeile(int line, std::string_view text) {
    return "Zeile " + std::to_string(line) + ": " + std::string(text);
}

// The usual abbreviation of a control character (DEL for 127).
std::string controlName(unsigned char ch) {
    static constexpr const char* kAll[33] = {
        "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
        "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
        "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",  "DEL"};
    return kAll[ch < 32 ? ch : 32];
}

// The first control character of a text field other than the tab, which a field of the last
// column may hold; a control character stored in a booking would later reach terminals and
// other programs' text files.
std::optional<unsigned char> controlCharacterIn(std::string_view field) {
    for (const char c : field) {
        const auto ch = static_cast<unsigned char>(c);
        if ((ch < 0x20 && ch != '\t') || ch == 0x7F)
            return ch;
    }
    return std::nullopt;
}

// "1 Buchung", "2 Buchungen"
std::string anzahl(int count, const char* one, const char* more) {
    return std::to_string(count) + " " + (count == 1 ? one : more);
}

// Hands out the lines of the data one after the other; a line ends at CR LF, LF or CR, and
// the last line may lack its line end.
class LineReader {
public:
    explicit LineReader(std::string_view data) : data_(data) {}

    bool next(std::string_view& line) {
        if (pos_ >= data_.size())
            return false;
        ++number_;
        const size_t end = data_.find_first_of("\r\n", pos_);
        if (end == std::string_view::npos) {
            line = data_.substr(pos_);
            pos_ = data_.size();
            return true;
        }
        line = data_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (data_[end] == '\r' && pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
        return true;
    }
    int number() const { return number_; }

private:
    std::string_view data_;
    size_t pos_ = 0;
    int number_ = 0;
};

// Cuts a line into exactly `count` tab-separated fields; the last field is the rest of the
// line. Nothing when the line has fewer fields.
std::optional<std::vector<std::string_view>> splitFields(std::string_view line, size_t count) {
    std::vector<std::string_view> fields;
    fields.reserve(count);
    while (fields.size() + 1 < count) {
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return std::nullopt;
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

ledger::Vorgang parseVorgang(std::string_view field) {
    using ledger::equalsNoCase;
    if (equalsNoCase(field, "E") || equalsNoCase(field, "Einnahme"))
        return ledger::Vorgang::Einnahme;
    if (equalsNoCase(field, "A") || equalsNoCase(field, "Ausgabe"))
        return ledger::Vorgang::Ausgabe;
    return ledger::Vorgang::Umbuchung;
}

// Kind and account order of a booking between the two accounts as the line names them, or
// nothing when the pair does not fit the kind.
struct Paar {
    ledger::Vorgang kind;
    const ledger::CTWKonto* konto1;
    const ledger::CTWKonto* konto2;
};

std::optional<Paar> decide(int buchungen, ledger::Vorgang kind, const ledger::CTWKonto* first,
                           const ledger::CTWKonto* second) {
    using namespace ledger;
    // A booking needs two different accounts.
    if (first == second)
        return std::nullopt;
    const auto is = [](const CTWKonto* k, KontoArt art) { return k->kind == art; };
    switch (buchungen) {
    case kMitBuchungstyp:
        if (kind == Vorgang::Einnahme &&
            !(is(first, KontoArt::Bestandskonto) && is(second, KontoArt::Einnahmenkonto)))
            return std::nullopt;
        if (kind == Vorgang::Ausgabe &&
            !(is(first, KontoArt::Bestandskonto) && is(second, KontoArt::Ausgabenkonto)))
            return std::nullopt;
        return Paar{kind, first, second};
    case kUmbuchungenVonAuf: // from the first to the second
        if (is(first, KontoArt::Bestandskonto) && is(second, KontoArt::Ausgabenkonto))
            return Paar{Vorgang::Ausgabe, first, second};
        if (is(first, KontoArt::Einnahmenkonto) && is(second, KontoArt::Bestandskonto))
            return Paar{Vorgang::Einnahme, second, first};
        return Paar{Vorgang::Umbuchung, first, second};
    default: // to the first from the second
        if (is(first, KontoArt::Ausgabenkonto) && is(second, KontoArt::Bestandskonto))
            return Paar{Vorgang::Ausgabe, second, first};
        if (is(first, KontoArt::Bestandskonto) && is(second, KontoArt::Einnahmenkonto))
            return Paar{Vorgang::Einnahme, first, second};
        return Paar{Vorgang::Umbuchung, second, first};
    }
}

class Importer {
public:
    Importer(ledger::CTalwerkDoc& doc, const ImportOptionen& options)
        : doc_(doc), options_(options), finder_(doc, options.identifikation),
          format_(doc.betragFormat()), dual_(doc.settings().dualCurrency != 0) {}

    // Adds the booking of one line, or returns the message that tells what is wrong with it.
    std::optional<std::string> importLine(std::string_view line, int lineNumber) {
        const std::optional<Fehler> fehler = addBooking(line);
        if (!fehler)
            return std::nullopt;
        switch (*fehler) {
        case Fehler::Format:
            return zeile(lineNumber, "Formatfehler!");
        case Fehler::KontoUnbekannt:
            return zeile(lineNumber, "Konto unbekannt! („" + std::string(unknownAccount_) + "“)");
        case Fehler::FalscherVorgang:
            return zeile(lineNumber, "falscher Vorgang!");
        case Fehler::Steuerzeichen:
            break;
        }
        return zeile(lineNumber, "Steuerzeichen " + controlName(controlCharacter_) + " (" +
                                     std::to_string(controlCharacter_) + ") im Text!");
    }

    // Adds the bookings taken so far to the document, in one pass over its list.
    void finish() { doc_.addBuchungen(std::move(taken_)); }

private:
    // Takes the booking of one line, or tells what is wrong with it.
    std::optional<Fehler> addBooking(std::string_view line) {
        const bool withKind = options_.buchungen == kMitBuchungstyp;
        const bool withCurrency = options_.betraege == kMitWaehrungsangabe;
        const size_t count = 6 + withKind + withCurrency + options_.notizen;
        const auto fields = splitFields(line, count);
        if (!fields)
            return Fehler::Format;
        size_t f = 0;
        const std::optional<ledger::CNVKDatum> date = parseImportDatum((*fields)[f++]);
        const std::string_view number = (*fields)[f++];
        const std::string_view text = (*fields)[f++];
        const ledger::Vorgang kind =
            withKind ? parseVorgang((*fields)[f++]) : ledger::Vorgang::Umbuchung;
        const std::string_view account1 = (*fields)[f++];
        const std::string_view account2 = (*fields)[f++];
        const std::optional<int64_t> amount = format_.parsePlainNumber((*fields)[f++]);
        const ledger::WaehrungsIndex currency =
            withCurrency ? currencyOf((*fields)[f++]) : fixedCurrency();
        const std::string_view notes = options_.notizen ? (*fields)[f++] : std::string_view();
        if (!date || !amount)
            return Fehler::Format;
        for (const std::string_view field : {number, text, notes}) {
            if (const auto ch = controlCharacterIn(field)) {
                controlCharacter_ = *ch;
                return Fehler::Steuerzeichen;
            }
        }

        const ledger::CTWKonto* first = finder_.find(account1);
        const ledger::CTWKonto* second = finder_.find(account2);
        if (!first || !second) {
            unknownAccount_ = first ? account2 : account1;
            return Fehler::KontoUnbekannt;
        }
        const std::optional<Paar> paar = decide(options_.buchungen, kind, first, second);
        if (!paar)
            return Fehler::FalscherVorgang;

        ledger::CTWBuchung b;
        b.date = *date;
        b.number = number;
        b.text = text;
        b.kind = paar->kind;
        b.konto1Id = paar->konto1->id;
        b.konto2Id = paar->konto2->id;
        b.amount = *amount;
        b.currencyIndex = currency;
        b.notes = notes;
        taken_.push_back(std::move(b));
        return std::nullopt;
    }

    // Without a second currency every booking is in the first one.
    ledger::WaehrungsIndex currencyOf(std::string_view name) const {
        if (!dual_ || ledger::equalsNoCase(name, doc_.settings().firstCurrencySymbol))
            return ledger::WaehrungsIndex::Erste;
        return ledger::WaehrungsIndex::Zweite;
    }
    ledger::WaehrungsIndex fixedCurrency() const {
        return dual_ && options_.betraege == kAlleInZweiter ? ledger::WaehrungsIndex::Zweite
                                                            : ledger::WaehrungsIndex::Erste;
    }

    ledger::CTalwerkDoc& doc_;
    const ImportOptionen& options_;
    KontoFinder finder_;
    ledger::BetragFormat format_;
    bool dual_;
    std::string_view unknownAccount_;    // the account text of the last "Konto unbekannt!"
    unsigned char controlCharacter_ = 0; // the character of the last "Steuerzeichen"
    std::vector<ledger::CTWBuchung> taken_;
};

} // namespace

ImportDatei readImportDatei(const std::string& fileName) {
    ImportDatei datei;
    try {
        ledger::ReadResult file = ledger::readRegularFile(fileName, kMaxImportBytes);
        switch (file.failure) {
        case ledger::ReadFailure::None:
            datei.data.assign(file.bytes.begin(), file.bytes.end());
            break;
        case ledger::ReadFailure::TooLarge:
            datei.message = kMeldungZuGross;
            break;
        case ledger::ReadFailure::CannotOpen:
        case ledger::ReadFailure::NotRegular:
            datei.message = kMeldungNichtOeffnen;
            break;
        }
    } catch (const std::bad_alloc&) {
        datei.data.clear();
        datei.message = kMeldungKeinSpeicher;
    }
    return datei;
}

std::optional<ledger::CNVKDatum> parseImportDatum(std::string_view field) {
    std::array<int, 3> parts{};
    std::array<bool, 3> seen{};
    size_t part = 0;
    for (const char ch : field) {
        if (ch >= '0' && ch <= '9') {
            seen[part] = true;
            // Longer numbers can only give an invalid date; keep them from overflowing.
            parts[part] = std::min(parts[part] * 10 + (ch - '0'), 100000);
        } else if (ch == '.' && part < 2) {
            ++part;
        } else if (ch != ' ') {
            return std::nullopt;
        }
    }
    if (!seen[0] || !seen[1] || !seen[2])
        return std::nullopt;
    int year = parts[2];
    if (year < 100)
        year += year < 50 ? 2000 : 1900;
    return ledger::CNVKDatum::fromCalendar(parts[0], parts[1], year);
}

ImportErgebnis importBuchungen(ledger::CTalwerkDoc& doc, std::string_view data,
                               const ImportOptionen& options, platform::Prompter& prompter) {
    ImportErgebnis result;
    Importer importer(doc, options);
    const ImportText text = erkenneZeichensatz(data);
    LineReader lines(text.text);
    std::string_view line;
    std::string converted;
    std::string fault;
    while (lines.next(line)) {
        // An empty line holds no booking.
        if (line.empty())
            continue;
        std::optional<std::string> fehler;
        if (text.zeichensatz == ImportZeichensatz::Windows1252)
            fehler = importer.importLine(line, lines.number());
        else if (utf8Zeile(line, converted, fault))
            fehler = importer.importLine(converted, lines.number());
        else
            fehler = zeile(lines.number(), fault);
        if (!fehler) {
            ++result.added;
            continue;
        }
        ++result.faulty;
        if (!prompter.askOkCancel(*fehler, kImportCaption)) {
            result.cancelled = true;
            break;
        }
    }
    importer.finish();
    return result;
}

std::string importBericht(const ImportErgebnis& result) {
    std::string text = result.cancelled ? "Import abgebrochen: " : "";
    text += anzahl(result.added, "Buchung", "Buchungen") + " hinzugefügt, ";
    text +=
        result.faulty == 0 ? std::string("keine Zeile") : anzahl(result.faulty, "Zeile", "Zeilen");
    text += " fehlerhaft.";
    return text;
}

} // namespace bookings
