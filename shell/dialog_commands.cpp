#include "shell/dialog_commands.h"

#include "shell/document.h"

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

bool hasDialogCommand(DialogCommand command) {
    return handlers().contains(command);
}

void runDialogCommand(DialogCommand command, const CommandContext& context) {
    const auto it = handlers().find(command);
    if (it == handlers().end() || !context.document)
        return;
    if (it->second(context)) {
        context.document->setModified();
        context.document->updateAllViews();
    }
}

} // namespace shell
