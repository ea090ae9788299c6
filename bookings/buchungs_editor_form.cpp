#include "bookings/buchungs_editor_form.h"

#include "bookings/buchung_form.h"
#include "bookings/konto_ident.h"
#include "bookings/massenaenderung.h"
#include "bookings/waehrungen.h"
#include "ledger/filter_match.h"
#include "ledger/win1252.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace bookings {

namespace {

using ledger::CNVKDatum;
using ledger::CTWBuchung;
using ledger::CTWKonto;

// The rank of every account under the order of the account columns: name or abbreviation
// ignoring case, or number, as "Konteneingabe" shows the accounts. Equal keys share a rank.
std::unordered_map<int32_t, int> kontoRaenge(const ledger::CTalwerkDoc& doc, int mode) {
    std::vector<const CTWKonto*> konten(doc.accounts().begin(), doc.accounts().end());
    const auto compare = [mode](const CTWKonto& a, const CTWKonto& b) {
        if (mode == kKontonummer) {
            const auto na = static_cast<uint32_t>(a.number), nb = static_cast<uint32_t>(b.number);
            return na < nb ? -1 : (na > nb ? 1 : 0);
        }
        return ledger::compareNoCase(kontoText(a, mode), kontoText(b, mode));
    };
    std::sort(konten.begin(), konten.end(),
              [&](const CTWKonto* a, const CTWKonto* b) { return compare(*a, *b) < 0; });
    std::unordered_map<int32_t, int> ranks;
    int rank = 0;
    for (size_t i = 0; i < konten.size(); ++i) {
        if (i > 0 && compare(*konten[i - 1], *konten[i]) != 0)
            ++rank;
        ranks.emplace(konten[i]->id, rank);
    }
    return ranks;
}

// The rank of every distinct text under the case-insensitive order; texts equal but for case
// share a rank. Sorting the few distinct texts once and the rows by rank is far cheaper than
// comparing the texts of 100 000 rows with each other.
std::unordered_map<std::string_view, int> textRaenge(const std::vector<std::string_view>& texts) {
    const std::unordered_set<std::string_view> unique(texts.begin(), texts.end());
    std::vector<std::string_view> distinct(unique.begin(), unique.end());
    std::sort(distinct.begin(), distinct.end(), [](std::string_view a, std::string_view b) {
        return ledger::compareNoCase(a, b) < 0;
    });
    std::unordered_map<std::string_view, int> ranks;
    int rank = 0;
    for (size_t i = 0; i < distinct.size(); ++i) {
        if (i > 0 && ledger::compareNoCase(distinct[i - 1], distinct[i]) != 0)
            ++rank;
        ranks.emplace(distinct[i], rank);
    }
    return ranks;
}

template <class T> int compareValues(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

CBuchungsEditorForm::CBuchungsEditorForm(ledger::CTalwerkDoc& doc, const platform::Clock& clock)
    : doc_(doc), clock_(clock) {}

void CBuchungsEditorForm::open() {
    const CNVKDatum today = CNVKDatum::today(clock_);
    int day, month, year;
    today.get(day, month, year);
    from_ = CNVKDatum::fromCalendar(1, month, year).value_or(today);
    to_ = CNVKDatum::fromCalendar(CNVKDatum::daysInMonth(month, year), month, year)
              .value_or(CNVKDatum(CNVKDatum::kLastDay));
    filter_ = 0;
    sortColumn_ = kEdDatum;
    descending_ = false;
    selectedSerial_ = -1;
    rebuild();
}

// --- Range, filter and sort ---

void CBuchungsEditorForm::setFrom(const CNVKDatum& date) {
    from_ = std::clamp(date, CNVKDatum(CNVKDatum::kFirstDay), to_);
    rebuild();
}

void CBuchungsEditorForm::setTo(const CNVKDatum& date) {
    to_ = std::clamp(date, from_, CNVKDatum(CNVKDatum::kLastDay));
    rebuild();
}

void CBuchungsEditorForm::setRange(const CNVKDatum& from, const CNVKDatum& to) {
    from_ = std::clamp(from, CNVKDatum(CNVKDatum::kFirstDay), CNVKDatum(CNVKDatum::kLastDay));
    to_ = std::clamp(to, from_, CNVKDatum(CNVKDatum::kLastDay));
    rebuild();
}

std::vector<std::string> CBuchungsEditorForm::filterNames() const {
    std::vector<std::string> names{kKeinFilter};
    for (const auto* filter : doc_.filters()) {
        if (names.size() > static_cast<size_t>(kFilterAuswahl))
            break;
        names.push_back(filter->name);
    }
    return names;
}

void CBuchungsEditorForm::setFilterChoice(int choice) {
    const int offered = static_cast<int>(filterNames().size());
    filter_ = choice >= 0 && choice < offered ? choice : 0;
    rebuild();
}

void CBuchungsEditorForm::setSort(int column, bool descending) {
    sortColumn_ = std::clamp(column, 0, static_cast<int>(kEditorSpalten.size()) - 1);
    descending_ = descending;
    rebuild();
}

void CBuchungsEditorForm::headerClicked(int column) {
    setSort(column, column == sortColumn_ ? !descending_ : false);
}

// --- The list ---

void CBuchungsEditorForm::rebuild() {
    kontoModus_ = doc_.settings().accountInputMode;
    konten_.clear();
    for (const CTWKonto* k : doc_.accounts())
        konten_.emplace(k->id, k);

    const auto bookings = doc_.bookings();
    const ledger::CTWBuchungsFilterNeu* filter =
        filter_ > 0 && filter_ <= static_cast<int>(doc_.filters().size())
            ? doc_.filters()[filter_ - 1]
            : nullptr;
    // The bookings are in date order: the range is one stretch of the list.
    const auto first =
        std::lower_bound(bookings.begin(), bookings.end(), from_,
                         [](const CTWBuchung* b, const CNVKDatum& d) { return b->date < d; });
    const auto last =
        std::upper_bound(first, bookings.end(), to_,
                         [](const CNVKDatum& d, const CTWBuchung* b) { return d < b->date; });
    shown_.clear();
    shown_.reserve(static_cast<size_t>(last - first));
    for (auto it = first; it != last; ++it)
        if (!filter || ledger::filterAccepts(doc_, **it, *filter))
            shown_.push_back(static_cast<int>(it - bookings.begin()));
    sortShown();

    selectedRow_ = -1;
    if (selectedSerial_ >= 0)
        for (int row = 0; row < rowCount(); ++row)
            if (buchung(row).serial == selectedSerial_) {
                selectedRow_ = row;
                break;
            }
    if (selectedRow_ < 0)
        selectedSerial_ = -1;
}

void CBuchungsEditorForm::sortShown() {
    const auto bookings = doc_.bookings();
    // Sorted ascending and stably, so that equal entries keep their document order; the
    // descending order is that list backwards, tie-break included.
    const auto by = [&](auto compare) {
        std::stable_sort(shown_.begin(), shown_.end(),
                         [&](int a, int b) { return compare(*bookings[a], *bookings[b]) < 0; });
    };
    // Keys that are costly to compare become a rank per listed booking first.
    const auto byRank = [&](auto rankOf) {
        std::vector<int> rank(bookings.size());
        for (const int index : shown_)
            rank[static_cast<size_t>(index)] = rankOf(*bookings[index]);
        std::stable_sort(shown_.begin(), shown_.end(), [&](int a, int b) {
            return rank[static_cast<size_t>(a)] < rank[static_cast<size_t>(b)];
        });
    };
    switch (sortColumn_) {
    case kEdDatum:
        break; // the document's order is the date order
    case kEdNummer: {
        // Plain numbers compare as numbers (the comparison is no order when they meet other
        // numbers, so it stays pairwise); the number of each booking is read once.
        std::vector<std::optional<uint32_t>> plain(bookings.size());
        for (const int index : shown_)
            plain[static_cast<size_t>(index)] = ledger::parseDigitsStrict(bookings[index]->number);
        std::stable_sort(shown_.begin(), shown_.end(), [&](int a, int b) {
            const auto& na = plain[static_cast<size_t>(a)];
            const auto& nb = plain[static_cast<size_t>(b)];
            if (na && nb)
                return *na < *nb;
            return ledger::collate(bookings[a]->number, bookings[b]->number) < 0;
        });
        break;
    }
    case kEdText:
    case kEdNotizen: {
        const auto field = sortColumn_ == kEdText ? &CTWBuchung::text : &CTWBuchung::notes;
        std::vector<std::string_view> texts;
        texts.reserve(shown_.size());
        for (const int index : shown_)
            texts.push_back(bookings[index]->*field);
        const auto ranks = textRaenge(texts);
        byRank([&](const CTWBuchung& b) { return ranks.at(b.*field); });
        break;
    }
    case kEdVorgang:
        by([](const CTWBuchung& a, const CTWBuchung& b) { return compareValues(a.kind, b.kind); });
        break;
    case kEdKonto1:
    case kEdKonto2: {
        // A booking whose account does not exist sorts before every account.
        const auto ranks = kontoRaenge(doc_, kontoModus_);
        const auto side = sortColumn_ == kEdKonto1 ? &CTWBuchung::konto1Id : &CTWBuchung::konto2Id;
        byRank([&](const CTWBuchung& b) {
            const auto it = ranks.find(b.*side);
            return it == ranks.end() ? -1 : it->second;
        });
        break;
    }
    case kEdBetrag:
        by([](const CTWBuchung& a, const CTWBuchung& b) {
            return compareValues(a.amount, b.amount);
        });
        break;
    case kEdWaehrung:
        by([](const CTWBuchung& a, const CTWBuchung& b) {
            return compareValues(a.currencyIndex, b.currencyIndex);
        });
        break;
    case kEdVorlaeufig:
        by([](const CTWBuchung& a, const CTWBuchung& b) {
            return compareValues(b.provisional != 0, a.provisional != 0);
        });
        break;
    }
    if (descending_)
        std::reverse(shown_.begin(), shown_.end());
}

const CTWBuchung& CBuchungsEditorForm::buchung(int row) const {
    return *doc_.bookings()[shown_[static_cast<size_t>(row)]];
}

const CTWKonto* CBuchungsEditorForm::konto(int32_t id) const {
    const auto it = konten_.find(id);
    return it == konten_.end() ? nullptr : it->second;
}

std::string CBuchungsEditorForm::kontoCell(int32_t id) const {
    const CTWKonto* k = konto(id);
    return k ? kontoText(*k, kontoModus_) : std::string();
}

std::string CBuchungsEditorForm::cellText(int row, int column) const {
    const CTWBuchung& b = buchung(row);
    switch (column) {
    case kEdDatum:
        return b.date.text();
    case kEdNummer:
        return b.number;
    case kEdText:
        return b.text;
    case kEdVorgang:
        return kVorgangNamen[static_cast<size_t>(ledger::vorgangIndex(b.kind))];
    case kEdKonto1:
        return kontoCell(b.konto1Id);
    case kEdKonto2:
        return kontoCell(b.konto2Id);
    case kEdBetrag:
        return doc_.formatBetrag(b.amount);
    case kEdWaehrung:
        return waehrungsName(doc_, b.currencyIndex);
    case kEdVorlaeufig:
        return b.provisional != 0 ? "V" : "";
    case kEdNotizen:
        return b.notes;
    default:
        return {};
    }
}

std::string CBuchungsEditorForm::countText() const {
    return std::to_string(rowCount());
}

// --- Selection ---

void CBuchungsEditorForm::select(int row) {
    if (row < 0 || row >= rowCount()) {
        selectedRow_ = -1;
        selectedSerial_ = -1;
        return;
    }
    selectedRow_ = row;
    selectedSerial_ = buchung(row).serial;
}

void CBuchungsEditorForm::selectSerial(int32_t serial) {
    selectedSerial_ = serial;
    rebuild();
}

int CBuchungsEditorForm::selectedIndex() const {
    return selectedRow_ < 0 ? -1 : shown_[static_cast<size_t>(selectedRow_)];
}

bool CBuchungsEditorForm::confirmEnabled() const {
    return selectedRow_ >= 0 && buchung(selectedRow_).provisional != 0;
}

// --- Commands ---

void CBuchungsEditorForm::run(const std::function<void()>& action) {
    // The caller records the action as its undo step, if it keeps any; whether the action
    // changed anything the document's change count tells, also inside an open change set.
    const uint64_t before = doc_.changeCount();
    action();
    changed_ = changed_ || doc_.changeCount() != before;
    rebuild();
}

void CBuchungsEditorForm::autoBestaetigen() {
    if (!confirmEnabled())
        return;
    CTWBuchung confirmed = buchung(selectedRow_);
    confirmed.provisional = 0;
    run([&] { doc_.replaceBuchungen({std::move(confirmed)}); });
}

void CBuchungsEditorForm::loeschen(platform::Prompter& prompter) {
    if (selectedRow_ < 0 ||
        !prompter.askYesNo("Möchten Sie diese Buchung wirklich löschen?", kCaption))
        return;
    const int32_t serial = buchung(selectedRow_).serial;
    run([&] { doc_.removeBuchungen({serial}); });
}

void CBuchungsEditorForm::aendern(const std::function<void()>& dialog) {
    run(dialog);
}

std::size_t CBuchungsEditorForm::ausfuehren(Massenaenderung operation, platform::Prompter& prompter,
                                            EditorDialoge& dialoge) {
    std::size_t count = 0;
    switch (operation) {
    case Massenaenderung::AlleLoeschen: {
        if (!prompter.askYesNo("Möchten Sie wirklich alle im Buchungs-Editor angezeigten "
                               "Buchungen löschen?",
                               kCaption))
            return 0;
        // By entry serial, in one pass: the indexes of the list shift as bookings go.
        std::vector<int32_t> serials;
        serials.reserve(shown_.size());
        for (const int index : shown_)
            serials.push_back(doc_.bookings()[index]->serial);
        run([&] { count = doc_.removeBuchungen(serials); });
        break;
    }
    case Massenaenderung::AlleNeuNummerieren: {
        CBuchungRenumberForm form;
        if (!dialoge.neuNummerieren(form))
            return 0;
        run([&] { count = nummeriereNeu(doc_, shown_, form.nummer); });
        break;
    }
    case Massenaenderung::TextErsetzen: {
        CTextersetzungForm form;
        if (!dialoge.textErsetzen(form))
            return 0;
        run([&] { count = ersetzeText(doc_, shown_, form, prompter); });
        break;
    }
    case Massenaenderung::KontoErsetzen: {
        const auto beschriftung =
            static_cast<accounts::CKontoErsetzenForm::Beschriftung>(std::clamp(kontoModus_, 0, 2));
        accounts::CKontoErsetzenForm form(doc_, ledger::KontoArt::Bestandskonto, beschriftung,
                                          beschriftung);
        if (!dialoge.kontoErsetzen(form))
            return 0;
        run([&] {
            count = ersetzeKonto(doc_, shown_, form.selectedIds[form.kSuchen],
                                 form.selectedIds[form.kErsetzen], form.ohneRueckfrage, prompter);
        });
        break;
    }
    }
    return count;
}

} // namespace bookings
