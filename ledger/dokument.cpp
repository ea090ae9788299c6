#include "ledger/dokument.h"

#include "ledger/ledger_loading.h"

#include <algorithm>
#include <cassert>
#include <numeric>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace ledger {

namespace {

// What a value that an undo step keeps holds on the heap beyond its own size; the estimate
// behind Aenderung::bytes(). Values without texts or lists hold nothing. All overloads are
// declared first, so that the templates find the records' overloads.
template <class T> std::size_t heapOf(const T&);
std::size_t heapOf(const std::string& text);
std::size_t heapOf(const RecordText& text);
template <class T> std::size_t heapOf(const std::vector<T>& list);
template <class T> std::size_t heapOf(const std::unique_ptr<T>& record);
std::size_t heapOf(const CTWBuchung& b);
std::size_t heapOf(const CTWKonto& k);
std::size_t heapOf(const CTWUnterkategorie& u);
std::size_t heapOf(const CTWKategorie& k);
std::size_t heapOf(const CTWBuchungRegel& r);
std::size_t heapOf(const CTWBuchungsFilterNeu& f);
std::size_t heapOf(const CTWEinstellungen& s);

template <class T> std::size_t heapOf(const T&) {
    return 0;
}

std::size_t heapOf(const std::string& text) {
    // Short texts live inside the string object itself.
    return text.capacity() + 1 > sizeof(std::string) ? text.capacity() + 1 : 0;
}

std::size_t heapOf(const RecordText& text) {
    return text.ownsBytes() ? text.size() + 1 : 0;
}

template <class T> std::size_t heapOf(const std::vector<T>& list) {
    std::size_t bytes = list.capacity() * sizeof(T);
    for (const T& item : list)
        bytes += heapOf(item);
    return bytes;
}

template <class T> std::size_t heapOf(const std::unique_ptr<T>& record) {
    return sizeof(T) + heapOf(*record);
}

std::size_t heapOf(const CTWBuchung& b) {
    return heapOf(b.number) + heapOf(b.text) + heapOf(b.notes);
}

std::size_t heapOf(const CTWKonto& k) {
    return heapOf(k.name) + heapOf(k.abbreviation) + heapOf(k.switchDates);
}

std::size_t heapOf(const CTWUnterkategorie& u) {
    return heapOf(u.name);
}

std::size_t heapOf(const CTWKategorie& k) {
    std::size_t bytes = heapOf(k.name);
    for (const CTWUnterkategorie* sub : k.subcategories())
        bytes += sizeof(std::unique_ptr<CTWUnterkategorie>) + sizeof(*sub) + heapOf(*sub);
    return bytes;
}

std::size_t heapOf(const CTWBuchungRegel& r) {
    return heapOf(r.name) + heapOf(r.numberTemplate) + heapOf(r.textTemplate) +
           heapOf(r.notesTemplate) + heapOf(r.occurrenceStates);
}

std::size_t heapOf(const CTWBuchungsFilterNeu& f) {
    return heapOf(f.name) + heapOf(f.textPattern) + heapOf(f.notesPattern);
}

std::size_t heapOf(const CTWEinstellungen& s) {
    return heapOf(s.firstCurrencySymbol) + heapOf(s.secondCurrencySymbol);
}

} // namespace

CTalwerkDoc::~CTalwerkDoc() {
    clearBuchungen();
}

CTWBuchung* CTalwerkDoc::createBuchung(CTWBuchung&& buchung) {
    return bookingStore_.create(std::move(buchung));
}

void CTalwerkDoc::reserveBuchungen(std::size_t more) {
    const std::size_t size = bookings_.size() + more;
    if (size > bookings_.capacity())
        bookings_.reserve(std::max(size, 2 * bookings_.capacity()));
}

void CTalwerkDoc::releaseBuchung(CTWBuchung* buchung) noexcept {
    bookingStore_.destroy(buchung);
}

void CTalwerkDoc::clearBuchungen() noexcept {
    bookingStore_.destroyAll(bookings_);
    bookings_.clear();
    bookingTexts_.clear();
}

void CTalwerkDoc::newDocument(const NeueDateiWaehrung& currency, const CNVKDatum& today) {
    assert(!isRecording());
    settings_ = CTWEinstellungen{};
    settings_.dualCurrency = currency.dualCurrency;
    settings_.euroOnly = currency.euroOnly;
    settings_.nationalCurrencyIndex = currency.nationalIndex;
    settings_.firstCurrencySymbol = currency.firstSymbol;
    settings_.secondCurrencySymbol = currency.secondSymbol;
    rate_ = currency.rate;

    clearBuchungen();
    rules_.clear();
    accounts_.clear();
    nextRuleSerial_ = 0;
    categories_.clear();
    hiddenBookingTexts_.clear();
    password_ = CNVKKennwort{};
    screenScale_ = 1.0;
    initialPeriod_ = Darstellungszeitraum{kMonatsanfang, kHeute, today, today};
    accountBookingsSortDirection_ = 0;

    LedgerLoading(*this).resetFilters();
}

