#include "cli/new_command.h"

#include "accounts/neue_datei_form.h"
#include "cli/arguments.h"
#include "cli/common_options.h"
#include "cli/ledger_change.h"
#include "cli/terminal.h"
#include "ledger/dokument.h"
#include "ledger/win1252.h"

#include <filesystem>

namespace cli {

namespace {

using Form = accounts::CNeueDateiForm;

void chooseEuroOnly(Form& form, const std::string& symbol) {
    form.buchfuehrung = Form::Buchfuehrung::NurEuro;
    if (symbol == "EUR") {
        form.euroSymbol = Form::EuroSymbol::Eur;
    } else if (symbol == "€") {
        form.euroSymbol = Form::EuroSymbol::Euro;
    } else {
        form.euroSymbol = Form::EuroSymbol::Anderes;
        form.anderesKuerzel = symbol;
    }
}

// --dual CODE [--rate R] [--symbols EUR,NAT]: the national currency by its code; rate and
// symbols start from the table's values as in the dialog.
void chooseDual(Form& form, const std::string& code, const std::optional<std::string>& rate,
                const std::optional<std::string>& symbols) {
    form.buchfuehrung = Form::Buchfuehrung::EuroUndLandeswaehrung;
    const auto& table = form.nationalCurrencies();
    int index = -1;
    for (size_t i = 0; i < table.size(); ++i)
        if (ledger::equalsNoCase(table[i].code, code))
            index = static_cast<int>(i);
    if (index < 0) {
        std::string known;
        for (const auto& info : table)
            known += (known.empty() ? "" : ", ") + info.code;
        throw UsageError("Unbekannte Landeswährung " + code + " (bekannt: " + known + ")");
    }
    form.selectLandeswaehrung(index);
    if (rate) {
        form.wechselkurs = *rate;
        form.leaveWechselkurs();
    }
    if (symbols) {
        const auto comma = symbols->find(',');
        if (comma == std::string::npos)
            throw UsageError("--symbols erwartet EUR-Symbol,Landessymbol");
        form.eurSymbol = symbols->substr(0, comma);
        form.landesSymbol = symbols->substr(comma + 1);
    }
}

} // namespace

int runNew(Arguments& args, Io& io) {
    const auto clock = takeClockOption(args);
    const auto euroOnly = args.option("euro-only");
    const auto dual = args.option("dual");
    const auto other = args.option("other");
    const auto rate = args.option("rate");
    const auto symbols = args.option("symbols");
    const bool overwrite = args.flag("overwrite");
    const ledger::SicherungsRegel backups = takeBackupOptions(args);
    const std::filesystem::path path = args.positionals(1).front();
    if (int(euroOnly.has_value()) + int(dual.has_value()) + int(other.has_value()) != 1)
        throw UsageError("Genau eine von --euro-only, --dual und --other angeben");
    if ((rate || symbols) && !dual)
        throw UsageError("--rate und --symbols gelten nur mit --dual");

    const auto table = ledger::buildNationalCurrencyTable();
    Form form(table);
    if (euroOnly) {
        chooseEuroOnly(form, ledger::fromUtf8(*euroOnly));
    } else if (dual) {
        chooseDual(form, ledger::fromUtf8(*dual), rate ? ledger::fromUtf8(*rate) : rate,
                   symbols ? ledger::fromUtf8(*symbols) : symbols);
    } else {
        form.buchfuehrung = Form::Buchfuehrung::AndereWaehrung;
        form.waehrungskuerzel = ledger::fromUtf8(*other);
    }

    TerminalPrompter prompter(io.err);
    if (form.check(prompter))
        return kExitFailure;

    ledger::CTalwerkDoc doc;
    doc.newDocument(form.result(), ledger::CNVKDatum::today(*clock));
    return saveNewLedger(doc, path, overwrite, backups, *clock, io);
}

} // namespace cli
