// The commands of the account, category and currency dialogs: "Neues Konto...",
// "Konten-Editor...", "Kategorie-Editor...", "Euro-Tool..." and the row commands of the views
// (edit and delete an account, new, edit and delete a category or sub-category, choose the
// account or category a view shows).
#pragma once

namespace shell {

// Registers the handlers of these commands (once, at start-up).
void registerAccountCommands();

} // namespace shell
