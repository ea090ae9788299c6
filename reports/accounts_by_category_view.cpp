#include "reports/accounts_by_category_view.h"

#include "ledger/win1252.h"
#include "reports/account_groups.h"
#include "reports/report_texts.h"

#include <algorithm>

namespace reports {
namespace {

// A category or sub-category with the accounts directly under it and its sums.
struct Knoten {
    int32_t id = -1;
    std::string name;
    KontoZahlen zahlen;
    std::vector<const KontoZeile*> accounts;
    std::vector<Knoten> children;
};

AccountViewSettings byCategorySettings(const ledger::CTWEinstellungen& s) {
    return {s.accountsByCategoryData,
            s.accountsByCategoryGroups,
            s.accountsByCategorySortKey,
            s.accountsByCategorySortDirection != 0,
            s.accountsByCategoryTitle,
            s.accountsByCategoryHideZeroIncomeExpense != 0,
            s.accountsByCategoryHideZeroAsset != 0};
}

Knoten& childNode(Knoten& parent, int32_t id, const std::string& name) {
    auto it = std::find_if(parent.children.begin(), parent.children.end(),
                           [id](const Knoten& k) { return k.id == id; });
    if (it != parent.children.end())
        return *it;
    parent.children.push_back({id, name, {}, {}, {}});
    return parent.children.back();
}

int compareNodes(const Knoten& a, const Knoten& b, int key, bool dual) {
    auto three = [](int64_t x, int64_t y) { return x < y ? -1 : (x > y ? 1 : 0); };
    auto figures = [&](const std::array<int64_t, 2>& x, const std::array<int64_t, 2>& y) {
        const int first = three(x[0], y[0]);
        return first != 0 || !dual ? first : three(x[1], y[1]);
    };
    int result = 0;
    switch (key) {
    case kNachAnzahl:
        result = three(a.zahlen.count, b.zahlen.count);
        break;
    case kNachAnfangswert:
        result = figures(a.zahlen.start, b.zahlen.start);
        break;
    case kNachEndwert:
        result = figures(a.zahlen.end, b.zahlen.end);
        break;
    case kNachVeraenderung:
        result = figures({a.zahlen.change(0), a.zahlen.change(1)},
                         {b.zahlen.change(0), b.zahlen.change(1)});
        break;
    default:
        break;
    }
    return result != 0 ? result : ledger::compareNoCase(a.name, b.name);
}

void sortNodes(std::vector<Knoten>& nodes, int key, bool descending, bool dual) {
    const int direction = descending ? -1 : 1;
    std::stable_sort(nodes.begin(), nodes.end(), [&](const Knoten& a, const Knoten& b) {
        return direction * compareNodes(a, b, key, dual) < 0;
    });
    for (Knoten& node : nodes)
        sortNodes(node.children, key, descending, dual);
}

// The tree of one group: the group itself is the root, its children the category nodes.
Knoten buildTree(const std::vector<KontoZeile>& members) {
    Knoten root;
    for (const KontoZeile& entry : members) {
        if (entry.category < 0) {
            root.accounts.push_back(&entry);
            continue;
        }
        Knoten& category = childNode(root, entry.category, entry.categoryName);
        category.zahlen.add(entry.zahlen);
        if (entry.subcategory < 0) {
            category.accounts.push_back(&entry);
            continue;
        }
        Knoten& sub = childNode(category, entry.subcategory, entry.subcategoryName);
        sub.zahlen.add(entry.zahlen);
        sub.accounts.push_back(&entry);
    }
    return root;
}

class Builder {
public:
    Builder(ReportFrame& frame, const AccountColumns& columns, const ZellFormat& format,
            int categoryColumn, int subcategoryColumn, bool withAccounts)
        : frame_(frame), table_(frame.table()), columns_(columns), format_(format),
          categoryColumn_(categoryColumn), subcategoryColumn_(subcategoryColumn),
          withAccounts_(withAccounts) {}

