#include "reports/period_comparison_view.h"

#include "ledger/win1252.h"
#include "reports/account_columns.h"
#include "reports/period_comparison.h"
#include "reports/period_table.h"
#include "reports/report_frame.h"
#include "reports/report_texts.h"

#include <algorithm>

namespace reports {
namespace {

// Data column bits of the period comparison beyond the text columns it shares with the
// account views.
enum VergleichSpalte : uint32_t {
    kSpalteBetrag = 0x100,
    kSpalteAnteilPeriode = 0x1000,
    kSpalteVeraenderung = 0x4000,
    kSpalteSumme = 0x10000,
    kSpalteAnteilSumme = 0x20000,
    kSpalteDurchschnitt = 0x40000,
    kSpalteAnteilDurchschnitt = 0x80000,
};
inline constexpr uint32_t kTextSpalten = kSpalteBezeichnung | kSpalteNummer | kSpalteAbkuerzung |
                                         kSpalteKategorie | kSpalteUnterkategorie;

// Groups shown: asset, income and expense accounts and the savings row.
inline constexpr uint32_t kGruppeBits[] = {0x1, 0x10, 0x20};
inline constexpr uint32_t kGruppeSparbetrag = 0x100;
const char* const kGruppenNamen[] = {"Bestandskonten", "Einnahmenkonten", "Ausgabenkonten"};

// The values of an account or of a sum of accounts in each period.
using Werte = std::vector<int64_t>;

void addTo(Werte& sum, const Werte& values) {
    for (std::size_t i = 0; i < sum.size(); ++i)
        sum[i] = ledger::addBetrag(sum[i], values[i]);
}

int64_t total(const Werte& values) {
    int64_t sum = 0;
    for (const int64_t v : values)
        sum = ledger::addBetrag(sum, v);
    return sum;
}

int64_t average(const Werte& values) {
    return values.empty() ? 0 : total(values) / static_cast<int64_t>(values.size());
}

struct Eintrag {
    const ledger::CTWKonto* konto = nullptr;
    const Werte* werte = nullptr;
    int32_t category = -1;
    int32_t subcategory = -1;
    KontoTexte texts;
};

// A category or sub-category with the accounts directly under it.
struct Knoten {
    int32_t id = -1;
    std::string name;
    Werte werte;
    std::vector<const Eintrag*> accounts;
    std::vector<Knoten> children;
};

Knoten& childNode(Knoten& parent, int32_t id, const std::string& name, std::size_t periods) {
    for (Knoten& k : parent.children)
        if (k.id == id)
            return k;
    parent.children.push_back({id, name, Werte(periods), {}, {}});
    return parent.children.back();
}

void sortNodes(std::vector<Knoten>& nodes, bool descending) {
    std::stable_sort(nodes.begin(), nodes.end(), [&](const Knoten& a, const Knoten& b) {
        const int c = ledger::compareNoCase(a.name, b.name);
        return descending ? c > 0 : c < 0;
    });
    for (Knoten& node : nodes)
        sortNodes(node.children, descending);
}

int compareAccounts(const ledger::CTWKonto& a, const ledger::CTWKonto& b, int key) {
    switch (key) {
    case 1:
        return a.number == b.number
                   ? 0
                   : (static_cast<uint32_t>(a.number) < static_cast<uint32_t>(b.number) ? -1 : 1);
    case 2:
        return ledger::compareNoCase(a.abbreviation, b.abbreviation);
    default:
        return ledger::compareNoCase(a.name, b.name);
    }
}

class Vergleich {
public:
    Vergleich(const ledger::CTalwerkDoc& doc, const ReportParams& params)
        : doc_(doc), s_(doc.settings()), grouping_(params.grouping), index_(doc.accounts()),
          periods_(comparisonPeriods(params.start, params.end, s_.comparisonPeriodType,
                                     periodWindows(s_)[std::clamp(s_.comparisonPeriodType, 0, 2)])),
          format_{doc.betragFormat(),
                  doc.settings().percentDecimals,
                  {s_.firstCurrencySymbol, s_.secondCurrencySymbol},
                  params.start,
                  params.end},
          bits_(s_.periodComparisonData), byCategory_(s_.comparisonLayout != 0) {
        const bool dual = s_.dualCurrency != 0;
        const ledger::WaehrungsIndex currency = dual && s_.comparisonCurrency == 1
                                                    ? ledger::WaehrungsIndex::Zweite
                                                    : ledger::WaehrungsIndex::Erste;
        symbol_ = currency == ledger::WaehrungsIndex::Erste ? s_.firstCurrencySymbol
                                                            : s_.secondCurrencySymbol;
        figures_ = comparePeriods(doc, index_, periods_, s_.comparisonAssetValue, currency,
                                  params.withoutProvisional);
        change_ = (bits_ & kSpalteVeraenderung) && s_.changeFromPeriod >= 1 &&
                  s_.changeFromPeriod < s_.changeToPeriod &&
                  s_.changeToPeriod <= static_cast<int>(periods_.size());
        collect();
    }

