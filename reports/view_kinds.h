// The table of view kinds: each kind once, with its labels and shortcut, its report builder,
// the view-bar controls it shows and the commands that apply to it. Windows, menus, the view
// bar, printing and the command line all read this table instead of testing kind numbers.
#pragma once

#include "ledger/dokument.h"
#include "reports/chart.h"
#include "reports/report_params.h"
#include "reports/report_table.h"
#include "reports/view_kind.h"

#include <array>
#include <optional>

namespace reports {

// Builds the report table of a view kind, or the chart of a chart kind.
using TableBuilder = ReportTable (*)(const ledger::CTalwerkDoc& doc, const ReportParams& params);
using ChartBuilder = Chart (*)(const ledger::CTalwerkDoc& doc, const ReportParams& params);

// What "Auswählen..." of the view bar chooses in a view kind.
enum class ViewSelection {
    Nothing,
    KontoKategorie,     // an account, category or sub-category
    Vergleichsperioden, // the periods of the comparison
};

// The controls of the view bar that a view kind shows besides the list of view kinds; the
// "Auswählen..." button shows where the kind selects something.
struct ViewBarControls {
    bool dates = false;      // "von" and "bis"
    bool periodKind = false; // "Darstellung"
    bool filter = false;     // "Filter" and its "Bearbeiten..."
    bool valueKind = false;  // "Wert"
    bool currency = false;   // "Währung"
};

// The commands of the "Ansicht" menu that apply to a view kind besides choosing it.
struct ViewKindCommands {
    bool withoutProvisional = false; // "Ohne vorläufige Buchungen"
    bool grouping = false;           // the three category assignments
    bool rowDialogs = false;         // a double-click opens the dialog of the row's object
};

struct ViewKindInfo {
    ViewKind kind;
    const char* label;              // view bar, default-view dialog, command line
    const char* menuLabel;          // the "Ansicht" menu, with its accelerator
    const char* shortcut = "";      // portable key text ("Ctrl+1"), empty when the kind has none
    bool chart = false;             // drawn as a chart, not as a table
    TableBuilder builder = nullptr; // nullptr for charts
    ChartBuilder chartBuilder = nullptr;
    ViewBarControls controls = {};
    ViewKindCommands commands = {};
    ViewSelection selection = ViewSelection::Nothing;
    // The same values as chart (of a value table) or as value table (of a chart).
    std::optional<ViewKind> counterpart = std::nullopt;
    // The kind whose page of "Optionen..." it shares.
    std::optional<ViewKind> sharedOptions = std::nullopt;
};

// Every view kind, in the order of the "Ansicht" menu and of the view bar's list.
extern const std::array<ViewKindInfo, kViewKindCount> kViewKinds;

// The row of the table for a kind.
const ViewKindInfo& viewKindInfo(ViewKind kind);

// The kind with that number, or nothing for a number that is no view kind.
std::optional<ViewKind> viewKindFromNumber(int number);

// The label of a view kind in the view bar ("Konten", "Buchungen gefiltert", ...).
const char* viewKindLabel(ViewKind kind);

// The numbers of all view kinds as a reader would list them, for messages.
extern const char* const kViewKindNumbers;

// The page of "Optionen..." for a view kind, named by the kind it belongs to.
ViewKind optionsPage(ViewKind kind);

// The table of the view kind of the parameters, or nothing for a chart kind.
std::optional<ReportTable> buildReportTable(const ledger::CTalwerkDoc& doc,
                                            const ReportParams& params);

// The chart of the view kind of the parameters, or nothing for a kind that is no chart.
std::optional<Chart> buildChart(const ledger::CTalwerkDoc& doc, const ReportParams& params);

} // namespace reports
