#include "bookings/faellige_buchungen_form.h"

#include "bookings/buchung_form.h"
#include "bookings/buchungsnummer.h"
#include "bookings/regel_termine.h"
#include "bookings/waehrungen.h"
#include "ledger/win1252.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace bookings {

// The document keeps the sort order of the list in setting 75; a value outside the four
// orders (a new document carries 4) shows the first order.

namespace {

const char* const kAusfuehren = "Möchten Sie die markierten Buchungen ausführen?";
const char* const kLoeschen = "Möchten Sie die markierten fälligen Buchungen löschen?";
const char* const kKontoFehlt = "Fällige Buchungen, deren Konto nicht mehr besteht, wurden nicht "
                                "ausgeführt.";
const char* const kUnmarkiert = "???";

int compareDates(const ledger::CNVKDatum& a, const ledger::CNVKDatum& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The three keys of a sort order in priority.
int compareRows(const ledger::CTWBuchungPrep& a, const ledger::CTWBuchungPrep& b, int order) {
    const int due = compareDates(a.dueDate, b.dueDate);
    const int date = compareDates(a.bookingDate, b.bookingDate);
    const auto name = [&] { return ledger::compareNoCase(a.name, b.name); };
    int c = 0;
    switch (order) {
    case kNachDatum:
        if ((c = date) != 0 || (c = name()) != 0)
            return c;
        return due;
    case kNachBezeichnungFaelligkeit:
        if ((c = name()) != 0 || (c = due) != 0)
            return c;
        return date;
    case kNachBezeichnungDatum:
        if ((c = name()) != 0 || (c = date) != 0)
            return c;
        return due;
    default:
        if ((c = due) != 0 || (c = name()) != 0)
            return c;
        return date;
    }
}

} // namespace

CFaelligeBuchungenForm::CFaelligeBuchungenForm(ledger::CTalwerkDoc& doc,
                                               const platform::Clock& clock)
    : doc_(doc), clock_(clock) {}

void CFaelligeBuchungenForm::open() {
    dueUntil = bookingDate = ledger::CNVKDatum::today(clock_);
    firstNumber.clear();
    suggestFirstNumber();
    rebuild();
}

void CFaelligeBuchungenForm::suggestFirstNumber() {
    if (auto suggestion = suggestBuchungsnummer(doc_))
        firstNumber = std::move(*suggestion);
}

int CFaelligeBuchungenForm::sortOrder() const {
    const int32_t order = doc_.settings().reserved75;
    return order >= kNachFaelligkeit && order <= kNachBezeichnungDatum ? order : kNachFaelligkeit;
}

void CFaelligeBuchungenForm::storeSetting(int32_t ledger::CTWEinstellungen::*setting,
                                          int32_t value) {
    if (doc_.settings().*setting == value)
        return;
    doc_.changeSettings([&](ledger::CTWEinstellungen& s) { s.*setting = value; });
    changed_ = true;
}

void CFaelligeBuchungenForm::setSortOrder(int order) {
    if (order < kNachFaelligkeit || order > kNachBezeichnungDatum)
        return;
    storeSetting(&ledger::CTWEinstellungen::reserved75, order);
    rebuild();
}

void CFaelligeBuchungenForm::rebuild() {
    rows_.clear();
    const int32_t marked = doc_.settings().markNewDueBookings != 0 ? 1 : 0;
    for (size_t r = 0; r < doc_.rules().size(); ++r) {
        const ledger::CTWBuchungRegel& regel = *doc_.rules()[r];
        const Termine termine = Termine::of(regel);
        const ledger::CTWKonto* konto1 = doc_.findKonto(regel.konto1Id);
        const ledger::CTWKonto* konto2 = doc_.findKonto(regel.konto2Id);
        // The occurrences done are skipped without computing their dates, so a long history
        // costs one byte test per occurrence.
        for (int64_t k = 0;; ++k) {
            if (!isOpen(regel, k))
                continue;
            const std::optional<ledger::CNVKDatum> due = termine.datum(k);
            if (!due || dueUntil < *due)
                break;
            ledger::CTWBuchungPrep& row = rows_.emplace_back();
            row.name = regel.name;
            row.dueDate = *due;
            row.bookingDate = regel.dateMode == 1 ? bookingDate : *due;
            row.number = replaceAll(regel.numberTemplate, kZaehler,
                                    std::to_string(int64_t{regel.counterStart} + k));
            row.text = expandDatum(regel.textTemplate, *due);
            row.notes = expandDatum(regel.notesTemplate, *due);
            row.kind = regel.kind;
            row.konto1 = konto1;
            row.konto2 = konto2;
            row.amount = regel.amount;
            row.currencyIndex = regel.currencyIndex;
            row.occurrenceIndex = static_cast<int32_t>(k);
            row.ruleIndex = static_cast<int32_t>(r);
            row.provisional = regel.provisional;
            row.marked = marked;
            row.regel = &regel;
        }
    }
    sortRows();
    numberRows();
}

void CFaelligeBuchungenForm::sortRows() {
    // The order of a selection sort that exchanges the first strictly smallest row of the rest
    // into each place (rows with equal keys may change their order), in O(n log n): the rows
    // are ranked by their keys, and a set ordered by rank and place always yields the first
    // place of the smallest rank among the places not yet filled.
    const size_t n = rows_.size();
    const int order = sortOrder();
    std::vector<size_t> byKey(n);
    std::iota(byKey.begin(), byKey.end(), size_t{0});
    std::stable_sort(byKey.begin(), byKey.end(), [&](size_t a, size_t b) {
        return compareRows(rows_[a], rows_[b], order) < 0;
    });
    std::vector<size_t> rank(n);
    for (size_t i = 0; i < n; ++i) {
        const bool tie = i > 0 && compareRows(rows_[byKey[i - 1]], rows_[byKey[i]], order) == 0;
        rank[byKey[i]] = tie ? rank[byKey[i - 1]] : i;
    }
    std::vector<size_t> atPlace(n); // row at each place
    std::iota(atPlace.begin(), atPlace.end(), size_t{0});
    std::set<std::pair<size_t, size_t>> open; // (rank, place)
    for (size_t p = 0; p < n; ++p)
        open.emplace(rank[p], p);
    for (size_t p = 0; p < n; ++p) {
        const size_t smallest = open.begin()->second;
        open.erase(open.begin());
        if (smallest != p) {
            // The row at p moves to the place the smallest one leaves.
            open.erase({rank[atPlace[p]], p});
            open.emplace(rank[atPlace[p]], smallest);
            std::swap(atPlace[p], atPlace[smallest]);
        }
    }
    std::vector<ledger::CTWBuchungPrep> sorted;
    sorted.reserve(n);
    for (const size_t row : atPlace)
        sorted.push_back(std::move(rows_[row]));
    rows_ = std::move(sorted);
}

void CFaelligeBuchungenForm::numberRows() {
    std::string next = firstNumber;
    for (ledger::CTWBuchungPrep& row : rows_) {
        if (row.number.find(kNaechste) == std::string::npos) {
            row.shownNumber = row.number;
        } else if (row.marked == 0) {
            row.shownNumber = replaceAll(row.number, kNaechste, kUnmarkiert);
        } else {
            row.shownNumber = replaceAll(row.number, kNaechste, next);
            next = incrementBuchungsnummer(next);
        }
    }
}

std::string CFaelligeBuchungenForm::cellText(int row, int column) const {
    const ledger::CTWBuchungPrep& p = rows_.at(static_cast<size_t>(row));
    switch (column) {
    case kSpalteBezeichnung:
        return p.name;
    case kSpalteFaellig:
        return p.dueDate.text();
    case kSpalteDatum:
        return p.bookingDate.text();
    case kSpalteNummer:
        return p.shownNumber;
    case kSpalteText:
        return p.text;
    case kSpalteVorgang:
        return kVorgangNamen[static_cast<size_t>(ledger::vorgangIndex(p.kind))];
    case kSpalteKonto1:
        return p.konto1 ? p.konto1->name : std::string();
    case kSpalteKonto2:
        return p.konto2 ? p.konto2->name : std::string();
    case kSpalteBetrag:
        return doc_.formatBetrag(p.amount);
    case kSpalteWaehrung:
        return waehrungsName(doc_, p.currencyIndex);
    case kSpalteNotizen:
        return p.notes;
    default:
        return {};
    }
}

void CFaelligeBuchungenForm::setMarked(int row, bool marked) {
    rows_.at(static_cast<size_t>(row)).marked = marked ? 1 : 0;
    numberRows();
}

void CFaelligeBuchungenForm::markAll(bool marked) {
    storeSetting(&ledger::CTWEinstellungen::markNewDueBookings, marked ? 1 : 0);
    for (ledger::CTWBuchungPrep& row : rows_)
        row.marked = marked ? 1 : 0;
    numberRows();
}

bool CFaelligeBuchungenForm::anyMarked() const {
    return std::any_of(rows_.begin(), rows_.end(),
                       [](const ledger::CTWBuchungPrep& row) { return row.marked != 0; });
}

void CFaelligeBuchungenForm::optionsApplied(bool numberSourceChanged) {
    doc_.setModified();
    changed_ = true;
    if (numberSourceChanged)
        suggestFirstNumber();
    rebuild();
}

bool CFaelligeBuchungenForm::execute(platform::Prompter& prompter) {
    if (!anyMarked())
        return false;
    if (doc_.settings().confirmDueBookings != 0 && !prompter.askYesNo(kAusfuehren, kCaption))
        return false;
    bool skipped = false;
    std::vector<ledger::CTWBuchung> bookings;
    for (const ledger::CTWBuchungPrep& row : rows_) {
        if (row.marked == 0)
            continue;
        if (!row.konto1 || !row.konto2) {
            skipped = true;
            continue;
        }
        ledger::CTWBuchung b;
        b.serial = -1;
        b.date = row.bookingDate;
        b.kind = row.kind;
        b.konto1Id = row.konto1->id;
        b.konto2Id = row.konto2->id;
        b.amount = row.amount;
        b.currencyIndex = row.currencyIndex;
        b.number = row.shownNumber;
        b.text = row.text;
        b.notes = row.notes;
        b.provisional = row.regel->provisional;
        bookings.push_back(std::move(b));
        doc_.setVorkommen(row.ruleIndex, row.occurrenceIndex, ledger::kAusgefuehrt);
    }
    const bool booked = !bookings.empty();
    // All in one pass over the list: adding one by one would move the bookings after each.
    doc_.addBuchungen(std::move(bookings));
    if (booked) {
        changed_ = true;
        suggestFirstNumber();
    }
    rebuild();
    if (skipped)
        prompter.information(kKontoFehlt, kCaption);
    return booked;
}

bool CFaelligeBuchungenForm::deleteMarked(platform::Prompter& prompter) {
    if (!anyMarked())
        return false;
    if (doc_.settings().confirmDueBookings != 0 && !prompter.askYesNo(kLoeschen, kCaption))
        return false;
    for (const ledger::CTWBuchungPrep& row : rows_)
        if (row.marked != 0)
            doc_.setVorkommen(row.ruleIndex, row.occurrenceIndex, ledger::kGeloescht);
    changed_ = true;
    rebuild();
    return true;
}

} // namespace bookings