    ReportTable build(const ReportParams& params) {
        // Label columns: the group, in the category layout the category and sub-category
        // names, then the text columns of the accounts.
        categoryColumn_ = byCategory_ && anyCategory_ ? 1 : -1;
        subcategoryColumn_ = byCategory_ && anySubcategory_ ? 1 + (anyCategory_ ? 1 : 0) : -1;
        const int firstText = 1 + (categoryColumn_ >= 0) + (subcategoryColumn_ >= 0);
        const AccountColumns texts(bits_ & kTextSpalten, s_.dualCurrency != 0, firstText);
        firstData_ = texts.tableColumns();
        const int perPeriod =
            ((bits_ & kSpalteBetrag) != 0) + ((bits_ & kSpalteAnteilPeriode) != 0);
        int column = firstData_ + perPeriod * static_cast<int>(periods_.size());
        const auto place = [&](bool shown) { return shown ? column++ : -1; };
        changeColumn_ = place(change_);
        sumColumn_ = place(bits_ & kSpalteSumme);
        sumShareColumn_ = place(bits_ & kSpalteAnteilSumme);
        averageColumn_ = place(bits_ & kSpalteDurchschnitt);
        averageShareColumn_ = place(bits_ & kSpalteAnteilDurchschnitt);

        ReportFrame frame(doc_.settings(), doc_.screenScale(), column);
        ReportTable& table = frame.table();
        texts.setAlignments(table);
        for (int c = firstData_; c < column; ++c)
            table.setColumnAlignment(c, kAlignRight);
        frame.addTitleRow(rangeTitle(s_.periodComparisonTitle, params.start, params.end));
        addTitles(frame, texts);

        for (int g = 0; g < 3; ++g) {
            if ((s_.periodComparisonGroups & kGruppeBits[g]) == 0)
                continue;
            const Knoten& root = trees_[g];
            kind_ = ledger::kAlleKontoArten[g];
            groupTotal_ = root.werte;
            int row = frame.addRow(accountsByCategoryFill(CategoryLevel::Group, kind_), true);
            table.setCell(row, 0, kGruppenNamen[g]);
            setFigures(table, row, root.werte);
            addAccounts(frame, texts, root);
            for (const Knoten& category : root.children) {
                addNode(frame, category, CategoryLevel::Category, categoryColumn_,
                        RowTag::kategorie(kind_, category.id));
                addAccounts(frame, texts, category);
                for (const Knoten& sub : category.children) {
                    addNode(frame, sub, CategoryLevel::SubCategory, subcategoryColumn_,
                            RowTag::unterkategorie(kind_, category.id, sub.id));
                    addAccounts(frame, texts, sub);
                }
            }
        }
        if (s_.periodComparisonGroups & kGruppeSparbetrag) {
            Werte savings = allIncome_;
            for (std::size_t i = 0; i < savings.size(); ++i)
                savings[i] = ledger::subBetrag(savings[i], allExpenses_[i]);
            const int row = frame.addRow(kAccountsByCategorySummaryFill, true);
            table.setCell(row, 0, "Sparbetrag");
            groupTotal_.clear();
            setFigures(table, row, savings);
        }
        return frame.take();
    }

private:
    // Every account into the tree of its group; hidden accounts stay out of every sum.
    void collect() {
        const std::size_t n = periods_.size();
        allIncome_.assign(n, 0);
        allExpenses_.assign(n, 0);
        for (Knoten& tree : trees_)
            tree.werte.assign(n, 0);
        entries_.reserve(index_.size());
        for (int p = 0; p < index_.size(); ++p) {
            const ledger::CTWKonto& konto = *index_.accounts()[p];
            const Werte& werte = figures_.values[p];
            if (konto.kind == ledger::KontoArt::Einnahmenkonto)
                addTo(allIncome_, werte);
            else if (konto.kind == ledger::KontoArt::Ausgabenkonto)
                addTo(allExpenses_, werte);
            if (hidden(konto, p))
                continue;
            Eintrag e{&konto, &werte, -1, -1, {}};
            e.texts = {konto.name, countText(konto.number), konto.abbreviation,
                       "",         ledger::kKeine,          ledger::kKeine};
            const int32_t categoryId = konto.effectiveCategory(grouping_);
            if (const ledger::CTWKategorie* c = doc_.findKategorie(konto.kind, categoryId)) {
                e.category = categoryId;
                e.texts.category = c->name;
                const int32_t subId = konto.effectiveSubcategory(grouping_);
                if (const ledger::CTWUnterkategorie* sub = c->findUnterkategorie(subId)) {
                    e.subcategory = subId;
                    e.texts.subcategory = sub->name;
                }
            }
            entries_.push_back(std::move(e));
        }
        const bool descending = s_.periodComparisonSortDirection != 0;
        const int key = s_.periodComparisonSortKey;
        std::stable_sort(entries_.begin(), entries_.end(), [&](const Eintrag& a, const Eintrag& b) {
            const int c = compareAccounts(*a.konto, *b.konto, key);
            return descending ? c > 0 : c < 0;
        });
        for (const Eintrag& e : entries_) {
            const int kind = ledger::kontoArtIndex(e.konto->kind);
            Knoten& root = trees_[kind];
            addTo(root.werte, *e.werte);
            const bool shown = (s_.periodComparisonGroups & kGruppeBits[kind]) != 0;
            if (!byCategory_ || e.category < 0) {
                root.accounts.push_back(&e);
                continue;
            }
            anyCategory_ = anyCategory_ || shown;
            Knoten& category = childNode(root, e.category, e.texts.category, n);
            addTo(category.werte, *e.werte);
            if (e.subcategory < 0) {
                category.accounts.push_back(&e);
                continue;
            }
            anySubcategory_ = anySubcategory_ || shown;
            Knoten& sub = childNode(category, e.subcategory, e.texts.subcategory, n);
            addTo(sub.werte, *e.werte);
            sub.accounts.push_back(&e);
        }
        for (Knoten& tree : trees_)
            sortNodes(tree.children, descending);
    }

