#include "shell/view_builder.h"

#include "reports/accounts_by_category_view.h"
#include "reports/accounts_view.h"
#include "reports/categories_view.h"

namespace shell {

bool viewKindAvailable(int kind) {
    return kind == reports::kAccountsView || kind == reports::kAccountsByCategoryView ||
           kind == reports::kCategoriesView;
}

std::optional<reports::ReportTable> buildView(const ledger::CTalwerkDoc& doc,
                                              const reports::ReportParams& params) {
    switch (params.viewKind) {
    case reports::kAccountsView:
        return reports::buildAccountsView(doc, params);
    case reports::kAccountsByCategoryView:
        return reports::buildAccountsByCategoryView(doc, params);
    case reports::kCategoriesView:
        return reports::buildCategoriesView(doc);
    default:
        return std::nullopt;
    }
}

} // namespace shell
