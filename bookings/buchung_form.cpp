#include "bookings/buchung_form.h"

#include "bookings/buchungsnummer.h"
#include "bookings/waehrungen.h"

#include <algorithm>
#include <unordered_map>

namespace bookings {

namespace {

const char* const kKeineNummer = "Sie haben keine Buchungsnummer eingegeben!\nMöchten Sie die "
                                 "Buchung ohne Buchungsnummer übernehmen?";
const char* const kKeinText = "Sie haben keinen Buchungstext eingegeben!\nMöchten Sie die "
                              "Buchung ohne Buchungstext übernehmen?";
const char* const kKontoWaehlen = "Bitte wählen Sie ein Konto aus!";
const char* const kZweiKonten = "Bitte wählen Sie zwei unterschiedliche Konten aus!";
const char* const kBitteBestandskonto = "Bitte wählen Sie ein Bestandskonto aus!";
const char* const kBitteEinnahmenkonto = "Bitte wählen Sie ein Einnahmenkonto aus!";
const char* const kBitteAusgabenkonto = "Bitte wählen Sie ein Ausgabenkonto aus!";
const char* const kBetragUngueltig = "Bitte geben Sie einen gültigen Betrag ein!";
const char* const kBetragNull = "Bitte geben Sie einen Betrag ungleich Null ein!";

// How many of the newest bookings the preselection of the most used accounts looks at.
constexpr int kPreselectWindow = 200;

constexpr std::array<int32_t, 2> kNone{-1, -1};

} // namespace

CBuchungForm::CBuchungForm(ledger::CTalwerkDoc& doc, const platform::Clock& clock)
    : doc_(doc), clock_(clock) {
    remembered_.fill(kNone);
}

void CBuchungForm::startRun() {
    mode_.fill(doc_.settings().accountInputMode);
    changed_ = false;
    furtherRequested_ = false;
    addedSerial_ = -1;
}

void CBuchungForm::openNew() {
    startRun();
    edited_ = -1;
    confirm_ = false;
    date = ledger::CNVKDatum::today(clock_);
    kind_ = ledger::Vorgang::Einnahme;
    number.clear();
    text.clear();
    notes.clear();
    if (auto suggestion = suggestBuchungsnummer(doc_))
        number = std::move(*suggestion);
    currency = voreingestellteWaehrung(doc_);
    remembered_.fill(kNone);
    repeat = false;
    provisional = false;
    amountText = doc_.formatBetrag(0);
    accountText = {};
    rebuildLists();
}

void CBuchungForm::openFurther() {
    // The chosen accounts of the previous run come back as the remembered ones.
    rememberChoices();
    startRun();
    number = incrementBuchungsnummer(number);
    amountText = doc_.formatBetrag(0);
    rebuildLists();
}

void CBuchungForm::openEdit(int index, bool confirm) {
    startRun();
    edited_ = index;
    confirm_ = confirm;
    const ledger::CTWBuchung& b = *doc_.bookings().at(index);
    date = b.date;
    number = b.number;
    text = b.text;
    notes = b.notes;
    kind_ = b.kind;
    currency = b.currencyIndex;
    amountText = doc_.formatBetrag(b.amount);
    remembered_.fill(kNone);
    remembered_[ledger::vorgangIndex(kind_)] = {b.konto1Id, b.konto2Id};
    repeat = false;
    provisional = !confirm && b.provisional != 0;
    accountText = {};
    rebuildLists();
}

std::string CBuchungForm::title() const {
    if (!isEditing())
        return "Neue Buchung";
    return confirm_ ? "Buchung bearbeiten (bestätigen)" : "Buchung bearbeiten";
}

std::string CBuchungForm::caption() const {
    return isEditing() ? "Buchung bearbeiten" : "Neue Buchung";
}

std::vector<std::string> CBuchungForm::currencyNames() const {
    return waehrungsNamen(doc_);
}

bool CBuchungForm::numberEnabled() const {
    return doc_.settings().disableNumberField == 0;
}

bool CBuchungForm::currencyEnabled() const {
    return doc_.settings().disableCurrencyField == 0;
}

bool CBuchungForm::notesEnabled() const {
    return doc_.settings().disableNotesField == 0;
}

std::string CBuchungForm::statusText() const {
    if (repeat && provisional)
        return "Vorläufige Buchung (regelmäßig)";
    if (repeat)
        return "Buchung regelmäßig ausführen";
    if (provisional)
        return "Vorläufige Buchung";
    return {};
}

std::string CBuchungForm::kontoLabel(int side) const {
    return vorgangKontoLabel(kind_, side);
}

const ledger::CTWKonto* CBuchungForm::listedKonto(int side) const {
    return doc_.findKonto(findEintrag(lists_[side], accountText[side]));
}

std::array<std::string, 3> CBuchungForm::kontoInfo(int side) const {
    std::array<std::string, 3> info;
    const ledger::CTWKonto* konto = listedKonto(side);
    if (!konto)
        return info;
    const std::string nummer = kontoText(*konto, kKontonummer);
    switch (mode_[side]) {
    case kKontonummer:
        info = {konto->name, konto->abbreviation, {}};
        break;
    case kAbkuerzung:
        info = {konto->name, nummer, {}};
        break;
    default:
        info = {konto->abbreviation, nummer, {}};
        break;
    }
    if (konto->isAsset())
        info[2] = waehrungsName(doc_, konto->currencyIndexAt(date));
    return info;
}

std::string CBuchungForm::amountInfo() const {
    const std::optional<int64_t> amount = doc_.parseBetrag(amountText);
    if (!amount)
        return {};
    std::string info = "= " + doc_.formatBetrag(*amount) + " " + waehrungsName(doc_, currency);
    const bool hideConverted =
        currency == ledger::WaehrungsIndex::Zweite && doc_.settings().noNationalAmountOfEuro != 0;
    if (doc_.settings().dualCurrency != 0 && !hideConverted) {
        const ledger::WaehrungsBetrag other = doc_.convertBetrag(*amount, currency);
        info += " / " + doc_.formatBetrag(other.amount) + " " +
                waehrungsName(doc_, other.currencyIndex);
    }
    return info;
}

void CBuchungForm::rememberChoices() {
    for (int side = 0; side < 2; ++side)
        remembered_[ledger::vorgangIndex(kind_)][side] =
            findEintrag(lists_[side], accountText[side]);
}

void CBuchungForm::rebuildLists() {
    for (int side = 0; side < 2; ++side) {
        lists_[side] = vorgangKontoListe(doc_, kind_, side, mode_[side]);
        preselect(side);
    }
}

void CBuchungForm::preselect(int side) {
    accountText[side].clear();
    if (const ledger::CTWKonto* konto =
            doc_.findKonto(remembered_[ledger::vorgangIndex(kind_)][side])) {
        accountText[side] = kontoText(*konto, mode_[side]);
        return;
    }
    if (doc_.settings().preselectMostUsedAccounts != 0) {
        std::unordered_map<int32_t, int> uses;
        const int count = static_cast<int>(doc_.bookings().size());
        for (int i = count - 1; i >= std::max(count - kPreselectWindow, 0); --i) {
            const ledger::CTWBuchung& b = *doc_.bookings()[i];
            if (b.kind == kind_)
                ++uses[side == 0 ? b.konto1Id : b.konto2Id];
        }
        const ledger::CTWKonto* best = nullptr;
        int bestUses = 0;
        for (const auto& konto : doc_.accounts()) {
            const auto it = uses.find(konto->id);
            if (it != uses.end() && it->second > bestUses) {
                best = konto;
                bestUses = it->second;
            }
        }
        // Only an account of the side's list can be chosen there.
        if (best && std::any_of(lists_[side].begin(), lists_[side].end(),
                                [&](const KontoEintrag& e) { return e.id == best->id; })) {
            accountText[side] = kontoText(*best, mode_[side]);
            return;
        }
    }
    if (!lists_[side].empty())
        accountText[side] = lists_[side].front().text;
}

void CBuchungForm::changeKind(ledger::Vorgang newKind) {
    rememberChoices();
    kind_ = newKind;
    rebuildLists();
}

void CBuchungForm::stepIdentifikation(int side, int delta) {
    // The chosen accounts are kept across the step.
    rememberChoices();
    mode_[side] = bookings::stepIdentifikation(mode_[side], delta);
    rebuildLists();
}

void CBuchungForm::leaveAmount() {
    if (const std::optional<int64_t> amount = doc_.parseBetrag(amountText))
        amountText = doc_.formatBetrag(*amount);
}

CBuchungForm::KontoVorgabe CBuchungForm::newAccountPreset(int side) const {
    if (kind_ == ledger::Vorgang::Umbuchung)
        return {ledger::KontoArt::Bestandskonto, true};
    if (side == 0)
        return {ledger::KontoArt::Bestandskonto, false};
    return {ledger::gegenkontoArt(kind_), false};
}

void CBuchungForm::accountCreated(int side, int32_t accountId) {
    rememberChoices();
    remembered_[ledger::vorgangIndex(kind_)][side] = accountId;
    rebuildLists();
    changed_ = true;
}

void CBuchungForm::optionsApplied(bool numberSourceChanged) {
    rememberChoices();
    mode_.fill(doc_.settings().accountInputMode);
    if (numberSourceChanged)
        if (auto suggestion = suggestBuchungsnummer(doc_))
            number = std::move(*suggestion);
    rebuildLists();
    changed_ = true;
}

void CBuchungForm::takeFromBooking(const ledger::CTWBuchung& buchung, bool kindAndAccounts,
                                   bool amountAndCurrency, bool takeNotes) {
    text = buchung.text;
    if (kindAndAccounts) {
        rememberChoices();
        kind_ = buchung.kind;
        remembered_[ledger::vorgangIndex(kind_)] = {buchung.konto1Id, buchung.konto2Id};
        rebuildLists();
    }
    if (amountAndCurrency) {
        amountText = doc_.formatBetrag(buchung.amount);
        currency = buchung.currencyIndex;
    }
    if (takeNotes)
        notes = buchung.notes;
}

std::optional<CBuchungForm::Field> CBuchungForm::check(platform::Prompter& prompter,
                                                       ledger::CTWBuchung& out) {
    const std::string cap = caption();
    const auto refuse = [&](const char* message, Field field) {
        prompter.information(message, cap);
        return std::optional<Field>(field);
    };
    if (number.empty() && doc_.settings().noAskMissingNumber == 0 &&
        !prompter.askYesNo(kKeineNummer, cap)) {
        if (!numberEnabled())
            number = std::to_string(static_cast<int64_t>(doc_.settings().nextBookingSerial) + 1);
        return Field::Number;
    }
    if (text.empty() && doc_.settings().noAskMissingText == 0 && !prompter.askYesNo(kKeinText, cap))
        return Field::Text;

    const ledger::CTWKonto* konto1 = KontoFinder(doc_, mode_[0]).find(accountText[0]);
    if (!konto1)
        return refuse(kKontoWaehlen, Field::Account1);
    const ledger::CTWKonto* konto2 = KontoFinder(doc_, mode_[1]).find(accountText[1]);
    if (!konto2)
        return refuse(kKontoWaehlen, Field::Account2);
    if (konto1 == konto2)
        return refuse(kZweiKonten, Field::Account1);
    if (kind_ != ledger::Vorgang::Umbuchung && !konto1->isAsset())
        return refuse(kBitteBestandskonto, Field::Account1);
    if (kind_ == ledger::Vorgang::Einnahme && konto2->kind != ledger::KontoArt::Einnahmenkonto)
        return refuse(kBitteEinnahmenkonto, Field::Account2);
    if (kind_ == ledger::Vorgang::Ausgabe && konto2->kind != ledger::KontoArt::Ausgabenkonto)
        return refuse(kBitteAusgabenkonto, Field::Account2);

    const std::optional<int64_t> amount = doc_.parseBetrag(amountText);
    if (!amount)
        return refuse(kBetragUngueltig, Field::Amount);
    if (*amount == 0)
        return refuse(kBetragNull, Field::Amount);

    out = ledger::CTWBuchung{};
    out.date = date;
    out.number = number;
    out.text = text;
    out.kind = kind_;
    out.konto1Id = konto1->id;
    out.konto2Id = konto2->id;
    out.amount = *amount;
    // A document with one currency has no second one to book in.
    out.currencyIndex = gebuchteWaehrung(doc_, currency);
    out.notes = notes;
    out.provisional = provisional ? 1 : 0;
    return std::nullopt;
}

void CBuchungForm::save(ledger::CTWBuchung buchung) {
    // The changed booking takes the serial of the one it replaces and so keeps its place in
    // the order of entry.
    const int index = isEditing() ? doc_.replaceBuchung(edited_, std::move(buchung))
                                  : doc_.addBuchung(std::move(buchung));
    addedSerial_ = doc_.bookings()[index]->serial;
    changed_ = true;
}

std::optional<CBuchungForm::Field> CBuchungForm::ok(platform::Prompter& prompter) {
    ledger::CTWBuchung buchung;
    if (const auto failed = check(prompter, buchung))
        return failed;
    // Nothing changes before every check has passed.
    save(std::move(buchung));
    return std::nullopt;
}

std::optional<CBuchungForm::Field> CBuchungForm::further(platform::Prompter& prompter) {
    if (isEditing())
        return ok(prompter);
    ledger::CTWBuchung buchung;
    if (const auto failed = check(prompter, buchung))
        return failed;
    save(std::move(buchung));
    furtherRequested_ = true;
    return std::nullopt;
}

} // namespace bookings