BetragFormat CTalwerkDoc::betragFormat() const {
    return {settings_.decimalSeparator, settings_.thousandsSeparator, settings_.noGrouping};
}

std::string CTalwerkDoc::formatBetrag(int64_t amount, bool showPlus) const {
    return betragFormat().format(amount, showPlus);
}

std::optional<int64_t> CTalwerkDoc::parseBetrag(std::string_view text) const {
    return betragFormat().parse(text);
}

WaehrungsBetrag CTalwerkDoc::convertBetrag(int64_t amount, WaehrungsIndex currencyIndex) const {
    if (settings_.dualCurrency == 0)
        return {amount, currencyIndex};
    if (currencyIndex == WaehrungsIndex::Erste)
        return {ledger::convertBetrag(amount, rate_.numerator, rate_.denominator),
                WaehrungsIndex::Zweite};
    return {ledger::convertBetrag(amount, rate_.denominator, rate_.numerator),
            andereWaehrung(currencyIndex)};
}

// --- Lookups ---

const CTWKonto* CTalwerkDoc::findKonto(int32_t id) const {
    const int index = indexOfKonto(id);
    return index < 0 ? nullptr : accounts_[index].get();
}

CTWKonto* CTalwerkDoc::findKontoMutable(int32_t id) {
    const int index = indexOfKonto(id);
    return index < 0 ? nullptr : accounts_[index].get();
}

int CTalwerkDoc::indexOfKonto(int32_t id) const {
    for (size_t i = 0; i < accounts_.size(); ++i)
        if (accounts_[i]->id == id)
            return static_cast<int>(i);
    return -1;
}

const CTWKonto* CTalwerkDoc::findKontoByNumber(int32_t number) const {
    for (const auto& konto : accounts_)
        if (konto->number == number)
            return konto.get();
    return nullptr;
}

const CTWKonto* CTalwerkDoc::findKontoByText(std::string_view text, bool byName) const {
    for (const auto& konto : accounts_)
        if ((byName ? konto->name : konto->abbreviation) == text)
            return konto.get();
    return nullptr;
}

bool CTalwerkDoc::isKontoUsedByRegel(int32_t kontoId) const {
    return std::any_of(rules_.begin(), rules_.end(),
                       [&](const auto& regel) { return regel->touches(kontoId); });
}

const CTWKategorie* CTalwerkDoc::findKategorie(KontoArt kind, int32_t categoryId) const {
    return categories_.findKategorie(kind, categoryId);
}

const CTWUnterkategorie* CTalwerkDoc::findUnterkategorie(KontoArt kind, int32_t categoryId,
                                                         int32_t subcategoryId) const {
    return categories_.findUnterkategorie(kind, categoryId, subcategoryId);
}

const CTWKategorie* CTalwerkDoc::findKategorieByName(KontoArt kind, std::string_view name) const {
    return categories_.findKategorie(kind, name);
}

int CTalwerkDoc::indexOfKategorieByName(KontoArt kind, std::string_view name) const {
    return categories_.indexOfKategorie(kind, name);
}

const CTWUnterkategorie*
CTalwerkDoc::findUnterkategorieByName(KontoArt kind, std::string_view categoryName,
                                      std::string_view subcategoryName) const {
    const CTWKategorie* category = categories_.findKategorie(kind, categoryName);
    return category ? category->findUnterkategorie(subcategoryName) : nullptr;
}

int CTalwerkDoc::indexOfUnterkategorieByName(KontoArt kind, std::string_view categoryName,
                                             std::string_view subcategoryName) const {
    const CTWKategorie* category = categories_.findKategorie(kind, categoryName);
    return category ? category->indexOfUnterkategorie(subcategoryName) : -1;
}

std::string CTalwerkDoc::kategorieName(KontoArt kind, int32_t categoryId) const {
    const CTWKategorie* category = findKategorie(kind, categoryId);
    return category ? category->name : kKeine;
}

std::string CTalwerkDoc::unterkategorieName(KontoArt kind, int32_t categoryId,
                                            int32_t subcategoryId) const {
    const CTWUnterkategorie* sub = findUnterkategorie(kind, categoryId, subcategoryId);
    return sub ? sub->name : kKeine;
}

int CTalwerkDoc::indexOfBuchung(int32_t serial) const {
    for (size_t i = 0; i < bookings_.size(); ++i)
        if (bookings_[i]->serial == serial)
            return static_cast<int>(i);
    return -1;
}

bool CTalwerkDoc::isBuchungOrderValid() const {
    for (size_t i = 1; i < bookings_.size(); ++i)
        if (sortsAfter(*bookings_[i - 1], *bookings_[i]))
            return false;
    return true;
}

// --- Counts ---

void CTalwerkDoc::countBuchungen(const std::vector<CTWBuchung*>& buchungen, int delta) {
    // A few bookings look their accounts up; many use an index built once (the first account
    // of an id counts, as findKonto finds it).
    constexpr size_t kIndexFrom = 8;
    std::unordered_map<int32_t, CTWKonto*> index;
    if (buchungen.size() >= kIndexFrom)
        for (const auto& konto : accounts_)
            index.emplace(konto->id, konto.get());
    const auto find = [&](int32_t id) -> CTWKonto* {
        if (buchungen.size() < kIndexFrom)
            return findKontoMutable(id);
        const auto it = index.find(id);
        return it == index.end() ? nullptr : it->second;
    };
    for (const CTWBuchung* buchung : buchungen)
        for (const int32_t kontoId : {buchung->konto1Id, buchung->konto2Id})
            if (CTWKonto* konto = find(kontoId))
                konto->bookingCount += delta;
}

