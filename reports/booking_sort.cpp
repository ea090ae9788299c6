#include "reports/booking_sort.h"

#include "ledger/win1252.h"
#include "reports/konto_index.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace reports {
namespace {

using SortValue = std::array<int64_t, 2>;

// The rank of every text among the distinct texts in collation order, so that each distinct
// text is collated only once instead of in every comparison.
std::vector<int64_t> textRanks(const std::vector<std::string_view>& texts) {
    std::unordered_map<std::string_view, int> ids;
    std::vector<std::string_view> distinct;
    std::vector<int> idOf(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const auto [it, inserted] = ids.emplace(texts[i], static_cast<int>(distinct.size()));
        if (inserted)
            distinct.push_back(texts[i]);
        idOf[i] = it->second;
    }
    std::vector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return ledger::collate(distinct[a], distinct[b]) < 0; });
    std::vector<int64_t> rankOfId(distinct.size());
    for (size_t r = 0; r < order.size(); ++r)
        rankOfId[order[r]] = static_cast<int64_t>(r);
    std::vector<int64_t> ranks(texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        ranks[i] = rankOfId[idOf[i]];
    return ranks;
}

// The sort value of every booking of the list under a key other than the booking number.
std::vector<SortValue> sortValues(const ledger::CTalwerkDoc& doc, const std::vector<int>& indexes,
                                  int key) {
    const KontoIndex index(doc.accounts());
    const auto booking = [&](size_t i) -> const ledger::CTWBuchung& {
        return *doc.bookings()[indexes[i]];
    };
    const auto konto = [&](size_t i, bool second) {
        return index.find(second ? booking(i).konto2Id : booking(i).konto1Id);
    };
    const size_t n = indexes.size();
    std::vector<SortValue> values(n);
    const auto byText = [&](auto textOf) {
        std::vector<std::string_view> texts(n);
        for (size_t i = 0; i < n; ++i)
            texts[i] = textOf(i);
        const std::vector<int64_t> ranks = textRanks(texts);
        for (size_t i = 0; i < n; ++i)
            values[i][0] = ranks[i];
    };
    const auto kontoText = [&](bool second, bool name) {
        byText([&](size_t i) -> std::string_view {
            const ledger::CTWKonto* k = konto(i, second);
            return k ? (name ? k->name : k->abbreviation) : std::string_view();
        });
    };
    const auto kontoNumber = [&](bool second) {
        for (size_t i = 0; i < n; ++i) {
            const ledger::CTWKonto* k = konto(i, second);
            values[i][0] = k ? static_cast<uint32_t>(k->number) : 0;
        }
    };
    switch (key) {
    case kSortText:
        byText([&](size_t i) -> std::string_view { return booking(i).text; });
        break;
    case kSortNotizen:
        byText([&](size_t i) -> std::string_view { return booking(i).notes; });
        break;
    case kSortKonto1Name:
    case kSortKonto2Name:
        kontoText(key == kSortKonto2Name, true);
        break;
    case kSortKonto1Abkuerzung:
    case kSortKonto2Abkuerzung:
        kontoText(key == kSortKonto2Abkuerzung, false);
        break;
    case kSortKonto1Nummer:
    case kSortKonto2Nummer:
        kontoNumber(key == kSortKonto2Nummer);
        break;
    case kSortBetrag:
        // By the amount in the first currency, then (dual-currency) in the second.
        for (size_t i = 0; i < n; ++i) {
            const ledger::CTWBuchung& b = booking(i);
            const int own = b.currencyIndex == ledger::WaehrungsIndex::Zweite ? 1 : 0;
            const int64_t other = doc.convertBetrag(b.amount, b.currencyIndex).amount;
            values[i] = own == 0 ? SortValue{b.amount, other} : SortValue{other, b.amount};
            if (doc.settings().dualCurrency == 0)
                values[i][1] = 0;
        }
        break;
    case kSortVorgang:
        for (size_t i = 0; i < n; ++i)
            values[i][0] = ledger::vorgangIndex(booking(i).kind);
        break;
    case kSortWaehrung:
        for (size_t i = 0; i < n; ++i)
            values[i][0] = ledger::waehrungsPosition(booking(i).currencyIndex);
        break;
    default:
        for (size_t i = 0; i < n; ++i)
            values[i][0] = booking(i).date.dayNumber();
        break;
    }
    return values;
}

} // namespace

void sortBookings(const ledger::CTalwerkDoc& doc, std::vector<int>& indexes, int key,
                  bool descending) {
    if (key == kSortDatum && !descending)
        return; // document order already is date order
    // The document position is the tie-break.
    const auto ordered = [descending](int c, int a, int b) {
        return descending ? c > 0 || (c == 0 && a > b) : c < 0 || (c == 0 && a < b);
    };
    if (key == kSortNummer) {
        std::stable_sort(indexes.begin(), indexes.end(), [&](int a, int b) {
            return ordered(
                ledger::compareBuchungsnummer(doc.bookings()[a]->number, doc.bookings()[b]->number),
                a, b);
        });
        return;
    }
    // Each key travels with its booking, so that the sort compares neighbouring memory.
    struct Keyed {
        SortValue value;
        int index;
    };
    const std::vector<SortValue> values = sortValues(doc, indexes, key);
    std::vector<Keyed> keyed(indexes.size());
    for (size_t i = 0; i < keyed.size(); ++i)
        keyed[i] = {values[i], indexes[i]};
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        const int c = a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
        return ordered(c, a.index, b.index);
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        indexes[i] = keyed[i].index;
}

} // namespace reports
