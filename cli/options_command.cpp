#include "cli/options_command.h"

#include "cli/common_options.h"
#include "cli/ledger_change.h"
#include "ledger/win1252.h"
#include "options/optionen_form.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace cli {

namespace {

using options::COptAllgemeinForm;
using Field = COptAllgemeinForm::Field;

// The options of the page "Allgemein"; what is absent keeps the page's value.
struct AllgemeinOptionen {
    int decimalSeparator = -1;
    int thousandsSeparator = -1;
    std::optional<int64_t> noGrouping;
    bool protect = false;
    bool unprotect = false;
    std::optional<std::string> newPassword; // UTF-8 as given
    std::optional<std::string> repeat;
    std::optional<std::string> symbol;
    std::optional<std::string> secondSymbol;
    std::optional<int64_t> startRule;
    std::optional<ledger::CNVKDatum> startDate;
    std::optional<int64_t> endRule;
    std::optional<ledger::CNVKDatum> endDate;
    std::vector<std::string> settings; // NAME=WERT of --set

    bool any() const {
        return decimalSeparator >= 0 || thousandsSeparator >= 0 || noGrouping || protect ||
               unprotect || newPassword || repeat || symbol || secondSymbol || startRule ||
               startDate || endRule || endDate || !settings.empty();
    }
};

AllgemeinOptionen takeOptionen(Arguments& args) {
    AllgemeinOptionen o;
    o.decimalSeparator = takeChoiceOption(args, "decimal-separator", {",", "."}, -1);
    o.thousandsSeparator = takeChoiceOption(args, "thousands-separator", {".", ",", "'"}, -1);
    o.noGrouping = takeNumber(args, "no-grouping");
    o.protect = args.flag("protect");
    o.unprotect = args.flag("unprotect");
    o.newPassword = args.option("new-password");
    o.repeat = args.option("repeat");
    o.symbol = takeText(args, "symbol");
    o.secondSymbol = takeText(args, "second-symbol");
    o.startRule = takeNumber(args, "start-rule");
    o.startDate = takeDateOption(args, "start-date");
    o.endRule = takeNumber(args, "end-rule");
    o.endDate = takeDateOption(args, "end-date");
    while (auto setting = takeText(args, "set"))
        o.settings.push_back(std::move(*setting));
    if (o.protect && o.unprotect)
        throw UsageError("--protect schließt --unprotect aus");
    if (o.noGrouping && *o.noGrouping != 0 && *o.noGrouping != 1)
        throw UsageError("--no-grouping erwartet 0 oder 1");
    if (o.startRule && (*o.startRule < 0 || *o.startRule > ledger::kFesterStart))
        throw UsageError("--start-rule erwartet 0, 1, 2 oder 3");
    if (o.endRule && (*o.endRule < 0 || *o.endRule > ledger::kFestesEnde))
        throw UsageError("--end-rule erwartet 0, 1 oder 2");
    return o;
}

// A password field's text; a character outside Windows-1252 is refused with the page's
// message instead of being stored as another character.
bool takePassword(const std::optional<std::string>& utf8, std::string& field, Field which,
                  COptAllgemeinForm& form, platform::Prompter& prompter) {
    if (!utf8)
        return true;
    const std::string cp1252 = ledger::fromUtf8(*utf8);
    if (ledger::toUtf8(cp1252) != *utf8) {
        form.refuseZeichen(which, prompter);
        return false;
    }
    field = cp1252;
    return true;
}

// Fills the page "Allgemein"; false when a password was refused.
bool fill(COptAllgemeinForm& form, const AllgemeinOptionen& o, platform::Prompter& prompter) {
    if (o.decimalSeparator >= 0)
        form.dezimaltrennzeichen = COptAllgemeinForm::kDezimaltrennzeichen[o.decimalSeparator];
    if (o.thousandsSeparator >= 0)
        form.tausendertrennzeichen =
            COptAllgemeinForm::kTausendertrennzeichen[o.thousandsSeparator];
    if (o.noGrouping)
        form.keinTausendertrennzeichen = *o.noGrouping == 1;
    if (o.protect || o.unprotect)
        form.schutz = o.protect;
    if ((o.newPassword || o.repeat) && !form.kennwortFelderAktiv())
        throw UsageError("Kennwort und Wiederholung gelten nur mit Kennwortschutz (--protect)");
    if (!takePassword(o.newPassword, form.kennwort, Field::Kennwort, form, prompter) ||
        !takePassword(o.repeat, form.wiederholung, Field::Wiederholung, form, prompter))
        return false;
    if (o.symbol)
        form.symbolNeu = *o.symbol;
    if (o.secondSymbol) {
        if (!form.dualCurrency())
            throw UsageError("--second-symbol gilt nur in Dateien mit zwei Währungen");
        form.symbol2Neu = *o.secondSymbol;
    }
    if (o.startRule)
        form.startRegel = static_cast<int32_t>(*o.startRule);
    if (o.startDate) {
        if (!form.startDatumAktiv())
            throw UsageError("--start-date gilt nur mit --start-rule 3");
        form.startDatum = *o.startDate;
    }
    if (o.endRule)
        form.endRegel = static_cast<int32_t>(*o.endRule);
    if (o.endDate) {
        if (!form.endDatumAktiv())
            throw UsageError("--end-date gilt nur mit --end-rule 2");
        form.endDatum = *o.endDate;
    }
    return true;
}

void set(options::COptionenForm& form, const std::string& setting) {
    const auto equals = setting.find('=');
    if (equals == std::string::npos)
        throw UsageError("--set erwartet NAME=WERT: " + ledger::toUtf8(setting));
    const std::string name = setting.substr(0, equals);
    options::OptionFeld* feld = form.feld(name);
    if (!feld)
        throw UsageError("Unbekannte Einstellung " + ledger::toUtf8(name) +
                         " (die Seite \"Allgemein\" hat eigene Optionen)");
    if (const auto reason = feld->set(std::string_view(setting).substr(equals + 1)))
        throw UsageError("--set " + ledger::toUtf8(name) + " " + ledger::toUtf8(*reason));
}

void line(std::ostream& out, const std::string& label, const std::string& value,
          const std::string& name = {}) {
    std::string text = "  " + options::withoutShortcut(label);
    if (!text.ends_with(':'))
        text += ':';
    text += ' ' + value;
    if (!name.empty())
        text += "  [" + name + "]";
    printLine(out, text);
}

void printAllgemein(std::ostream& out, const COptAllgemeinForm& f) {
    printLine(out, options::seitenTitel(options::Seite::Allgemein));
    line(out, "Datei mit Kennwort schützen", f.schutz ? "ja" : "nein");
    line(out, "Kennwort", f.kennwort.empty() ? "(leer)" : "(gesetzt)");
    line(out, "Dezimaltrennzeichen", std::string(1, f.dezimaltrennzeichen));
    line(out, "Tausendertrennzeichen", std::string(1, f.tausendertrennzeichen));
    line(out, "kein Tausendertrennzeichen verwenden", f.keinTausendertrennzeichen ? "ja" : "nein");
    line(out, "Währungskürzel", f.symbolBisher());
    if (f.dualCurrency())
        line(out, "Währungskürzel der zweiten Währung", f.symbol2Bisher());
    const std::string von = options::withoutShortcut(
        COptAllgemeinForm::kStartRegeln.at(static_cast<size_t>(std::clamp(f.startRegel, 0, 3))));
    line(out, "Darstellungszeitraum zu Beginn, Von",
         f.startDatumAktiv() ? von + " " + f.startDatum.text() : von);
    const std::string bis = options::withoutShortcut(
        COptAllgemeinForm::kEndRegeln.at(static_cast<size_t>(std::clamp(f.endRegel, 0, 2))));
    line(out, "Darstellungszeitraum zu Beginn, Bis",
         f.endDatumAktiv() ? bis + " " + f.endDatum.text() : bis);
}

void print(std::ostream& out, const options::COptionenForm& form) {
    printAllgemein(out, form.allgemein);
    for (const options::COptSeitenForm& seite : form.seiten) {
        printLine(out, seite.titel());
        for (const options::OptionFeld& f : seite.felder) {
            const std::string label = f.group().empty() ? f.label() : f.group() + " " + f.label();
            line(out, label, f.display(), f.name());
        }
    }
}

} // namespace

int runOptions(Arguments& args, Io& io) {
    LedgerChange change(args, io);
    const AllgemeinOptionen o = takeOptionen(args);
    const auto positionals = args.positionals(1);
    if (!change.open(positionals[0]))
        return kExitFailure;
    options::COptionenForm form(change.doc());
    if (!o.any()) {
        print(io.out, form);
        return kExitOk;
    }
    if (!fill(form.allgemein, o, change.prompter()))
        return kExitFailure;
    for (const std::string& setting : o.settings)
        set(form, setting);
    if (form.check(change.prompter()))
        return kExitFailure;
    form.apply(change.doc());
    return change.save();
}

} // namespace cli
