// The commands that open a dialog of the booking, account, category and option parts. Each
// part registers its handler at start-up; a command without a handler is shown disabled.
#pragma once

#include "reports/report_table.h"
#include "reports/view_kind.h"

#include <functional>
#include <optional>

class QWidget;

namespace shell {

class CChildFrame;
class OpenLedger;

enum class DialogCommand {
    NeueBuchung,
    BuchungsEditor,
    FaelligeBuchungen,
    RegelmaessigeBuchungen,
    BuchungenImportieren,
    NeuesKonto,
    KontenEditor,
    KategorieEditor,
    EuroTool,
    Optionen,
    BuchungBearbeiten,
    BuchungBestaetigen,
    BuchungLoeschen,
    KontoBearbeiten,
    KontoLoeschen,
    KategorieBearbeiten,
    KategorieLoeschen,
    UnterkategorieBearbeiten,
    UnterkategorieLoeschen,
    NeueKategorie,
    NeueUnterkategorie,
    KontoKategorieAuswaehlen,
    VergleichsperiodenAuswaehlen,
    FilterDefinieren,
};

struct CommandContext {
    QWidget* parent = nullptr;
    OpenLedger* document = nullptr;
    CChildFrame* frame = nullptr;
    reports::RowTag tag; // the row the command was chosen on, if any
    // "&Optionen...": the page, named by the view kind it belongs to; none for the first page
    std::optional<reports::ViewKind> optionsPage = std::nullopt;
};

// Returns true when the ledger was changed, upon which every view rebuilds. What the handler
// changes is one undo step named after the command, unless it wraps its actions in
// LedgerActions of their own (shell/window/open_ledger.h).
using DialogHandler = std::function<bool(const CommandContext&)>;

// "Auswählen..." of the view bar: the comparison periods in the period comparison view, the
// account or category in the others.
DialogCommand selectionCommand(reports::ViewKind viewKind);

void registerDialogCommand(DialogCommand command, DialogHandler handler);
bool hasDialogCommand(DialogCommand command);
// Runs the command on the window's document as one undo step; a change marks the document
// modified and refreshes all its views.
void runDialogCommand(DialogCommand command, CChildFrame& frame, QWidget* parent,
                      const reports::RowTag& tag = {},
                      std::optional<reports::ViewKind> optionsPage = {});

} // namespace shell