    bool hidden(const ledger::CTWKonto& konto, int p) const {
        if (figures_.bookingCounts[p] != 0)
            return false;
        if (!konto.isAsset())
            return s_.periodComparisonHideZeroIncomeExpense != 0;
        const Werte& w = figures_.values[p];
        return s_.periodComparisonHideZeroAsset != 0 &&
               std::all_of(w.begin(), w.end(), [](int64_t v) { return v == 0; });
    }

    void addTitles(ReportFrame& frame, const AccountColumns& texts) {
        ReportTable& table = frame.table();
        const int first = frame.addColumnTitleRow(0, 3);
        const int second = frame.addColumnTitleRow(1, 3);
        const int third = frame.addColumnTitleRow(2, 3);
        table.setCell(first, 0, "Kontenart", firstData_);
        texts.setTitles(table, second, third, format_);
        if (categoryColumn_ >= 0)
            table.setCell(second, categoryColumn_, "Kategorie");
        if (subcategoryColumn_ >= 0)
            table.setCell(second, subcategoryColumn_, "Unterkategorie");
        const std::string in = "in " + symbol_;
        for (std::size_t i = 0; i < periods_.size(); ++i) {
            int c = periodColumn(i);
            if (bits_ & kSpalteBetrag) {
                table.setCell(first, c, periods_[i].start.text());
                table.setCell(second, c, "- " + periods_[i].end.text());
                table.setCell(third, c++, in);
            }
            if (bits_ & kSpalteAnteilPeriode) {
                table.setCell(second, c, "Anteil");
                table.setCell(third, c, "in %");
            }
        }
        const auto titles = [&](int c, const char* line1, std::string line2) {
            if (c >= 0) {
                table.setCell(second, c, line1);
                table.setCell(third, c, line2);
            }
        };
        titles(changeColumn_, "Änd.*", "in %");
        titles(sumColumn_, "Summe", in);
        titles(sumShareColumn_, "Anteil", "(Summe)");
        titles(averageColumn_, "Durchschnitt", in);
        titles(averageShareColumn_, "Anteil", "(Durchschnitt)");
    }

