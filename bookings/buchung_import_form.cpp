#include "bookings/buchung_import_form.h"

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
    const ImportDatei text = readImportDatei(fileName);
    if (text.message) {
        prompter.warning(text.message, kImportCaption);
        return false;
    }
    result_ = importBuchungen(doc, text.data, options, prompter);
    prompter.information(importBericht(result_), kImportCaption);
    return true;
}

} // namespace bookings
