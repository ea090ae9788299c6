// CBuchungImportForm: the rules of the import dialog "Buchungen importieren": the file name
// and the three format choices with their initial values, and OK, which reads the whole file
// and imports it.
#pragma once

#include "bookings/buchung_import.h"
#include "ledger/dokument.h"
#include "platform/prompter.h"

#include <string>
#include <vector>

namespace bookings {

class CBuchungImportForm {
public:
    // "Durch&suchen...": the title of the file-open dialog.
    static constexpr const char* kBrowseTitle = "Durchsuchen";

    explicit CBuchungImportForm(const ledger::CTalwerkDoc& doc);

    std::string fileName; // "&Dateiname"
    ImportOptionen options;

    std::vector<std::string> buchungenNames() const;
    std::vector<std::string> identifikationNames() const;
    // "alle in ..." of the second currency only under dual-currency bookkeeping.
    std::vector<std::string> betraegeNames() const;

    // OK: checks the file name, reads the file, imports it and says what the import did.
    // Returns false while the dialog stays open (a message has been shown); true when the
    // import ran.
    bool ok(ledger::CTalwerkDoc& doc, platform::Prompter& prompter);
    const ImportErgebnis& result() const { return result_; }

private:
    const ledger::CTalwerkDoc& doc_;
    ImportErgebnis result_;
};

} // namespace bookings
