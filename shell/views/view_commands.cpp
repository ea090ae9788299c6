#include "shell/views/view_commands.h"

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "shell/views/perioden_ausw_dlg.h"
#include "shell/window/child_frame.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"

namespace shell {

namespace {

// "&Vergleichsperioden auswählen...": the comparison settings of the document over the
// window's range.
bool chooseComparisonPeriods(const CommandContext& c) {
    if (!c.document || !c.frame)
        return false;
    ledger::CTalwerkDoc& doc = c.document->ledger();
    const ledger::CTWEinstellungen& settings = doc.settings();
    CPeriodenAuswDlg dlg(settings, c.frame->params().start, c.frame->params().end,
                         c.document->currencySymbols(), c.parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    doc.changeSettings([&](ledger::CTWEinstellungen& s) { dlg.store(s); });
    return true;
}

} // namespace

void registerViewCommands() {
    registerDialogCommand(DialogCommand::VergleichsperiodenAuswaehlen, chooseComparisonPeriods);
}

} // namespace shell
