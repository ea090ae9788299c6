#include "bookings/buchung_regel_form.h"

#include "bookings/regel_termine.h"
#include "bookings/waehrungen.h"

#include <algorithm>
#include <limits>

namespace bookings {

namespace {

const char* const kCaption = "Regelmäßige Buchung";
const char* const kKeineBezeichnung = "Bitte geben Sie eine Bezeichnung ein!";
const char* const kKeineNummer = "Sie haben keine Buchungsnummer vorgegeben!\nSoll die Buchung "
                                 "immer ohne Buchungsnummer vorgenommen werden?";
const char* const kKeinText = "Sie haben keinen Buchungstext eingegeben!\nSoll die Buchung "
                              "immer ohne Buchungstext vorgenommen werden?";
const char* const kKontoWaehlen = "Bitte wählen Sie ein Konto aus!";
const char* const kZweiKonten = "Bitte wählen Sie zwei unterschiedliche Konten aus!";
const char* const kBetragUngueltig = "Bitte geben Sie einen gültigen Betrag ein!";
const char* const kBetragNull = "Bitte geben Sie einen Betrag ungleich Null ein!";
const char* const kIntervallUngueltig =
    "Bitte geben Sie bei der Fälligkeit eine Anzahl von mindestens 1 ein!";

constexpr std::array<int32_t, 2> kNone{-1, -1};

int32_t clampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

CBuchungRegelForm::CBuchungRegelForm(ledger::CTalwerkDoc& doc, const platform::Clock& clock)
    : doc_(doc), clock_(clock) {
    remembered_.fill(kNone);
}

void CBuchungRegelForm::start(ledger::Vorgang kind, int32_t konto1, int32_t konto2) {
    mode_.fill(doc_.settings().accountInputMode);
    remembered_.fill(kNone);
    kind_ = kind;
    remembered_[ledger::vorgangIndex(kind_)] = {konto1, konto2};
    edited_ = -1;
    bookingDate_.reset();
    locked_ = false;
    next_.reset();
    changed_ = false;
    savedIndex_ = -1;
    name.clear();
    numberTemplate = kNaechste;
    textTemplate.clear();
    notesTemplate.clear();
    dateMode = kFaelligkeitsdatum;
    counter = 1;
    currency = voreingestellteWaehrung(doc_);
    amountText = doc_.formatBetrag(0);
    intervalCount = 1;
    intervalUnit = ledger::kMonate;
    date = ledger::CNVKDatum::today(clock_);
    provisional = false;
    accountText = {};
}

void CBuchungRegelForm::openNew() {
    start(ledger::Vorgang::Einnahme, -1, -1);
    rebuildLists();
}

void CBuchungRegelForm::openFromBooking(const ledger::CTWBuchung& buchung) {
    start(buchung.kind, buchung.konto1Id, buchung.konto2Id);
    name = buchung.text;
    textTemplate = buchung.text;
    notesTemplate = buchung.notes;
    amountText = doc_.formatBetrag(buchung.amount);
    currency = buchung.currencyIndex;
    provisional = buchung.provisional != 0;
    counter = 2;
    bookingDate_ = buchung.date;
    intervalChanged();
    rebuildLists();
}

void CBuchungRegelForm::openEdit(int index) {
    const ledger::CTWBuchungRegel& regel = *doc_.rules().at(index);
    start(regel.kind, regel.konto1Id, regel.konto2Id);
    edited_ = index;
    name = regel.name;
    dateMode = regel.dateMode;
    numberTemplate = regel.numberTemplate;
    textTemplate = regel.textTemplate;
    notesTemplate = regel.notesTemplate;
    amountText = doc_.formatBetrag(regel.amount);
    currency = regel.currencyIndex;
    provisional = regel.provisional != 0;
    intervalCount = regel.intervalCount;
    intervalUnit = regel.intervalUnit;
    counter = regel.counterStart;
    date = regel.firstDate;
    locked_ = isScheduleLocked(regel);
    if (!locked_ && !regel.occurrenceStates.empty()) {
        // Every occurrence so far is done: the schedule is shown from the next one on.
        const auto k = static_cast<int64_t>(regel.occurrenceStates.size());
        counter = clampToInt32(int64_t{regel.counterStart} + k);
        date = Termine::of(regel).datum(k).value_or(ledger::CNVKDatum(ledger::CNVKDatum::kLastDay));
        next_ = Next{counter, intervalCount, intervalUnit, date};
    }
    rebuildLists();
}

std::string CBuchungRegelForm::kontoLabel(int side) const {
    return vorgangKontoLabel(kind_, side);
}

std::vector<std::string> CBuchungRegelForm::currencyNames() const {
    return waehrungsNamen(doc_);
}

std::string CBuchungRegelForm::counterLabel() const {
    return next_ ? "Nächster Zä&hler" : "Zä&hler starten mit";
}

std::string CBuchungRegelForm::dateLabel() const {
    return next_ ? "Nächste &Buchung am" : "Erste &Buchung am";
}

void CBuchungRegelForm::rememberChoices() {
    for (int side = 0; side < 2; ++side)
        remembered_[ledger::vorgangIndex(kind_)][side] =
            findEintrag(lists_[side], accountText[side]);
}

void CBuchungRegelForm::rebuildLists() {
    for (int side = 0; side < 2; ++side) {
        lists_[side] = vorgangKontoListe(doc_, kind_, side, mode_[side]);
        // Pick lists: an account that the list does not hold gives way to its first entry.
        const int32_t wanted = remembered_[ledger::vorgangIndex(kind_)][side];
        const auto it = std::find_if(lists_[side].begin(), lists_[side].end(),
                                     [wanted](const KontoEintrag& e) { return e.id == wanted; });
        if (it != lists_[side].end())
            accountText[side] = it->text;
        else
            accountText[side] = lists_[side].empty() ? std::string() : lists_[side].front().text;
    }
}

void CBuchungRegelForm::changeKind(ledger::Vorgang newKind) {
    rememberChoices();
    kind_ = newKind;
    rebuildLists();
}

void CBuchungRegelForm::stepIdentifikation(int side, int delta) {
    rememberChoices();
    mode_[side] = bookings::stepIdentifikation(mode_[side], delta);
    rebuildLists();
}

void CBuchungRegelForm::intervalChanged() {
    if (!bookingDate_)
        return;
    if (const auto next = Termine{*bookingDate_, intervalCount, intervalUnit}.datum(1))
        date = *next;
}

void CBuchungRegelForm::leaveInterval() {
    if (intervalCount == 0) {
        intervalCount = 1;
        intervalChanged();
    }
}

void CBuchungRegelForm::leaveAmount() {
    if (const std::optional<int64_t> amount = doc_.parseBetrag(amountText))
        amountText = doc_.formatBetrag(*amount);
}

const ledger::CTWKonto* CBuchungRegelForm::chosenKonto(int side) const {
    const ledger::CTWKonto* konto = KontoFinder(doc_, mode_[side]).find(accountText[side]);
    if (!konto)
        return nullptr;
    const auto& list = lists_[side];
    const bool listed = std::any_of(list.begin(), list.end(),
                                    [konto](const KontoEintrag& e) { return e.id == konto->id; });
    return listed ? konto : nullptr;
}

bool CBuchungRegelForm::nextScheduleUnchanged() const {
    return next_ && next_->counter == counter && next_->count == intervalCount &&
           next_->unit == intervalUnit && next_->date == date;
}

std::optional<CBuchungRegelForm::Field> CBuchungRegelForm::ok(platform::Prompter& prompter) {
    const auto refuse = [&](const char* message, Field field) {
        prompter.information(message, kCaption);
        return std::optional<Field>(field);
    };
    if (name.empty())
        return refuse(kKeineBezeichnung, Field::Name);
    if (numberTemplate.empty() && !prompter.askYesNo(kKeineNummer, kCaption))
        return Field::Number;
    if (textTemplate.empty() && !prompter.askYesNo(kKeinText, kCaption))
        return Field::Text;
    const ledger::CTWKonto* konto1 = chosenKonto(0);
    if (!konto1)
        return refuse(kKontoWaehlen, Field::Account1);
    const ledger::CTWKonto* konto2 = chosenKonto(1);
    if (!konto2)
        return refuse(kKontoWaehlen, Field::Account2);
    if (konto1 == konto2)
        return refuse(kZweiKonten, Field::Account1);
    const std::optional<int64_t> amount = doc_.parseBetrag(amountText);
    if (!amount)
        return refuse(kBetragUngueltig, Field::Amount);
    if (*amount == 0)
        return refuse(kBetragNull, Field::Amount);
    // A schedule that never advances would never pass a due date.
    if (!locked_ &&
        (intervalCount < 1 || intervalUnit < ledger::kTage || intervalUnit > ledger::kMonate))
        return refuse(kIntervallUngueltig, Field::Interval);

    ledger::CTWBuchungRegel regel;
    regel.name = name;
    regel.dateMode = std::clamp(dateMode, 0, 1);
    regel.numberTemplate = numberTemplate;
    regel.textTemplate = textTemplate;
    regel.kind = kind_;
    regel.konto1Id = konto1->id;
    regel.konto2Id = konto2->id;
    regel.amount = *amount;
    // A document with one currency has no second one to book in.
    regel.currencyIndex = gebuchteWaehrung(doc_, currency);
    regel.notesTemplate = notesTemplate;
    regel.provisional = provisional ? 1 : 0;
    regel.counterStart = counter;
    regel.intervalCount = intervalCount;
    regel.intervalUnit = intervalUnit;
    regel.firstDate = date;

    if (!isEditing()) {
        doc_.addBuchungRegel(std::move(regel));
        savedIndex_ = static_cast<int>(doc_.rules().size()) - 1;
    } else {
        const ledger::CTWBuchungRegel& old = *doc_.rules().at(edited_);
        if (!old.occurrenceStates.empty() && (locked_ || nextScheduleUnchanged())) {
            // The schedule and what was done in it stay.
            regel.counterStart = old.counterStart;
            regel.intervalCount = old.intervalCount;
            regel.intervalUnit = old.intervalUnit;
            regel.firstDate = old.firstDate;
            regel.occurrenceStates = old.occurrenceStates;
        }
        // Otherwise counting starts afresh at the shown date with no occurrence done.
        doc_.changeBuchungRegel(edited_, std::move(regel));
        savedIndex_ = edited_;
    }
    changed_ = true;
    return std::nullopt;
}

} // namespace bookings
