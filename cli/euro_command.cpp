#include "cli/euro_command.h"

#include "accounts/euro_tool.h"
#include "cli/ledger_change.h"

#include <algorithm>

namespace cli {

namespace {

std::vector<std::string> takeAll(Arguments& args, std::string_view name) {
    std::vector<std::string> values;
    while (auto value = takeText(args, name))
        values.push_back(std::move(*value));
    return values;
}

bool contains(const std::vector<std::string>& values, const std::string& value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// The dialogs of the tool, filled from the options: every row stays ticked and every
// proposal stands unless an option says otherwise. A refused first step ends the tool.
class OptionDialoge final : public accounts::EuroToolDialoge {
public:
    OptionDialoge(Arguments& args, platform::Prompter& prompter, Io& io)
        : code_(takeText(args, "currency")), rate_(takeText(args, "rate")),
          eurSymbol_(takeText(args, "eur-symbol")),
          nationalSymbol_(takeText(args, "national-symbol")),
          keepAccounts_(takeAll(args, "keep-account")), keepRules_(takeAll(args, "keep-rule")),
          ruleAmounts_(takeAll(args, "rule-amount")), keepViews_(takeAll(args, "keep-view")),
          keepPreset_(args.flag("keep-preset")),
          keepNationalAmounts_(args.flag("keep-national-amounts")), prompter_(prompter), io_(io) {}

    bool refused() const { return refused_; }

    bool doppelteWaehrung(accounts::CEuroToolForm& form) override {
        if (code_) {
            const auto& table = form.nationalCurrencies();
            const auto it = std::find_if(table.begin(), table.end(),
                                         [&](const auto& info) { return info.code == *code_; });
            if (it == table.end()) {
                printLine(io_.err, "Unbekannte Währung " + *code_ + ".");
                refused_ = true;
                return false;
            }
            form.selectLandeswaehrung(static_cast<int>(it - table.begin()));
        }
        if (rate_) {
            form.wechselkurs = *rate_;
            form.leaveWechselkurs();
        }
        if (eurSymbol_)
            form.eurSymbol = *eurSymbol_;
        if (nationalSymbol_)
            form.landesSymbol = *nationalSymbol_;
        refused_ = form.check(prompter_).has_value();
        return confirmed(!refused_, form.kTitle);
    }

    bool kontowaehrung(accounts::CEuroKontenForm& form) override {
        for (auto& zeile : form.zeilen)
            zeile.ticked = !contains(keepAccounts_, zeile.number);
        return confirmed(true, form.kTitle);
    }

    bool regelmaessigeBuchungen(accounts::CEuroRegelnForm& form) override {
        for (const std::string& given : ruleAmounts_) {
            const auto equals = given.rfind('=');
            const std::string name = given.substr(0, equals);
            const auto row = std::find_if(form.zeilen.begin(), form.zeilen.end(),
                                          [&](const auto& zeile) { return zeile.name == name; });
            if (equals == std::string::npos || row == form.zeilen.end()) {
                printLine(io_.err, "Keine regelmäßige Buchung in Landeswährung: " + given);
                refused_ = true;
                return false;
            }
            form.selectRow(static_cast<int>(row - form.zeilen.begin()));
            if (!form.betragChanged(given.substr(equals + 1))) {
                printLine(io_.err, "Ungültiger Betrag: " + given);
                refused_ = true;
                return false;
            }
            form.leaveBetrag();
        }
        for (auto& zeile : form.zeilen)
            zeile.ticked = !contains(keepRules_, zeile.name);
        return confirmed(true, form.kTitle);
    }

    bool ansichten(accounts::CEuroAnsichtenForm& form) override {
        form.euroVoreingestellt = form.euroVoreingestellt && !keepPreset_;
        form.keineLandeswaehrung = form.keineLandeswaehrung && !keepNationalAmounts_;
        for (auto& zeile : form.zeilen)
            zeile.ticked = !contains(keepViews_, zeile.name);
        return confirmed(true, form.kTitle);
    }

private:
    bool confirmed(bool ok, const char* title) {
        if (ok)
            printLine(io_.out, std::string(title) + ": erledigt.");
        return ok;
    }

    std::optional<std::string> code_, rate_, eurSymbol_, nationalSymbol_;
    std::vector<std::string> keepAccounts_, keepRules_, ruleAmounts_, keepViews_;
    bool keepPreset_, keepNationalAmounts_;
    platform::Prompter& prompter_;
    Io& io_;
    bool refused_ = false;
};

} // namespace

int runEuro(Arguments& args, Io& io) {
    LedgerChange change(args, io);
    OptionDialoge dialoge(args, change.prompter(), io);
    const auto positionals = args.positionals(1);
    if (!change.open(positionals[0]))
        return kExitFailure;
    const bool euroOnly = change.doc().settings().euroOnly != 0;
    const auto table = ledger::buildNationalCurrencyTable();
    accounts::runEuroTool(change.doc(), table, change.prompter(), dialoge);
    // A refused option leaves the file as it was, also the steps before it.
    if (euroOnly || dialoge.refused())
        return kExitFailure;
    return change.save();
}

} // namespace cli