void CTalwerkDoc::countZuordnungen(const CTWKonto& konto, int delta) {
    const auto count = [&](int32_t categoryId, int32_t subcategoryId) {
        CTWKategorie* category = categories_.findKategorie(konto.kind, categoryId);
        if (!category)
            return;
        category->usageCount += delta;
        if (CTWUnterkategorie* sub = category->findUnterkategorie(subcategoryId))
            sub->usageCount += delta;
    };
    count(konto.category, konto.subcategory);
    if (konto.alt1UseStandard == 0)
        count(konto.alt1Category, konto.alt1Subcategory);
    if (konto.alt2UseStandard == 0)
        count(konto.alt2Category, konto.alt2Subcategory);
}

// --- Booking operations ---

namespace {

// The position a booking of the date and number takes in a list in booking order: after the
// bookings of earlier dates, and within the run of its date before the first booking whose
// number compares greater.
template <class It>
It insertPosition(It first, It last, const CNVKDatum& date, std::string_view number) {
    const auto byDate = [](const auto& b, const CNVKDatum& d) { return b->date < d; };
    const auto dateAfter = [](const CNVKDatum& d, const auto& b) { return d < b->date; };
    auto position = std::lower_bound(first, last, date, byDate);
    const auto runEnd = std::upper_bound(position, last, date, dateAfter);
    while (position != runEnd && compareBuchungsnummer((*position)->number, number) <= 0)
        ++position;
    return position;
}

} // namespace

int CTalwerkDoc::addBuchung(CTWBuchung buchung) {
    if (buchung.serial == -1) {
        buchung.serial = settings_.nextBookingSerial;
        assign(settings_.nextBookingSerial, buchung.serial + 1);
    }
    // The kinds stored beside the ids are those of the accounts.
    if (const CTWKonto* konto1 = findKonto(buchung.konto1Id))
        buchung.konto1Kind = konto1->kind;
    if (const CTWKonto* konto2 = findKonto(buchung.konto2Id))
        buchung.konto2Kind = konto2->kind;

    const int index = static_cast<int>(
        insertPosition(bookings_.begin(), bookings_.end(), buchung.date, buchung.number) -
        bookings_.begin());
    BuchungList items;
    items.push_back(std::make_unique<CTWBuchung>(std::move(buchung)));
    insertBuchungenAt({index}, std::move(items));
    return index;
}

void CTalwerkDoc::addBuchungen(std::vector<CTWBuchung> buchungen) {
    if (buchungen.empty())
        return;
    std::unordered_map<int32_t, const CTWKonto*> kontoById;
    for (const auto& konto : accounts_)
        kontoById.emplace(konto->id, konto.get());
    int32_t nextSerial = settings_.nextBookingSerial;
    for (CTWBuchung& buchung : buchungen) {
        if (buchung.serial == -1)
            buchung.serial = nextSerial++;
        if (const auto it = kontoById.find(buchung.konto1Id); it != kontoById.end())
            buchung.konto1Kind = it->second->kind;
        if (const auto it = kontoById.find(buchung.konto2Id); it != kontoById.end())
            buchung.konto2Kind = it->second->kind;
    }
    if (nextSerial != settings_.nextBookingSerial)
        assign(settings_.nextBookingSerial, nextSerial);

    // Bookings of different dates do not meet: each date's run of the list takes that date's
    // new bookings one by one, in the given order, exactly as single insertions would.
    std::vector<size_t> order(buchungen.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return buchungen[a].date < buchungen[b].date; });

    std::vector<int> indexes;
    std::vector<size_t> itemOrder;
    indexes.reserve(buchungen.size());
    itemOrder.reserve(buchungen.size());
    const auto byDate = [](const auto& b, const CNVKDatum& d) { return b->date < d; };
    const auto dateAfter = [](const CNVKDatum& d, const auto& b) { return d < b->date; };
    auto searchFrom = bookings_.begin();
    size_t insertedBefore = 0;
    struct Entry {
        const CTWBuchung* buchung;
        std::ptrdiff_t newIndex; // -1 for a booking already in the list
    };
    std::vector<Entry> run;
    for (size_t g = 0; g < order.size();) {
        const CNVKDatum date = buchungen[order[g]].date;
        size_t groupEnd = g;
        while (groupEnd < order.size() && buchungen[order[groupEnd]].date == date)
            ++groupEnd;
        const auto runStart = std::lower_bound(searchFrom, bookings_.end(), date, byDate);
        const auto runEnd = std::upper_bound(runStart, bookings_.end(), date, dateAfter);
        run.clear();
        for (auto it = runStart; it != runEnd; ++it)
            run.push_back({*it, -1});
        for (size_t m = g; m < groupEnd; ++m) {
            const CTWBuchung& buchung = buchungen[order[m]];
            auto position = run.begin();
            while (position != run.end() &&
                   compareBuchungsnummer(position->buchung->number, buchung.number) <= 0)
                ++position;
            run.insert(position, {&buchung, static_cast<std::ptrdiff_t>(order[m])});
        }
        const size_t base = static_cast<size_t>(runStart - bookings_.begin()) + insertedBefore;
        for (size_t p = 0; p < run.size(); ++p) {
            if (run[p].newIndex >= 0) {
                indexes.push_back(static_cast<int>(base + p));
                itemOrder.push_back(static_cast<size_t>(run[p].newIndex));
            }
        }
        insertedBefore += groupEnd - g;
        g = groupEnd;
        searchFrom = runEnd;
    }
    BuchungList items;
    items.reserve(itemOrder.size());
    for (const size_t i : itemOrder)
        items.push_back(std::make_unique<CTWBuchung>(std::move(buchungen[i])));
    insertBuchungenAt(std::move(indexes), std::move(items));
}

