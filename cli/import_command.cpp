#include "cli/import_command.h"

#include "bookings/buchung_import.h"
#include "cli/answering_prompter.h"
#include "cli/common_options.h"
#include "cli/ledger_change.h"
#include "cli/terminal.h"
#include "ledger/win1252.h"

namespace cli {

int runImport(Arguments& args, Io& io) {
    const int kinds = takeChoiceOption(args, "kinds", {"0", "1", "2"}, 0);
    const int ident = takeChoiceOption(args, "ident", {"0", "1", "2"}, 0);
    const int amounts = takeChoiceOption(args, "amounts", {"0", "1", "2"}, -1);
    const bool notes = args.flag("notes");
    const bool stopOnError = args.flag("stop-on-error");
    LedgerChange change(args, io);
    const std::vector<std::string> positionals = args.positionals(2);
    const std::string& path = positionals[0];
    const std::string& textPath = positionals[1];

    const bookings::ImportDatei text = bookings::readImportDatei(textPath);
    if (text.message) {
        io.err << textPath << ": " << ledger::toUtf8(text.message) << '\n';
        return kExitFailure;
    }

    if (!change.open(path))
        return kExitFailure;
    ledger::CTalwerkDoc& doc = change.doc();
    const bool dual = doc.settings().dualCurrency != 0;
    if (amounts == bookings::kAlleInZweiter && !dual) {
        printLine(io.err, "Die Datei führt keine zweite Währung.");
        return kExitUsage;
    }

    bookings::ImportOptionen options;
    options.buchungen = kinds;
    options.identifikation = ident;
    // Without --amounts the choice the import dialog starts with.
    options.betraege =
        amounts >= 0 ? amounts : (dual ? bookings::kMitWaehrungsangabe : bookings::kAlleInErster);
    options.notizen = notes;

    AnsweringPrompter prompter(io.err, !stopOnError, false);
    const bookings::ImportErgebnis result =
        bookings::importBuchungen(doc, text.data, options, prompter);
    if (result.added > 0 && change.saveNow() != kExitOk)
        return kExitFailure;
    printLine(io.out, bookings::importBericht(result));
    return prompter.shownCount() == 0 ? kExitOk : kExitFailure;
}

} // namespace cli