    void addGroup(int group, const Knoten& root, const KontoZahlen& total) {
        kind_ = groupKind(group);
        groupEnd_ = total.end[0];
        const int row = frame_.addRow(accountsByCategoryFill(CategoryLevel::Group, kind_), true);
        table_.setCell(row, 0, groupLabel(group));
        columns_.setFigures(table_, row, total, groupEnd_, format_);
        addAccounts(root);
        for (const Knoten& category : root.children) {
            addNode(category, CategoryLevel::Category, categoryColumn_,
                    RowTag::kategorie(kind_, category.id));
            addAccounts(category);
            for (const Knoten& sub : category.children) {
                addNode(sub, CategoryLevel::SubCategory, subcategoryColumn_,
                        RowTag::unterkategorie(kind_, category.id, sub.id));
                addAccounts(sub);
            }
        }
    }

private:
    void addNode(const Knoten& node, CategoryLevel level, int nameColumn, RowTag tag) {
        const int row = frame_.addRow(accountsByCategoryFill(level, kind_), false, tag);
        table_.setCell(row, nameColumn, node.name);
        columns_.setFigures(table_, row, node.zahlen, groupEnd_, format_);
    }

    void addAccounts(const Knoten& node) {
        if (!withAccounts_)
            return;
        for (const KontoZeile* entry : node.accounts) {
            const int row = frame_.addRow(accountsByCategoryFill(CategoryLevel::Account, kind_),
                                          false, RowTag::konto(entry->konto->id));
            columns_.setTexts(table_, row, accountTexts(*entry, format_));
            columns_.setFigures(table_, row, entry->zahlen, groupEnd_, format_);
        }
    }

    ReportFrame& frame_;
    ReportTable& table_;
    const AccountColumns& columns_;
    const ZellFormat& format_;
    int categoryColumn_;
    int subcategoryColumn_;
    bool withAccounts_;
    ledger::KontoArt kind_ = ledger::KontoArt::Bestandskonto;
    int64_t groupEnd_ = 0;
};

} // namespace

ReportTable buildAccountsByCategoryView(const ledger::CTalwerkDoc& doc,
                                        const ReportParams& params) {
    const AccountViewSettings view = byCategorySettings(doc.settings());
    const bool dual = doc.settings().dualCurrency != 0;
    const KontoIndex index(doc.accounts());
    const PeriodTable periods =
        buildPeriodTable(doc, index, params.start, params.end, params.withoutProvisional);
    KontenGruppen groups = collectGroups(doc, periods, params.grouping);

    bool anyCategory = false;
    bool anySubcategory = false;
    std::array<Knoten, 4> trees;
    for (int g = 0; g < 4; ++g) {
        auto& members = groups.members[g];
        std::erase_if(members,
                      [&](const KontoZeile& e) { return hiddenByZeroFlags(e, view, dual); });
        sortAccounts(members, view.sortKey, view.descending, dual);
        trees[g] = buildTree(members);
        sortNodes(trees[g].children, view.sortKey, view.descending, dual);
        if (view.groups & (1u << g)) {
            for (const KontoZeile& e : members) {
                anyCategory = anyCategory || e.category >= 0;
                anySubcategory = anySubcategory || e.subcategory >= 0;
            }
        }
    }

    const int categoryColumn = anyCategory ? 1 : -1;
    const int subcategoryColumn = anySubcategory ? 1 + (anyCategory ? 1 : 0) : -1;
    const int firstData = 1 + (anyCategory ? 1 : 0) + (anySubcategory ? 1 : 0);
    const ZellFormat format = cellFormat(doc, params);
    const AccountColumns columns(view.columns, dual, firstData);
    ReportFrame frame(doc.settings(), doc.screenScale(), columns.tableColumns());
    ReportTable& table = frame.table();
    columns.setAlignments(table);
    frame.addTitleRow(rangeTitle(view.titleTemplate, params.start, params.end));
    const int titleRow = addAccountColumnTitles(frame, columns, format);
    if (anyCategory)
        table.setCell(titleRow, categoryColumn, "Kategorie");
    if (anySubcategory)
        table.setCell(titleRow, subcategoryColumn, "Unterkategorie");

    Builder builder(frame, columns, format, categoryColumn, subcategoryColumn,
                    doc.settings().accountsByCategoryWithoutAccounts == 0);
    for (int g = 0; g < 4; ++g) {
        if (g == 2 && (view.groups & kSummaryBlock))
            addSummaryBlock(frame, columns, groups.totals, kAccountsByCategorySummaryFill, format);
        if (view.groups & (1u << g))
            builder.addGroup(g, trees[g], groups.totals[g]);
    }
    return frame.take();
}

} // namespace reports