int32_t CTalwerkDoc::removeBuchung(int index) {
    if (index < 0 || static_cast<size_t>(index) >= bookings_.size())
        return -1;
    const int32_t serial = bookings_[index]->serial;
    removeBuchungenAt({index});
    return serial;
}

std::size_t CTalwerkDoc::removeBuchungen(const std::vector<int32_t>& serials) {
    const std::unordered_set<int32_t> wanted(serials.begin(), serials.end());
    std::vector<int> indexes;
    for (size_t i = 0; i < bookings_.size(); ++i)
        if (wanted.count(bookings_[i]->serial) != 0)
            indexes.push_back(static_cast<int>(i));
    const size_t removed = indexes.size();
    if (removed != 0)
        removeBuchungenAt(std::move(indexes));
    return removed;
}

int CTalwerkDoc::replaceBuchung(int index, CTWBuchung buchung) {
    if (index < 0 || static_cast<size_t>(index) >= bookings_.size())
        return -1;
    buchung.serial = bookings_[index]->serial;
    removeBuchungenAt({index});
    return addBuchung(std::move(buchung));
}

std::size_t CTalwerkDoc::replaceBuchungen(std::vector<CTWBuchung> buchungen) {
    std::unordered_map<int32_t, CTWBuchung*> bySerial;
    for (CTWBuchung& buchung : buchungen)
        bySerial.emplace(buchung.serial, &buchung);
    std::unordered_map<int32_t, const CTWKonto*> kontoById;
    for (const auto& konto : accounts_)
        kontoById.emplace(konto->id, konto.get());

    std::vector<int> inPlace;
    BuchungList inPlaceItems;
    std::vector<int> moved;
    std::vector<CTWBuchung> movedItems;
    for (size_t i = 0; i < bookings_.size() && !bySerial.empty(); ++i) {
        const auto it = bySerial.find(bookings_[i]->serial);
        if (it == bySerial.end())
            continue;
        CTWBuchung& buchung = *it->second;
        bySerial.erase(it);
        if (buchung.date == bookings_[i]->date && buchung.number == bookings_[i]->number) {
            if (const auto k = kontoById.find(buchung.konto1Id); k != kontoById.end())
                buchung.konto1Kind = k->second->kind;
            if (const auto k = kontoById.find(buchung.konto2Id); k != kontoById.end())
                buchung.konto2Kind = k->second->kind;
            inPlace.push_back(static_cast<int>(i));
            inPlaceItems.push_back(std::make_unique<CTWBuchung>(std::move(buchung)));
        } else {
            moved.push_back(static_cast<int>(i));
            movedItems.push_back(std::move(buchung));
        }
    }
    const size_t replaced = inPlace.size() + moved.size();
    if (!inPlace.empty())
        exchangeBuchungenAt(std::move(inPlace), std::move(inPlaceItems));
    if (!moved.empty()) {
        // The bookings keep their serials; addBuchungen takes their kinds from the accounts.
        removeBuchungenAt(std::move(moved));
        addBuchungen(std::move(movedItems));
    }
    return replaced;
}

void CTalwerkDoc::exchangeBuchungenAt(std::vector<int> indexes, BuchungList items) {
    assert(indexes.size() == items.size() && !items.empty());
    std::vector<CTWBuchung*> changed;
    changed.reserve(indexes.size());
    for (const int index : indexes)
        changed.push_back(bookings_[index]);
    countBuchungen(changed, -1);
    for (size_t k = 0; k < indexes.size(); ++k) {
        // The replaced contents go into the undo step as a copy, which owns its texts.
        CTWBuchung replaced = *bookings_[indexes[k]];
        *bookings_[indexes[k]] = std::move(*items[k]);
        *items[k] = std::move(replaced);
    }
    countBuchungen(changed, +1);
    if (isRecording())
        record([indexes = std::move(indexes), items = std::move(items)](CTalwerkDoc& doc) mutable {
            doc.exchangeBuchungenAt(std::move(indexes), std::move(items));
        });
    setModified();
}

