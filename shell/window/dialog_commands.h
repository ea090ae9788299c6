// The commands that open a dialog of the booking, account, category and option parts. Each
// part registers its handler at start-up; a command without a handler is shown disabled.
#pragma once

#include "reports/report_table.h"

#include <functional>

class QWidget;

namespace shell {

class CChildFrame;
class Document;

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
    Document* document = nullptr;
    CChildFrame* frame = nullptr;
    reports::RowTag tag; // the row the command was chosen on, if any
    int optionsPage = 0; // "&Optionen...": the page, named by the view kind it belongs to
};

// Returns true when the ledger was changed.
using DialogHandler = std::function<bool(const CommandContext&)>;

// "Auswählen..." of the view bar: the comparison periods in the period comparison view, the
// account or category in the others.
inline DialogCommand selectionCommand(int viewKind) {
    return viewKind == 9 ? DialogCommand::VergleichsperiodenAuswaehlen
                         : DialogCommand::KontoKategorieAuswaehlen;
}

void registerDialogCommand(DialogCommand command, DialogHandler handler);
bool hasDialogCommand(DialogCommand command);
// Runs the command on the window's document; a change marks the document modified and
// refreshes all its views.
void runDialogCommand(DialogCommand command, CChildFrame& frame, QWidget* parent,
                      const reports::RowTag& tag = {}, int optionsPage = 0);

} // namespace shell
