#include "reports/view_kinds.h"

#include "reports/account_bookings_view.h"
#include "reports/accounts_by_category_view.h"
#include "reports/accounts_view.h"
#include "reports/bookings_view.h"
#include "reports/categories_view.h"
#include "reports/chart_builder.h"
#include "reports/period_comparison_view.h"
#include "reports/value_tables.h"

#include <cassert>

namespace reports {

namespace {

ReportTable buildAllBookings(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    return buildBookingsView(doc, params, false);
}
ReportTable buildFilteredBookings(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    return buildBookingsView(doc, params, true);
}
ReportTable buildCategories(const ledger::CTalwerkDoc& doc, const ReportParams&) {
    return buildCategoriesView(doc);
}

using K = ViewKind;

} // namespace

const std::array<ViewKindInfo, kViewKindCount> kViewKinds{{
    {.kind = K::Konten,
     .label = "Konten",
     .menuLabel = "&Konten",
     .shortcut = "Ctrl+1",
     .builder = buildAccountsView,
     .controls = {.dates = true},
     .commands = {.withoutProvisional = true, .grouping = true, .rowDialogs = true}},
    {.kind = K::KontenNachKategorien,
     .label = "Konten nach Kategorien",
     .menuLabel = "K&onten nach Kategorien",
     .shortcut = "Ctrl+2",
     .builder = buildAccountsByCategoryView,
     .controls = {.dates = true},
     .commands = {.withoutProvisional = true, .grouping = true, .rowDialogs = true}},
    {.kind = K::Buchungen,
     .label = "Buchungen",
     .menuLabel = "&Buchungen",
     .shortcut = "Ctrl+3",
     .builder = buildAllBookings,
     .controls = {.dates = true},
     .commands = {.withoutProvisional = true, .rowDialogs = true}},
    {.kind = K::BuchungenGefiltert,
     .label = "Buchungen gefiltert",
     .menuLabel = "Buchungen ge&filtert",
     .shortcut = "Ctrl+4",
     .builder = buildFilteredBookings,
     .controls = {.dates = true, .filter = true},
     .commands = {.withoutProvisional = true, .rowDialogs = true}},
    {.kind = K::BuchungenKonto,
     .label = "Buchungen für Konto/Kat.",
     .menuLabel = "B&uchungen für Konto/Kategorie",
     .shortcut = "Ctrl+5",
     .builder = buildAccountBookingsView,
     .controls = {.dates = true},
     .commands = {.withoutProvisional = true, .grouping = true, .rowDialogs = true},
     .selection = ViewSelection::KontoKategorie},
    {.kind = K::Periodenvergleich,
     .label = "Periodenvergleich",
     .menuLabel = "&Periodenvergleich",
     .shortcut = "Ctrl+6",
     .builder = buildPeriodComparisonView,
     .controls = {.dates = true},
     .commands = {.withoutProvisional = true, .grouping = true, .rowDialogs = true},
     .selection = ViewSelection::Vergleichsperioden},
    {.kind = K::Kategorien,
     .label = "Kategorien",
     .menuLabel = "K&ategorien",
     .builder = buildCategories,
     .commands = {.rowDialogs = true}},
    {.kind = K::WertetabelleGesamt,
     .label = "Wertetabelle - Gesamt",
     .menuLabel = "&Wertetabelle - Gesamt",
     .shortcut = "Ctrl+7",
     .builder = buildTotalValuesView,
     .controls = {.dates = true, .periodKind = true},
     .commands = {.withoutProvisional = true},
     .counterpart = K::DiagrammGesamt},
    {.kind = K::WertetabelleKonto,
     .label = "Wertetabelle - Konto/Kat.",
     .menuLabel = "W&ertetabelle - Konto/Kategorie",
     .shortcut = "Ctrl+8",
     .builder = buildAccountValuesView,
     .controls = {.dates = true, .periodKind = true},
     .commands = {.withoutProvisional = true, .grouping = true},
     .selection = ViewSelection::KontoKategorie,
     .counterpart = K::DiagrammKonto},
    {.kind = K::DiagrammGesamt,
     .label = "Diagramm - Gesamt",
     .menuLabel = "Diagramm - &Gesamt",
     .shortcut = "Ctrl+9",
     .chart = true,
     .chartBuilder = buildTotalChart,
     .controls = {.dates = true, .periodKind = true, .valueKind = true, .currency = true},
     .commands = {.withoutProvisional = true},
     .counterpart = K::WertetabelleGesamt},
    {.kind = K::DiagrammKonto,
     .label = "Diagramm - Konto/Kat.",
     .menuLabel = "Diagramm - Ko&nto/Kategorie",
     .shortcut = "Ctrl+0",
     .chart = true,
     .chartBuilder = buildAccountChart,
     .controls = {.dates = true, .periodKind = true, .currency = true},
     .commands = {.withoutProvisional = true, .grouping = true},
     .selection = ViewSelection::KontoKategorie,
     .counterpart = K::WertetabelleKonto,
     .sharedOptions = K::DiagrammGesamt},
}};

const char* const kViewKindNumbers = "1 bis 9, 101 und 102";

std::optional<ViewKind> viewKindFromNumber(int number) {
    for (const ViewKindInfo& info : kViewKinds)
        if (viewKindNumber(info.kind) == number)
            return info.kind;
    return std::nullopt;
}

const ViewKindInfo& viewKindInfo(ViewKind kind) {
    for (const ViewKindInfo& info : kViewKinds)
        if (info.kind == kind)
            return info;
    assert(false && "a view kind without its row in the table");
    return kViewKinds.front();
}

ViewKind optionsPage(ViewKind kind) {
    return viewKindInfo(kind).sharedOptions.value_or(kind);
}

const char* viewKindLabel(ViewKind kind) {
    return viewKindInfo(kind).label;
}

std::optional<ReportTable> buildReportTable(const ledger::CTalwerkDoc& doc,
                                            const ReportParams& params) {
    if (const TableBuilder build = viewKindInfo(params.viewKind).builder)
        return build(doc, params);
    return std::nullopt;
}

std::optional<Chart> buildChart(const ledger::CTalwerkDoc& doc, const ReportParams& params) {
    if (const ChartBuilder build = viewKindInfo(params.viewKind).chartBuilder)
        return build(doc, params);
    return std::nullopt;
}

} // namespace reports