void CTalwerkDoc::insertBuchungenAt(std::vector<int> indexes, BuchungList items) {
    assert(indexes.size() == items.size() && !items.empty());
    std::vector<CTWBuchung*> added;
    added.reserve(items.size());
    reserveBuchungen(items.size());
    for (auto& item : items)
        added.push_back(createBuchung(std::move(*item)));
    items.clear();
    countBuchungen(added, +1);

    if (added.size() == 1) {
        bookings_.insert(bookings_.begin() + indexes.front(), added.front());
    } else {
        // Fill the grown list from the back: each slot takes either the next new booking (at
        // its final index) or the next old booking.
        size_t old = bookings_.size();
        bookings_.resize(old + added.size());
        size_t next = added.size();
        for (size_t slot = bookings_.size(); next > 0;) {
            --slot;
            if (static_cast<size_t>(indexes[next - 1]) == slot)
                bookings_[slot] = added[--next];
            else
                bookings_[slot] = bookings_[--old];
        }
    }
    const std::size_t heap = heapOf(indexes);
    record([indexes = std::move(indexes)](
               CTalwerkDoc& doc) mutable { doc.removeBuchungenAt(std::move(indexes)); },
           heap);
    setModified();
}

void CTalwerkDoc::removeBuchungenAt(std::vector<int> indexes) {
    assert(!indexes.empty());
    std::vector<CTWBuchung*> removed;
    removed.reserve(indexes.size());
    for (const int index : indexes)
        removed.push_back(bookings_[index]);
    countBuchungen(removed, -1);
    // Only an undo step needs the removed bookings; it keeps copies, which own their texts.
    BuchungList items;
    if (isRecording()) {
        items.reserve(removed.size());
        for (const CTWBuchung* buchung : removed)
            items.push_back(std::make_unique<CTWBuchung>(*buchung));
    }
    for (CTWBuchung* buchung : removed)
        releaseBuchung(buchung);
    if (indexes.size() == 1) {
        bookings_.erase(bookings_.begin() + indexes.front());
    } else {
        size_t kept = static_cast<size_t>(indexes.front());
        size_t next = 0;
        for (size_t i = kept; i < bookings_.size(); ++i) {
            if (next < indexes.size() && static_cast<size_t>(indexes[next]) == i)
                ++next;
            else
                bookings_[kept++] = bookings_[i];
        }
        bookings_.resize(kept);
    }
    if (isRecording()) {
        const std::size_t heap = heapOf(indexes) + heapOf(items);
        record(
            [indexes = std::move(indexes), items = std::move(items)](CTalwerkDoc& doc) mutable {
                doc.insertBuchungenAt(std::move(indexes), std::move(items));
            },
            heap);
    }
    setModified();
}

// --- Account operations ---

const CTWKonto& CTalwerkDoc::addKonto(CTWKonto konto) {
    konto.id = settings_.nextAccountId;
    assign(settings_.nextAccountId, konto.id + 1);
    konto.bookingCount = 0;
    insertKontoAt(static_cast<int>(accounts_.size()), std::make_unique<CTWKonto>(std::move(konto)));
    return *accounts_.back();
}

bool CTalwerkDoc::changeKonto(const CTWKonto& konto) {
    const int index = indexOfKonto(konto.id);
    if (index < 0)
        return false;
    auto changed = std::make_unique<CTWKonto>(konto);
    changed->bookingCount = accounts_[index]->bookingCount;
    replaceKontoAt(index, std::move(changed));
    return true;
}

bool CTalwerkDoc::removeKonto(int32_t kontoId) {
    const int index = indexOfKonto(kontoId);
    if (index < 0)
        return false;
    removeKontoAt(index);
    return true;
}

void CTalwerkDoc::insertKontoAt(int index, std::unique_ptr<CTWKonto> konto) {
    countZuordnungen(*konto, +1);
    accounts_.insert(accounts_.begin() + index, std::move(konto));
    record([index](CTalwerkDoc& doc) { doc.removeKontoAt(index); });
    setModified();
}

void CTalwerkDoc::removeKontoAt(int index) {
    std::unique_ptr<CTWKonto> konto = std::move(accounts_[index]);
    accounts_.erase(accounts_.begin() + index);
    countZuordnungen(*konto, -1);
    const std::size_t heap = heapOf(konto);
    record([index, konto = std::move(konto)](
               CTalwerkDoc& doc) mutable { doc.insertKontoAt(index, std::move(konto)); },
           heap);
    setModified();
}

void CTalwerkDoc::replaceKontoAt(int index, std::unique_ptr<CTWKonto> konto) {
    countZuordnungen(*accounts_[index], -1);
    countZuordnungen(*konto, +1);
    std::swap(*accounts_[index], *konto);
    const std::size_t heap = heapOf(konto);
    record([index, konto = std::move(konto)](
               CTalwerkDoc& doc) mutable { doc.replaceKontoAt(index, std::move(konto)); },
           heap);
    setModified();
}

// --- Category operations ---

