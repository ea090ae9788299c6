#include "cli/import_command.h"

#include "bookings/buchung_import.h"
#include "cli/answering_prompter.h"
#include "cli/common_options.h"
#include "cli/terminal.h"
#include "ledger/ledger_file.h"
#include "ledger/win1252.h"

#include <fstream>
#include <sstream>

namespace cli {

int runImport(Arguments& args, Io& io) {
    const int kinds = takeChoiceOption(args, "kinds", {"0", "1", "2"}, 0);
    const int ident = takeChoiceOption(args, "ident", {"0", "1", "2"}, 0);
    const int amounts = takeChoiceOption(args, "amounts", {"0", "1", "2"}, -1);
    const bool notes = args.flag("notes");
    const bool stopOnError = args.flag("stop-on-error");
    const auto password = args.option("password");
    const auto clock = takeClockOption(args);
    const std::vector<std::string> positionals = args.positionals(2);
    const std::string& path = positionals[0];
    const std::string& textPath = positionals[1];

    std::ifstream textFile(textPath, std::ios::binary);
    if (!textFile) {
        io.err << textPath << ": " << ledger::toUtf8("Datei kann nicht geöffnet werden!") << '\n';
        return kExitFailure;
    }
    std::ostringstream data;
    data << textFile.rdbuf();

    const OpenedLedger opened = openLedger(path, password, *clock, io);
    if (!opened.document)
        return kExitFailure;
    ledger::CTalwerkDoc& doc = *opened.document;
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
        bookings::importBuchungen(doc, data.str(), options, prompter);
    if (result.added > 0) {
        const std::string message = ledger::saveLedgerFile(doc, path);
        if (!message.empty()) {
            io.err << path << ": " << ledger::toUtf8(message) << '\n';
            return kExitFailure;
        }
    }
    printLine(io.out, bookings::importBericht(result));
    return prompter.shownCount() == 0 ? kExitOk : kExitFailure;
}

} // namespace cli
