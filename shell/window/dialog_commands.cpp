#include "shell/window/dialog_commands.h"

#include "reports/view_kinds.h"
#include "shell/window/child_frame.h"
#include "shell/window/document.h"

#include <map>

namespace shell {

namespace {

std::map<DialogCommand, DialogHandler>& handlers() {
    static std::map<DialogCommand, DialogHandler> registered;
    return registered;
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
    Document* document = frame.document();
    if (it->second({parent, document, &frame, tag, optionsPage})) {
        document->setModified();
        document->updateAllViews();
    }
}

} // namespace shell