int32_t CTalwerkDoc::addKategorie(KontoArt kind, std::string name) {
    if (!kontoArtAt(kontoArtIndex(kind)))
        return -1;
    auto category = std::make_unique<CTWKategorie>();
    category->id = categories_.nextCategoryId[kontoArtIndex(kind)];
    category->name = std::move(name);
    assign(categories_.nextCategoryId[kontoArtIndex(kind)], category->id + 1);
    const int32_t id = category->id;
    insertKategorieAt(kind, static_cast<int>(categories_.tree(kind).size()), std::move(category));
    return id;
}

int32_t CTalwerkDoc::addUnterkategorie(KontoArt kind, int32_t categoryId, std::string name) {
    const int index = categories_.indexOfKategorie(kind, categoryId);
    if (index < 0)
        return -1;
    auto category = std::make_unique<CTWKategorie>(*categories_.tree(kind)[index]);
    const int32_t id = category->addUnterkategorie(std::move(name)).id;
    replaceKategorieAt(kind, index, std::move(category));
    return id;
}

bool CTalwerkDoc::renameKategorie(KontoArt kind, int32_t categoryId, std::string name) {
    const int index = categories_.indexOfKategorie(kind, categoryId);
    if (index < 0)
        return false;
    auto category = std::make_unique<CTWKategorie>(*categories_.tree(kind)[index]);
    category->name = std::move(name);
    replaceKategorieAt(kind, index, std::move(category));
    return true;
}

bool CTalwerkDoc::renameUnterkategorie(KontoArt kind, int32_t categoryId, int32_t subcategoryId,
                                       std::string name) {
    const int index = categories_.indexOfKategorie(kind, categoryId);
    if (index < 0)
        return false;
    auto category = std::make_unique<CTWKategorie>(*categories_.tree(kind)[index]);
    CTWUnterkategorie* sub = category->findUnterkategorie(subcategoryId);
    if (!sub)
        return false;
    sub->name = std::move(name);
    replaceKategorieAt(kind, index, std::move(category));
    return true;
}

bool CTalwerkDoc::removeKategorie(KontoArt kind, int32_t categoryId) {
    const int index = categories_.indexOfKategorie(kind, categoryId);
    if (index < 0)
        return false;
    removeKategorieAt(kind, index);
    return true;
}

bool CTalwerkDoc::removeUnterkategorie(KontoArt kind, int32_t categoryId, int32_t subcategoryId) {
    const int index = categories_.indexOfKategorie(kind, categoryId);
    if (index < 0)
        return false;
    auto category = std::make_unique<CTWKategorie>(*categories_.tree(kind)[index]);
    const int subIndex = category->indexOfUnterkategorie(subcategoryId);
    if (subIndex < 0)
        return false;
    auto& subs = category->subcategoryList();
    subs.erase(subs.begin() + subIndex);
    replaceKategorieAt(kind, index, std::move(category));
    return true;
}

void CTalwerkDoc::insertKategorieAt(KontoArt kind, int index,
                                    std::unique_ptr<CTWKategorie> category) {
    auto& tree = categories_.treeList(kind);
    tree.insert(tree.begin() + index, std::move(category));
    record([kind, index](CTalwerkDoc& doc) { doc.removeKategorieAt(kind, index); });
    setModified();
}

void CTalwerkDoc::removeKategorieAt(KontoArt kind, int index) {
    auto& tree = categories_.treeList(kind);
    std::unique_ptr<CTWKategorie> category = std::move(tree[index]);
    tree.erase(tree.begin() + index);
    const std::size_t heap = heapOf(category);
    record(
        [kind, index, category = std::move(category)](CTalwerkDoc& doc) mutable {
            doc.insertKategorieAt(kind, index, std::move(category));
        },
        heap);
    setModified();
}

void CTalwerkDoc::replaceKategorieAt(KontoArt kind, int index,
                                     std::unique_ptr<CTWKategorie> category) {
    std::swap(*categories_.treeList(kind)[index], *category);
    const std::size_t heap = heapOf(category);
    record(
        [kind, index, category = std::move(category)](CTalwerkDoc& doc) mutable {
            doc.replaceKategorieAt(kind, index, std::move(category));
        },
        heap);
    setModified();
}

// --- Recurring booking operations ---

const CTWBuchungRegel& CTalwerkDoc::addBuchungRegel(CTWBuchungRegel regel) {
    regel.serial = nextRuleSerial_;
    assign(nextRuleSerial_, regel.serial + 1);
    regel.occurrenceStates.clear();
    insertRegelAt(static_cast<int>(rules_.size()),
                  std::make_unique<CTWBuchungRegel>(std::move(regel)));
    return *rules_.back();
}

bool CTalwerkDoc::changeBuchungRegel(int index, CTWBuchungRegel regel) {
    if (index < 0 || static_cast<size_t>(index) >= rules_.size())
        return false;
    regel.serial = rules_[index]->serial;
    replaceRegelAt(index, std::make_unique<CTWBuchungRegel>(std::move(regel)));
    return true;
}

