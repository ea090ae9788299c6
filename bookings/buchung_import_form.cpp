#include "bookings/buchung_import_form.h"

#include <fstream>
#include <new>

namespace bookings {

CBuchungImportForm::CBuchungImportForm(const ledger::CTalwerkDoc& doc) : doc_(doc) {
    options.betraege = doc.settings().dualCurrency != 0 ? kMitWaehrungsangabe : kAlleInErster;
}

std::vector<std::string> CBuchungImportForm::buchungenNames() const {
    return {"mit Buchungstyp", "nur Umbuchungen (von/auf)", "nur Umbuchungen (auf/von)"};
}

std::vector<std::string> CBuchungImportForm::identifikationNames() const {
    return {"Bezeichnung", "Kontonummer", "Abkürzung"};
}

std::vector<std::string> CBuchungImportForm::betraegeNames() const {
    std::vector<std::string> names{"mit Währungsangabe",
                                   "alle in " + doc_.settings().firstCurrencySymbol};
    if (doc_.settings().dualCurrency != 0)
        names.push_back("alle in " + doc_.settings().secondCurrencySymbol);
    return names;
}

bool CBuchungImportForm::ok(ledger::CTalwerkDoc& doc, platform::Prompter& prompter) {
    if (fileName.empty()) {
        prompter.information("Bitte geben Sie den Dateinamen einer Textdatei an, aus der Sie "
                             "Buchungen importieren möchten!",
                             kImportCaption);
        return false;
    }
    std::ifstream file(fileName, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    if (size < 0 || !file.seekg(0)) {
        prompter.warning("Datei kann nicht geöffnet werden!", kImportCaption);
        return false;
    }
    std::string data;
    try {
        data.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        prompter.warning("Nicht genügend Speicher zum Einlesen der Datei!", kImportCaption);
        return false;
    } catch (const std::length_error&) {
        prompter.warning("Nicht genügend Speicher zum Einlesen der Datei!", kImportCaption);
        return false;
    }
    if (!file.read(data.data(), size)) {
        prompter.warning("Datei kann nicht geöffnet werden!", kImportCaption);
        return false;
    }
    result_ = importBuchungen(doc, data, options, prompter);
    prompter.information(importBericht(result_), kImportCaption);
    return true;
}

} // namespace bookings