    int periodColumn(std::size_t i) const {
        const int perPeriod =
            ((bits_ & kSpalteBetrag) != 0) + ((bits_ & kSpalteAnteilPeriode) != 0);
        return firstData_ + perPeriod * static_cast<int>(i);
    }

    // The figures of a row; shares against the group totals (none in the savings row).
    void setFigures(ReportTable& table, int row, const Werte& werte) const {
        const int decimals = format_.percentDecimals;
        const bool shares = !groupTotal_.empty();
        for (std::size_t i = 0; i < periods_.size(); ++i) {
            int c = periodColumn(i);
            if (bits_ & kSpalteBetrag)
                table.setCell(row, c++, format_.betrag.format(werte[i]));
            if ((bits_ & kSpalteAnteilPeriode) && shares)
                table.setCell(row, c, shareText(werte[i], groupTotal_[i], decimals));
        }
        if (changeColumn_ >= 0)
            table.setCell(
                row, changeColumn_,
                changeText(werte[s_.changeToPeriod - 1], werte[s_.changeFromPeriod - 1], decimals));
        const auto set = [&](int c, std::string text) {
            if (c >= 0)
                table.setCell(row, c, text);
        };
        set(sumColumn_, format_.betrag.format(total(werte)));
        set(averageColumn_, format_.betrag.format(average(werte)));
        if (shares) {
            set(sumShareColumn_, shareText(total(werte), total(groupTotal_), decimals));
            set(averageShareColumn_, shareText(average(werte), average(groupTotal_), decimals));
        }
    }

    void addNode(ReportFrame& frame, const Knoten& node, CategoryLevel level, int nameColumn,
                 RowTag tag) {
        ReportTable& table = frame.table();
        const int row = frame.addRow(accountsByCategoryFill(level, kind_), false, tag);
        if (nameColumn >= 0)
            table.setCell(row, nameColumn, node.name);
        setFigures(table, row, node.werte);
    }

    void addAccounts(ReportFrame& frame, const AccountColumns& texts, const Knoten& node) {
        if (byCategory_ && s_.periodComparisonWithoutAccounts != 0)
            return;
        ReportTable& table = frame.table();
        for (const Eintrag* e : node.accounts) {
            const int row = frame.addRow(accountsByCategoryFill(CategoryLevel::Account, kind_),
                                         false, RowTag::konto(e->konto->id));
            texts.setTexts(table, row, e->texts);
            setFigures(table, row, *e->werte);
        }
    }

    const ledger::CTalwerkDoc& doc_;
    const ledger::CTWEinstellungen& s_;
    int grouping_;
    KontoIndex index_;
    std::vector<ComparisonPeriod> periods_;
    ZellFormat format_;
    uint32_t bits_;
    bool byCategory_;
    std::string symbol_;
    PeriodFigures figures_;
    bool change_ = false;
    std::vector<Eintrag> entries_;
    std::array<Knoten, 3> trees_;
    Werte allIncome_;
    Werte allExpenses_;
    bool anyCategory_ = false;
    bool anySubcategory_ = false;
    int categoryColumn_ = -1;
    int subcategoryColumn_ = -1;
    int firstData_ = 0;
    int changeColumn_ = -1;
    int sumColumn_ = -1;
    int sumShareColumn_ = -1;
    int averageColumn_ = -1;
    int averageShareColumn_ = -1;
    ledger::KontoArt kind_ = ledger::KontoArt::Bestandskonto;
    Werte groupTotal_;
};

} // namespace

ReportTable buildPeriodComparisonView(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    Vergleich vergleich(doc, params);
    return vergleich.build(params);
}

} // namespace reports