bool CTalwerkDoc::setVorkommen(int ruleIndex, int occurrence, Vorkommen state) {
    if (ruleIndex < 0 || static_cast<size_t>(ruleIndex) >= rules_.size() || occurrence < 0)
        return false;
    auto regel = std::make_unique<CTWBuchungRegel>(*rules_[ruleIndex]);
    auto& states = regel->occurrenceStates;
    if (states.size() <= static_cast<size_t>(occurrence))
        states.resize(static_cast<size_t>(occurrence) + 1, kOffen);
    states[occurrence] = state;
    replaceRegelAt(ruleIndex, std::move(regel));
    return true;
}

bool CTalwerkDoc::removeBuchungRegel(int index) {
    if (index < 0 || static_cast<size_t>(index) >= rules_.size())
        return false;
    removeRegelAt(index);
    return true;
}

void CTalwerkDoc::insertRegelAt(int index, std::unique_ptr<CTWBuchungRegel> regel) {
    rules_.insert(rules_.begin() + index, std::move(regel));
    record([index](CTalwerkDoc& doc) { doc.removeRegelAt(index); });
    setModified();
}

void CTalwerkDoc::removeRegelAt(int index) {
    std::unique_ptr<CTWBuchungRegel> regel = std::move(rules_[index]);
    rules_.erase(rules_.begin() + index);
    const std::size_t heap = heapOf(regel);
    record([index, regel = std::move(regel)](
               CTalwerkDoc& doc) mutable { doc.insertRegelAt(index, std::move(regel)); },
           heap);
    setModified();
}

void CTalwerkDoc::replaceRegelAt(int index, std::unique_ptr<CTWBuchungRegel> regel) {
    std::swap(*rules_[index], *regel);
    const std::size_t heap = heapOf(regel);
    record([index, regel = std::move(regel)](
               CTalwerkDoc& doc) mutable { doc.replaceRegelAt(index, std::move(regel)); },
           heap);
    setModified();
}

// --- Filters, settings and fields ---

bool CTalwerkDoc::changeFilter(int index, CTWBuchungsFilterNeu filter) {
    if (index < 0 || static_cast<size_t>(index) >= filters_.size())
        return false;
    replaceFilterAt(index, std::make_unique<CTWBuchungsFilterNeu>(std::move(filter)));
    return true;
}

void CTalwerkDoc::replaceFilterAt(int index, std::unique_ptr<CTWBuchungsFilterNeu> filter) {
    std::swap(*filters_[index], *filter);
    const std::size_t heap = heapOf(filter);
    record([index, filter = std::move(filter)](
               CTalwerkDoc& doc) mutable { doc.replaceFilterAt(index, std::move(filter)); },
           heap);
    setModified();
}

void CTalwerkDoc::setSettings(CTWEinstellungen settings) {
    replaceSettings(std::move(settings));
}

void CTalwerkDoc::replaceSettings(CTWEinstellungen settings) {
    settings.nextAccountId = settings_.nextAccountId;
    settings.nextBookingSerial = settings_.nextBookingSerial;
    settings.saveCounter = settings_.saveCounter;
    std::swap(settings_, settings);
    const std::size_t heap = heapOf(settings);
    record([settings = std::move(settings)](
               CTalwerkDoc& doc) mutable { doc.replaceSettings(std::move(settings)); },
           heap);
    setModified();
}

void CTalwerkDoc::markSaved(int32_t nextSaveCounter) {
    settings_.saveCounter = nextSaveCounter;
    modified_ = false;
}

void CTalwerkDoc::changeSettings(const std::function<void(CTWEinstellungen&)>& change) {
    CTWEinstellungen settings = settings_;
    change(settings);
    setSettings(std::move(settings));
}

void CTalwerkDoc::setRate(const Wechselkurs& rate) {
    assign(rate_, rate);
}

void CTalwerkDoc::setPassword(CNVKKennwort password) {
    assign(password_, std::move(password));
}

void CTalwerkDoc::setScreenScale(double scale) {
    assign(screenScale_, scale);
}

void CTalwerkDoc::setHiddenBookingTexts(std::vector<std::string> texts) {
    assign(hiddenBookingTexts_, std::move(texts));
}

void CTalwerkDoc::setInitialPeriod(const Darstellungszeitraum& period) {
    assign(initialPeriod_, period);
}

void CTalwerkDoc::setAccountBookingsSortDirection(int32_t direction) {
    assign(accountBookingsSortDirection_, direction);
}

template <class T> void CTalwerkDoc::assign(T& field, T value) {
    T old = std::exchange(field, std::move(value));
    if (isRecording()) {
        const std::size_t heap = heapOf(old);
        record([&field, old = std::move(old)](
                   CTalwerkDoc& doc) mutable { doc.assign(field, std::move(old)); },
               heap);
    }
    setModified();
}

// --- The Euro conversion ---

