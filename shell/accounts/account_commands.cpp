#include "shell/accounts/account_commands.h"

#include "accounts/konto_loeschen.h"
#include "reports/report_params.h"
#include "shell/accounts/bezeichnung_dlg.h"
#include "shell/accounts/euro_tool_runner.h"
#include "shell/accounts/kategorie_editor_dlg.h"
#include "shell/accounts/konten_editor_dlg.h"
#include "shell/accounts/konto_bearbeiten_dlg.h"
#include "shell/accounts/konto_kat_auswahl_dlg.h"
#include "shell/accounts/konto_neu_dlg.h"
#include "shell/app/application.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/child_frame.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"

namespace shell {

namespace {

using reports::RowTag;

ledger::CTalwerkDoc& ledgerOf(const CommandContext& c) {
    return c.document->ledger();
}

ledger::CNVKDatum today() {
    return ledger::CNVKDatum::today(theApp().clock());
}

// The view's selection as the selection dialog takes it, and back.
accounts::Auswahl toAuswahl(const reports::Selection& s) {
    return {s.kind, s.accountId, s.accountKind, s.categoryId, s.subcategoryId};
}

reports::Selection toSelection(const accounts::Auswahl& a) {
    reports::Selection s;
    s.kind = a.typ;
    s.accountId = a.kontoId;
    s.accountKind = a.kind;
    s.categoryId = a.categoryId;
    s.subcategoryId = a.subcategoryId;
    return s;
}

bool neuesKonto(const CommandContext& c) {
    CKontoNeuDlg dialog(ledgerOf(c), std::nullopt, c.parent);
    dialog.exec();
    return dialog.changed();
}

bool kontenEditor(const CommandContext& c) {
    CKontenEditorDlg dialog(ledgerOf(c), today(), c.parent);
    dialog.exec();
    return dialog.changed();
}

bool kategorieEditor(const CommandContext& c) {
    CKategorieEditorDlg dialog(ledgerOf(c), c.parent);
    dialog.exec();
    return dialog.changed();
}

bool kontoBearbeiten(const CommandContext& c) {
    const int index = ledgerOf(c).indexOfKonto(c.tag.id1);
    if (c.tag.kind != RowTag::kKonto || index < 0)
        return false;
    CKontoBearbeitenDlg dialog(ledgerOf(c), index, today(), c.parent);
    dialog.exec();
    return dialog.changed();
}

bool kontoLoeschen(const CommandContext& c) {
    QtPrompter prompter(c.parent);
    return c.tag.kind == RowTag::kKonto &&
           accounts::deleteKonto(ledgerOf(c), prompter, c.tag.id1,
                                 accounts::LoeschMeldungen::Ansicht);
}

// Shows the name entry of the operation, if there is one, and carries it out.
bool benennen(const CommandContext& c, const std::optional<accounts::KategorieBenennung>& op) {
    return op && CBezeichnungDlg::run(*op, ledgerOf(c), c.parent) != -1;
}

bool neueKategorie(const CommandContext& c) {
    // Every row of a kind's tree names the kind first.
    if (c.tag.kind != RowTag::kKontoArt && c.tag.kind != RowTag::kKategorie &&
        c.tag.kind != RowTag::kUnterkategorie)
        return false;
    return benennen(c, accounts::KategorieBenennung::neueKategorie(ledgerOf(c), c.tag.art()));
}

bool neueUnterkategorie(const CommandContext& c) {
    if (c.tag.kind != RowTag::kKategorie && c.tag.kind != RowTag::kUnterkategorie)
        return false;
    return benennen(
        c, accounts::KategorieBenennung::neueUnterkategorie(ledgerOf(c), c.tag.art(), c.tag.id2));
}

bool kategorieBearbeiten(const CommandContext& c) {
    return c.tag.kind == RowTag::kKategorie &&
           benennen(c, accounts::KategorieBenennung::kategorieBearbeiten(ledgerOf(c), c.tag.art(),
                                                                         c.tag.id2));
}

bool unterkategorieBearbeiten(const CommandContext& c) {
    return c.tag.kind == RowTag::kUnterkategorie &&
           benennen(c, accounts::KategorieBenennung::unterkategorieBearbeiten(
                           ledgerOf(c), c.tag.art(), c.tag.id2, c.tag.id3));
}

bool kategorieLoeschen(const CommandContext& c) {
    QtPrompter prompter(c.parent);
    return c.tag.kind == RowTag::kKategorie &&
           accounts::deleteKategorie(ledgerOf(c), prompter, c.tag.art(), c.tag.id2,
                                     accounts::LoeschMeldungen::Ansicht);
}

bool unterkategorieLoeschen(const CommandContext& c) {
    QtPrompter prompter(c.parent);
    return c.tag.kind == RowTag::kUnterkategorie &&
           accounts::deleteUnterkategorie(ledgerOf(c), prompter, c.tag.art(), c.tag.id2, c.tag.id3,
                                          accounts::LoeschMeldungen::Ansicht);
}

// Not a change of the ledger: a confirmed choice becomes the window's selection, which
// refreshes that window.
bool kontoKategorieAuswaehlen(const CommandContext& c) {
    if (!c.frame)
        return false;
    CKontoKatAuswahlDlg dialog(ledgerOf(c), c.frame->grouping(),
                               toAuswahl(c.frame->params().selection), c.parent);
    if (dialog.exec() == QDialog::Accepted)
        c.frame->setSelection(toSelection(dialog.selected()));
    return false;
}

bool euroTool(const CommandContext& c) {
    return runEuroTool(*c.document, theApp().nationalCurrencies(), c.parent);
}

} // namespace

void registerAccountCommands() {
    using DC = DialogCommand;
    registerDialogCommand(DC::NeuesKonto, neuesKonto);
    registerDialogCommand(DC::KontenEditor, kontenEditor);
    registerDialogCommand(DC::KategorieEditor, kategorieEditor);
    registerDialogCommand(DC::EuroTool, euroTool);
    registerDialogCommand(DC::KontoBearbeiten, kontoBearbeiten);
    registerDialogCommand(DC::KontoLoeschen, kontoLoeschen);
    registerDialogCommand(DC::NeueKategorie, neueKategorie);
    registerDialogCommand(DC::NeueUnterkategorie, neueUnterkategorie);
    registerDialogCommand(DC::KategorieBearbeiten, kategorieBearbeiten);
    registerDialogCommand(DC::UnterkategorieBearbeiten, unterkategorieBearbeiten);
    registerDialogCommand(DC::KategorieLoeschen, kategorieLoeschen);
    registerDialogCommand(DC::UnterkategorieLoeschen, unterkategorieLoeschen);
    registerDialogCommand(DC::KontoKategorieAuswaehlen, kontoKategorieAuswaehlen);
}

} // namespace shell
