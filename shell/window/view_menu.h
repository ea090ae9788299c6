// The context menus of the views: which entries a right-click offers, by view kind and by the
// kind of the row under the cursor.
#pragma once

#include "shell/window/dialog_commands.h"

#include <optional>
#include <vector>

namespace shell {

enum class MenuAction {
    Separator,
    Dialog,       // runs `dialog` (with `optionsPage` for the options)
    JumpBookings, // the row's account or category in the account bookings view
    JumpValues,   // ... in the account value table view
    JumpChart,    // ... in the account chart view
    Back,         // "&Ansicht < Zurück"
    AsChart,      // value table -> chart of the same kind
    AsTable,      // chart -> value table
};

struct MenuEntry {
    MenuAction action = MenuAction::Separator;
    const char16_t* label = nullptr;
    DialogCommand dialog = DialogCommand::Optionen;
    std::optional<reports::ViewKind> optionsPage = std::nullopt;
};

// The entries of the context menu of view kind `viewKind` on a row with tag kind `tagKind`
// (a reports::RowTag kind; kNone for rows without an object). `provisional` tells whether
// the booking of a booking row is provisional: only then does the bookings view offer
// "Buchung be&stätigen...", and only the bookings view carries that extra command.
std::vector<MenuEntry> contextMenuEntries(reports::ViewKind viewKind, int tagKind,
                                          bool provisional = false);

// The view kind that a jump, AsChart or AsTable entry leads to from viewKind, if any.
std::optional<reports::ViewKind> targetViewKind(MenuAction action, reports::ViewKind viewKind);

} // namespace shell