void CTalwerkDoc::convertToEuro(int32_t nationalCurrencyIndex, const Wechselkurs& rate,
                                std::string euroSymbol, std::string nationalSymbol) {
    CTWEinstellungen settings = settings_;
    settings.nationalCurrencyIndex = nationalCurrencyIndex;
    settings.dualCurrency = 1;
    settings.firstCurrencySymbol = std::move(euroSymbol);
    settings.secondCurrencySymbol = std::move(nationalSymbol);
    setSettings(std::move(settings));
    assign(rate_, rate);

    std::vector<WaehrungsIndex> kontoIndexes;
    kontoIndexes.reserve(accounts_.size());
    for (const auto& konto : accounts_)
        kontoIndexes.push_back(konto->isAsset() ? WaehrungsIndex::Zweite : konto->currencyIndex);
    assignKontoWaehrungen(std::move(kontoIndexes));
    assignBuchungWaehrungen(std::vector<WaehrungsIndex>(bookings_.size(), WaehrungsIndex::Zweite));
    assignRegelWaehrungen(std::vector<WaehrungsIndex>(rules_.size(), WaehrungsIndex::Zweite));
}

namespace {

// Sets the currency index of each record of the list to the value of the same position and
// keeps the replaced values in the vector.
template <class List> void exchangeWaehrungen(List& list, std::vector<WaehrungsIndex>& indexes) {
    assert(list.size() == indexes.size());
    for (size_t i = 0; i < list.size(); ++i)
        std::swap(list[i]->currencyIndex, indexes[i]);
}

} // namespace

void CTalwerkDoc::assignBuchungWaehrungen(std::vector<WaehrungsIndex> indexes) {
    exchangeWaehrungen(bookings_, indexes);
    const std::size_t heap = heapOf(indexes);
    record([old = std::move(indexes)](
               CTalwerkDoc& doc) mutable { doc.assignBuchungWaehrungen(std::move(old)); },
           heap);
    setModified();
}

void CTalwerkDoc::assignKontoWaehrungen(std::vector<WaehrungsIndex> indexes) {
    exchangeWaehrungen(accounts_, indexes);
    const std::size_t heap = heapOf(indexes);
    record([old = std::move(indexes)](
               CTalwerkDoc& doc) mutable { doc.assignKontoWaehrungen(std::move(old)); },
           heap);
    setModified();
}

void CTalwerkDoc::assignRegelWaehrungen(std::vector<WaehrungsIndex> indexes) {
    exchangeWaehrungen(rules_, indexes);
    const std::size_t heap = heapOf(indexes);
    record([old = std::move(indexes)](
               CTalwerkDoc& doc) mutable { doc.assignRegelWaehrungen(std::move(old)); },
           heap);
    setModified();
}

// --- Undo ---

template <class F> void CTalwerkDoc::record(F wayBack, std::size_t heapBytes) {
    if (!isRecording())
        return;
    auto step = std::make_unique<Aenderung::FunctionStep<F>>(std::move(wayBack));
    step->bytes = sizeof(*step) + heapBytes;
    recorded_.push_back(std::move(step));
}

std::size_t Aenderung::bytes() const {
    std::size_t bytes = sizeof(*this) + steps_.capacity() * sizeof(steps_.front());
    for (const auto& step : steps_)
        bytes += step->bytes;
    return bytes;
}

void CTalwerkDoc::beginAenderung() {
    if (recordDepth_++ == 0)
        recorded_.clear();
}

Aenderung CTalwerkDoc::commitAenderung() {
    assert(recordDepth_ > 0);
    Aenderung step;
    if (--recordDepth_ == 0) {
        step.steps_ = std::move(recorded_);
        recorded_.clear();
    }
    return step;
}

void CTalwerkDoc::play(Aenderung& step) {
    assert(!isRecording());
    std::vector<std::unique_ptr<Aenderung::Step>> steps = std::move(step.steps_);
    recordDepth_ = 1;
    recorded_.clear();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        (*it)->apply(*this);
    recordDepth_ = 0;
    step.steps_ = std::move(recorded_);
    recorded_.clear();
}

void CTalwerkDoc::undo(Aenderung& step) {
    if (step.undone_)
        return;
    play(step);
    step.undone_ = true;
}

void CTalwerkDoc::redo(Aenderung& step) {
    if (!step.undone_)
        return;
    play(step);
    step.undone_ = false;
}

Zeitraum CTalwerkDoc::initialDisplayPeriod(const CNVKDatum& today) const {
    int day, month, year;
    today.get(day, month, year);
    CNVKDatum yearStart;
    yearStart.set(1, 1, year);
    CNVKDatum monthStart;
    monthStart.set(1, month, year);
    // Dates outside the valid range fall back to its nearest end.
    CNVKDatum monthEnd(CNVKDatum::kLastDay);
    monthEnd.set(CNVKDatum::daysInMonth(month, year), month, year);

    Zeitraum period;
    switch (initialPeriod_.startRule) {
    case kErsteBuchung:
        period.start = bookings_.empty() ? yearStart : bookings_.front()->date;
        break;
    case kJahresanfang:
        period.start = yearStart;
        break;
    case kMonatsanfang:
        period.start = monthStart;
        break;
    default:
        period.start = initialPeriod_.startDate;
        break;
    }
    switch (initialPeriod_.endRule) {
    case kHeute:
        period.end = today;
        break;
    case kMonatsende:
        period.end = monthEnd;
        break;
    default:
        period.end = initialPeriod_.endDate;
        break;
    }
    if (period.end < period.start)
        period.end = period.start;
    return period;
}

} // namespace ledger
