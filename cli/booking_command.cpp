#include "cli/booking_command.h"

#include "bookings/buchung_form.h"
#include "cli/answering_prompter.h"
#include "cli/common_options.h"
#include "cli/ledger_change.h"
#include "cli/terminal.h"
#include "ledger/win1252.h"

namespace cli {

namespace {

std::string required(Arguments& args, std::string_view name) {
    const auto value = args.option(name);
    if (!value)
        throw UsageError("Die Option --" + std::string(name) + " fehlt.");
    return ledger::fromUtf8(*value);
}

} // namespace

int runBooking(Arguments& args, Io& io) {
    const auto date = takeDateOption(args, "date");
    if (!date)
        throw UsageError("Die Option --date fehlt.");
    const std::optional<ledger::Vorgang> kind =
        ledger::vorgangAt(takeChoiceOption(args, "kind", {"0", "1", "2"}, -1));
    if (!kind)
        throw UsageError("Die Option --kind fehlt.");
    const std::string account1 = required(args, "account1");
    const std::string account2 = required(args, "account2");
    const std::string amount = required(args, "amount");
    const auto number = args.option("number");
    const auto text = args.option("text");
    const auto notes = args.option("notes");
    const std::optional<ledger::WaehrungsIndex> currency =
        ledger::waehrungAt(takeChoiceOption(args, "currency", {"0", "1"}, -1));
    const bool provisional = args.flag("provisional");
    LedgerChange change(args, io);
    const std::vector<std::string> positionals = args.positionals(2);
    if (positionals[0] != "new")
        throw UsageError("Unbekannter Unterbefehl " + positionals[0]);
    const std::string& path = positionals[1];

    if (!change.open(path))
        return kExitFailure;
    ledger::CTalwerkDoc& doc = change.doc();
    if (currency == ledger::WaehrungsIndex::Zweite && doc.settings().dualCurrency == 0) {
        printLine(io.err, "Die Datei führt keine zweite Währung.");
        return kExitUsage;
    }

    bookings::CBuchungForm form(doc, change.clock());
    form.openNew();
    form.date = *date;
    form.changeKind(*kind);
    form.accountText = {account1, account2};
    form.amountText = amount;
    if (number)
        form.number = ledger::fromUtf8(*number);
    if (text)
        form.text = ledger::fromUtf8(*text);
    if (notes)
        form.notes = ledger::fromUtf8(*notes);
    if (currency)
        form.currency = *currency;
    form.provisional = provisional;

    AnsweringPrompter prompter(io.err, change.yes(), true);
    if (form.ok(prompter) || change.save() != kExitOk)
        return kExitFailure;
    const ledger::CTWBuchung& added = *doc.bookings()[doc.indexOfBuchung(form.addedSerial())];
    printLine(io.out, "Buchung " + std::to_string(added.serial) +
                          " hinzugefügt: " + added.date.text() + " " + added.number + " " +
                          doc.formatBetrag(added.amount));
    return kExitOk;
}

} // namespace cli
