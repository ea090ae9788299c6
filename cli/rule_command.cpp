#include "cli/rule_command.h"

#include "bookings/buchung_regel_form.h"
#include "bookings/buchung_regeln_form.h"
#include "cli/common_options.h"
#include "cli/ledger_change.h"
#include "ledger/win1252.h"

#include <limits>

namespace cli {

namespace {

// The rule fields given on the command line; what is absent keeps the form's value.
struct RegelOptionen {
    std::optional<std::string> name;
    std::optional<ledger::Vorgang> kind;
    std::optional<std::string> account1;
    std::optional<std::string> account2;
    std::optional<std::string> amount;
    std::optional<ledger::CNVKDatum> first;
    std::optional<int64_t> every;
    int unit = -1;
    std::optional<std::string> number;
    std::optional<int64_t> counter;
    std::optional<std::string> text;
    std::optional<std::string> notes;
    int dateMode = -1;
    std::optional<ledger::WaehrungsIndex> currency;
    bool provisional = false;

    bool changesSchedule() const { return first || every || unit >= 0 || counter; }
};

int32_t toInt32(int64_t value, std::string_view option) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw UsageError("--" + std::string(option) + " liegt außerhalb des Zahlenbereichs");
    return static_cast<int32_t>(value);
}

RegelOptionen takeRegelOptionen(Arguments& args) {
    RegelOptionen o;
    o.name = takeText(args, "name");
    o.kind = ledger::vorgangAt(takeChoiceOption(args, "kind", {"0", "1", "2"}, -1));
    o.account1 = takeText(args, "account1");
    o.account2 = takeText(args, "account2");
    o.amount = takeText(args, "amount");
    o.first = takeDateOption(args, "first");
    o.every = takeNumber(args, "every");
    if (o.every)
        toInt32(*o.every, "every");
    o.unit = takeChoiceOption(args, "unit", {"0", "1", "2"}, -1);
    o.number = takeText(args, "number");
    o.counter = takeNumber(args, "counter");
    if (o.counter)
        toInt32(*o.counter, "counter");
    o.text = takeText(args, "text");
    o.notes = takeText(args, "notes");
    o.dateMode = takeChoiceOption(args, "date-mode", {"0", "1"}, -1);
    o.currency = ledger::waehrungAt(takeChoiceOption(args, "currency", {"0", "1"}, -1));
    o.provisional = args.flag("provisional");
    return o;
}

// Copies the given fields into the form in the order a user fills the dialog: the kind first,
// since it rebuilds the account lists.
void fill(bookings::CBuchungRegelForm& form, const RegelOptionen& o) {
    if (o.kind)
        form.changeKind(*o.kind);
    if (o.name)
        form.name = *o.name;
    if (o.account1)
        form.accountText[0] = *o.account1;
    if (o.account2)
        form.accountText[1] = *o.account2;
    if (o.amount)
        form.amountText = *o.amount;
    if (o.first)
        form.date = *o.first;
    if (o.every) {
        form.intervalCount = static_cast<int32_t>(*o.every);
        form.leaveInterval();
    }
    if (o.unit >= 0)
        form.intervalUnit = o.unit;
    if (o.number)
        form.numberTemplate = *o.number;
    if (o.counter)
        form.counter = static_cast<int32_t>(*o.counter);
    if (o.text)
        form.textTemplate = *o.text;
    if (o.notes)
        form.notesTemplate = *o.notes;
    if (o.dateMode >= 0)
        form.dateMode = o.dateMode;
    if (o.currency)
        form.currency = *o.currency;
    if (o.provisional)
        form.provisional = true;
}

// The position of the first rule of that name, or -1 with a message.
int findRule(const ledger::CTalwerkDoc& doc, const std::string& name, Io& io) {
    for (size_t i = 0; i < doc.rules().size(); ++i)
        if (doc.rules()[i]->name == name)
            return static_cast<int>(i);
    printLine(io.err, "Keine regelmäßige Buchung mit der Bezeichnung \"" + name + "\".");
    return -1;
}

std::string kennung(const std::string& name) {
    return "Regelmäßige Buchung \"" + name + "\"";
}

} // namespace

int runRule(Arguments& args, Io& io) {
    const auto sub = args.first().value_or("");
    if (sub != "new" && sub != "edit" && sub != "delete" && sub != "list")
        throw UsageError("rule erwartet new, edit, delete oder list");
    LedgerChange change(args, io);

    if (sub == "list") {
        const auto positionals = args.positionals(1);
        if (!change.open(positionals[0]))
            return kExitFailure;
        const bookings::CBuchungRegelnForm list(change.doc());
        for (const auto& entry : list.entries())
            printLine(io.out, entry.name);
        return kExitOk;
    }

    if (sub == "delete") {
        const auto positionals = args.positionals(2);
        if (!change.open(positionals[0]))
            return kExitFailure;
        const std::string name = ledger::fromUtf8(positionals[1]);
        const int index = findRule(change.doc(), name, io);
        if (index < 0)
            return kExitFailure;
        bookings::CBuchungRegelnForm list(change.doc());
        if (!list.remove(list.rowOfRule(index), change.prompter()))
            return kExitFailure;
        const int code = change.save();
        if (code == kExitOk)
            printLine(io.out, kennung(name) + " gelöscht.");
        return code;
    }

    const RegelOptionen o = takeRegelOptionen(args);
    const auto positionals = args.positionals(sub == "new" ? 1 : 2);
    if (sub == "new" && (!o.name || !o.kind || !o.account1 || !o.account2 || !o.amount || !o.first))
        throw UsageError("rule new braucht --name, --kind, --account1, --account2, --amount "
                         "und --first");
    if (!change.open(positionals[0]))
        return kExitFailure;
    ledger::CTalwerkDoc& doc = change.doc();
    if (o.currency == ledger::WaehrungsIndex::Zweite && doc.settings().dualCurrency == 0) {
        printLine(io.err, "Die Datei führt keine zweite Währung.");
        return kExitUsage;
    }
    bookings::CBuchungRegelForm form(doc, change.clock());
    if (sub == "new") {
        form.openNew();
    } else {
        const int index = findRule(doc, ledger::fromUtf8(positionals[1]), io);
        if (index < 0)
            return kExitFailure;
        form.openEdit(index);
        if (!form.scheduleEnabled() && o.changesSchedule()) {
            printLine(io.err, "Die Fälligkeit dieser regelmäßigen Buchung kann nicht mehr "
                              "geändert werden, da ein früherer Termin noch offen ist.");
            return kExitFailure;
        }
    }
    fill(form, o);
    if (form.ok(change.prompter()))
        return kExitFailure;
    const int code = change.save();
    if (code == kExitOk)
        printLine(io.out, kennung(doc.rules()[static_cast<size_t>(form.ruleIndex())]->name) +
                              (sub == "new" ? " angelegt." : " geändert."));
    return code;
}

} // namespace cli
