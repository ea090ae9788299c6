#include "reports/categories_view.h"

#include "ledger/win1252.h"
#include "reports/report_frame.h"
#include "reports/report_texts.h"

#include <algorithm>
#include <map>
#include <utility>

namespace reports {
namespace {

// Accounts per (category, sub-category) of one kind and assignment; sub-category -1 counts
// the category as a whole.
using Counts = std::map<std::pair<int32_t, int32_t>, int>;

std::array<Counts, 3> countAssignments(const ledger::CTalwerkDoc& doc, ledger::KontoArt kind) {
    std::array<Counts, 3> counts;
    for (const auto& konto : doc.accounts()) {
        if (konto->kind != kind)
            continue;
        for (int assignment = 0; assignment < 3; ++assignment) {
            const int32_t category = konto->effectiveCategory(assignment);
            if (category < 0)
                continue;
            ++counts[assignment][{category, -1}];
            const int32_t sub = konto->effectiveSubcategory(assignment);
            if (sub >= 0)
                ++counts[assignment][{category, sub}];
        }
    }
    return counts;
}

template <typename T> std::vector<const T*> byName(ledger::RecordView<T> items) {
    std::vector<const T*> sorted(items.begin(), items.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const T* a, const T* b) {
        return ledger::compareNoCase(a->name, b->name) < 0;
    });
    return sorted;
}

void setCounts(ReportTable& table, int row, const std::array<Counts, 3>& counts,
               std::pair<int32_t, int32_t> key) {
    for (int assignment = 0; assignment < 3; ++assignment) {
        auto it = counts[assignment].find(key);
        table.setCell(row, 3 + assignment,
                      countText(it == counts[assignment].end() ? 0 : it->second));
    }
}

} // namespace

ReportTable buildCategoriesView(const ledger::CTalwerkDoc& doc) {
    ReportFrame frame(doc.settings(), doc.screenScale(), 6);
    ReportTable& table = frame.table();
    for (int c = 3; c < 6; ++c)
        table.setColumnAlignment(c, kAlignRight);
    frame.addTitleRow("Kategorien");

    const int first = frame.addColumnTitleRow(0, 3);
    const int second = frame.addColumnTitleRow(1, 3);
    const int third = frame.addColumnTitleRow(2, 3);
    table.setCell(first, 0, "Kontenart", 3);
    table.setCell(second, 1, "Kategorie");
    table.setCell(second, 2, "Unterkategorie");
    static const char* const kLine3[] = {"zuordnung", "zuordnung 1", "zuordnung 2"};
    static const char* const kLine2[] = {"bei Standard-", "bei Alternativ-", "bei Alternativ-"};
    for (int k = 0; k < 3; ++k) {
        table.setCell(first, 3 + k, "Anzahl Konten");
        table.setCell(second, 3 + k, kLine2[k]);
        table.setCell(third, 3 + k, kLine3[k]);
    }

    static const char* const kKinds[] = {"Bestandskonten", "Einnahmenkonten", "Ausgabenkonten"};
    for (const ledger::KontoArt kind : ledger::kAlleKontoArten) {
        int row = frame.addRow(categoryTreeFill(CategoryTreeLevel::Kind, kind), true,
                               RowTag::kontoArt(kind));
        table.setCell(row, 0, kKinds[ledger::kontoArtIndex(kind)], 3);
        const std::array<Counts, 3> counts = countAssignments(doc, kind);
        for (const ledger::CTWKategorie* category : byName(doc.categories().tree(kind))) {
            row = frame.addRow(categoryTreeFill(CategoryTreeLevel::Category, kind), false,
                               RowTag::kategorie(kind, category->id));
            table.setCell(row, 1, category->name, 2);
            setCounts(table, row, counts, {category->id, -1});
            for (const ledger::CTWUnterkategorie* sub : byName(category->subcategories())) {
                row = frame.addRow(categoryTreeFill(CategoryTreeLevel::SubCategory, kind), false,
                                   RowTag::unterkategorie(kind, category->id, sub->id));
                table.setCell(row, 2, sub->name);
                setCounts(table, row, counts, {category->id, sub->id});
            }
        }
    }
    return frame.take();
}

} // namespace reports
