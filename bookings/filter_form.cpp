#include "bookings/filter_form.h"

#include "bookings/waehrungen.h"

#include <algorithm>

namespace bookings {

namespace {

const char* const kUndNurMitEnthaelt = "Die Verwendung von \"UND\" zur Verknüpfung mehrerer "
                                       "Begriffe ist nur in Verbindung mit \"enthält\" zulässig!";
const char* const kUndOderGemischt =
    "Verwenden Sie entweder \"UND\" oder \"ODER\" zur Verknüpfung mehrerer Begriffe!";

bool contains(const std::string& text, const char* word) {
    return text.find(word) != std::string::npos;
}

// The message a pattern gets on OK, or nullptr when it may be used.
const char* patternProblem(const std::string& pattern, int mode) {
    if (contains(pattern, "UND") && mode != ledger::kEnthaelt)
        return kUndNurMitEnthaelt;
    if (contains(pattern, "UND") && contains(pattern, "ODER"))
        return kUndOderGemischt;
    return nullptr;
}

} // namespace

CFilterForm::CFilterForm(const ledger::CTalwerkDoc& doc, int index)
    : doc_(doc), index_(index), mode_(doc.settings().accountInputMode) {
    const ledger::CTWBuchungsFilterNeu& f = *doc.filters().at(index);
    name = f.name;
    numberOn = f.numberConditionOn != 0;
    numberFrom = f.numberFrom;
    numberTo = f.numberTo;
    textOn = f.textConditionOn != 0;
    textMode = f.textMode;
    textPattern = f.textPattern;
    kindOn = f.kindConditionOn != 0;
    kind = f.kind;
    accountOn = f.accountConditionOn != 0;
    accountId = f.accountId;
    amountOn = f.amountConditionOn != 0;
    amountFrom = doc.formatBetrag(f.amountFrom);
    amountTo = doc.formatBetrag(f.amountTo);
    amountCurrency = f.amountCurrency;
    currencyOn = f.currencyConditionOn != 0;
    currency = f.currency;
    notesOn = f.notesConditionOn != 0;
    notesMode = f.notesMode;
    notesPattern = f.notesPattern;
    onlyProvisional = f.provisionalMode == ledger::kNurVorlaeufige;
    withoutProvisional = f.provisionalMode == ledger::kOhneVorlaeufige;
    stepIdentifikation(0);
}

std::vector<std::string> CFilterForm::amountCurrencyNames() const {
    return waehrungsNamen(doc_);
}

std::vector<std::string> CFilterForm::currencyConditionNames() const {
    std::vector<std::string> names = waehrungsNamen(doc_);
    for (std::string& n : names)
        n = "nur " + n;
    return names;
}

void CFilterForm::stepIdentifikation(int delta) {
    mode_ = bookings::stepIdentifikation(mode_, delta);
    list_ = buildKontoListe(doc_, mode_, [](const ledger::CTWKonto&) { return true; });
}

void CFilterForm::setOnlyProvisional(bool on) {
    onlyProvisional = on;
    if (on)
        withoutProvisional = false;
}

void CFilterForm::setWithoutProvisional(bool on) {
    withoutProvisional = on;
    if (on)
        onlyProvisional = false;
}

void CFilterForm::leaveAmount(std::string& amountText) const {
    if (const std::optional<int64_t> amount = doc_.parseBetrag(amountText))
        amountText = doc_.formatBetrag(*amount);
}

std::optional<CFilterForm::Field> CFilterForm::ok(ledger::CTalwerkDoc& doc,
                                                  platform::Prompter& prompter) const {
    if (textOn)
        if (const char* problem = patternProblem(textPattern, textMode)) {
            prompter.information(problem, kCaption);
            return Field::TextPattern;
        }
    if (notesOn)
        if (const char* problem = patternProblem(notesPattern, notesMode)) {
            prompter.information(problem, kCaption);
            return Field::NotesPattern;
        }

    ledger::CTWBuchungsFilterNeu f = *doc.filters().at(index_);
    f.name = name;
    f.numberConditionOn = numberOn;
    f.numberFrom = numberFrom;
    f.numberTo = numberTo;
    f.textConditionOn = textOn;
    f.textMode = textMode;
    f.textPattern = textPattern;
    f.kindConditionOn = kindOn;
    f.kind = kind;
    f.accountConditionOn = accountOn;
    const bool listed = std::any_of(list_.begin(), list_.end(),
                                    [&](const KontoEintrag& e) { return e.id == accountId; });
    f.accountId = listed ? accountId : -1;
    f.amountConditionOn = amountOn;
    f.amountFrom = doc.parseBetrag(amountFrom).value_or(0);
    f.amountTo = doc.parseBetrag(amountTo).value_or(0);
    f.amountCurrency = amountCurrency;
    f.currencyConditionOn = currencyOn;
    f.currency = currency;
    f.notesConditionOn = notesOn;
    f.notesMode = notesMode;
    f.notesPattern = notesPattern;
    f.provisionalMode = onlyProvisional      ? ledger::kNurVorlaeufige
                        : withoutProvisional ? ledger::kOhneVorlaeufige
                                             : ledger::kAlleBuchungen;
    doc.changeFilter(index_, std::move(f));
    return std::nullopt;
}

} // namespace bookings
