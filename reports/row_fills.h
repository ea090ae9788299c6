// Fill colours of the row types of the report tables, for the grey and the colour display mode.
#pragma once

#include "ledger/konto.h"
#include "platform/surface.h"

namespace reports {

struct RowFill {
    platform::Color grey{255, 255, 255};
    platform::Color colour{255, 255, 255};
};

inline constexpr RowFill kTitleFill{{185, 185, 185}, {205, 205, 205}};
inline constexpr RowFill kColumnTitleFill{{205, 205, 205}, {225, 225, 225}};
// "Vermögen" and "Sparbetrag" rows, and the group rows of asset accounts.
inline constexpr RowFill kSummaryFill{{225, 225, 225}, {151, 221, 255}};

// Group row of an account group by account kind (0 asset, 1 income, 2 expense).
RowFill groupRowFill(ledger::KontoArt accountKind);
// Data row of an account of the kind; rows alternate even and odd within their block.
RowFill accountRowFill(ledger::KontoArt accountKind, bool odd);
// Data row of a value table.
RowFill valueTableRowFill(bool odd);

// The row levels of the accounts-by-categories view; its summary rows have their own fill.
enum class CategoryLevel { Group, Category, SubCategory, Account };
RowFill accountsByCategoryFill(CategoryLevel level, ledger::KontoArt accountKind);
inline constexpr RowFill kAccountsByCategorySummaryFill{{225, 225, 225}, {85, 200, 255}};

// The categories view: kind rows, category rows and sub-category rows by account kind.
enum class CategoryTreeLevel { Kind, Category, SubCategory };
RowFill categoryTreeFill(CategoryTreeLevel level, ledger::KontoArt accountKind);

} // namespace reports
