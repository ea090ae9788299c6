#include "shell/window/dialog_commands.h"

#include "reports/view_kinds.h"
#include "shell/window/child_frame.h"
#include "shell/window/open_ledger.h"

#include <map>

namespace shell {

namespace {

std::map<DialogCommand, DialogHandler>& handlers() {
    static std::map<DialogCommand, DialogHandler> registered;
    return registered;
}

// The name of the undo step of a command; a handler that knows better (how many bookings an
// import added) names its own step.
QString stepName(DialogCommand command) {
    using DC = DialogCommand;
    switch (command) {
    case DC::NeueBuchung:
        return u"Buchung hinzufügen"_qs;
    case DC::BuchungsEditor:
        return u"Buchungs-Editor"_qs;
    case DC::FaelligeBuchungen:
        return u"Fällige Buchungen"_qs;
    case DC::RegelmaessigeBuchungen:
        return u"Regelmäßige Buchungen"_qs;
    case DC::BuchungenImportieren:
        return u"Buchungen importieren"_qs;
    case DC::NeuesKonto:
        return u"Konto hinzufügen"_qs;
    case DC::KontenEditor:
        return u"Konten-Editor"_qs;
    case DC::KategorieEditor:
        return u"Kategorie-Editor"_qs;
    case DC::EuroTool:
        return u"Euro-Umstellung"_qs;
    case DC::Optionen:
        return u"Optionen ändern"_qs;
    case DC::BuchungBearbeiten:
        return u"Buchung bearbeiten"_qs;
    case DC::BuchungBestaetigen:
        return u"Buchung bestätigen"_qs;
    case DC::BuchungLoeschen:
        return u"Buchung löschen"_qs;
    case DC::KontoBearbeiten:
        return u"Konto bearbeiten"_qs;
    case DC::KontoLoeschen:
        return u"Konto löschen"_qs;
    case DC::KategorieBearbeiten:
        return u"Kategorie umbenennen"_qs;
    case DC::KategorieLoeschen:
        return u"Kategorie löschen"_qs;
    case DC::UnterkategorieBearbeiten:
        return u"Unterkategorie umbenennen"_qs;
    case DC::UnterkategorieLoeschen:
        return u"Unterkategorie löschen"_qs;
    case DC::NeueKategorie:
        return u"Kategorie hinzufügen"_qs;
    case DC::NeueUnterkategorie:
        return u"Unterkategorie hinzufügen"_qs;
    case DC::KontoKategorieAuswaehlen:
        return u"Auswahl"_qs;
    case DC::VergleichsperiodenAuswaehlen:
        return u"Vergleichsperioden auswählen"_qs;
    case DC::FilterDefinieren:
        return u"Filter definieren"_qs;
    }
    return {};
}

} // namespace

void registerDialogCommand(DialogCommand command, DialogHandler handler) {
    handlers()[command] = std::move(handler);
}

DialogCommand selectionCommand(reports::ViewKind viewKind) {
    return reports::viewKindInfo(viewKind).selection == reports::ViewSelection::Vergleichsperioden
               ? DialogCommand::VergleichsperiodenAuswaehlen
               : DialogCommand::KontoKategorieAuswaehlen;
}

bool hasDialogCommand(DialogCommand command) {
    return handlers().contains(command);
}

void runDialogCommand(DialogCommand command, CChildFrame& frame, QWidget* parent,
                      const reports::RowTag& tag, std::optional<reports::ViewKind> optionsPage) {
    const auto it = handlers().find(command);
    if (it == handlers().end())
        return;
    OpenLedger* document = frame.document();
    bool changed = false;
    {
        LedgerAction action(*document, stepName(command));
        changed = it->second({parent, document, &frame, tag, optionsPage});
    }
    if (changed)
        document->updateAllViews();
}

} // namespace shell
