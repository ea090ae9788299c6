// The table of talerwerk-cli's commands; each command lives in its own file pair.
#include "cli/account_command.h"
#include "cli/booking_command.h"
#include "cli/category_command.h"
#include "cli/check_command.h"
#include "cli/command.h"
#include "cli/demo_command.h"
#include "cli/due_command.h"
#include "cli/editor_command.h"
#include "cli/euro_command.h"
#include "cli/import_command.h"
#include "cli/new_command.h"
#include "cli/options_command.h"
#include "cli/rule_command.h"
#include "cli/show_command.h"

#include <array>

namespace cli {

namespace {
constexpr std::array kCommands = {
    Command{
        "account",
        "new DATEI | edit DATEI NR | delete DATEI NR [--yes]  [--kind 0|1|2] [--name TEXT] "
        "[--number NR] [--abbreviation TEXT] [--currency 0|1] [--opening-balance BETRAG] "
        "[--category KAT] [--subcategory UKAT] [--alt1 KAT [--alt1-sub UKAT] | "
        "--alt1-standard] [--alt2 KAT [--alt2-sub UKAT] | --alt2-standard] [--password KENNWORT] "
        "[--now TT.MM.JJJJ] [--backups N | --no-backup]",
        runAccount},
    Command{"booking",
            "new DATEI --date TT.MM.JJJJ --kind 0|1|2 --account1 KONTO --account2 KONTO "
            "--amount AUSDRUCK [--number NR] [--text TEXT] [--notes NOTIZEN] [--currency 0|1] "
            "[--provisional] [--yes] [--password KENNWORT] [--now TT.MM.JJJJ] "
            "[--backups N | --no-backup]",
            runBooking},
    Command{"category",
            "new|rename|delete DATEI --kind 0|1|2 [--category KAT] [--subcategory UKAT] "
            "[--name TEXT] [--yes] [--password KENNWORT] [--now TT.MM.JJJJ] "
            "[--backups N | --no-backup]",
            runCategory},
    Command{"check", "DATEI [--password KENNWORT] [--now TT.MM.JJJJ]", runCheck},
    Command{"demo", "VERZEICHNIS [--overwrite] [--now TT.MM.JJJJ] [--backups N | --no-backup]",
            runDemo},
    Command{"due",
            "DATEI [--until TT.MM.JJJJ] [--booking-date TT.MM.JJJJ] [--first-number NR] "
            "[--sort 0..3] [--format fixed|tabs] [--execute | --delete] [--rows 1,3,...] [--yes] "
            "[--password KENNWORT] [--now TT.MM.JJJJ] "
            "[--backups N | --no-backup]",
            runDue},
    Command{"editor",
            "DATEI --from TT.MM.JJJJ --to TT.MM.JJJJ [--filter 1..10] [--sort 0..9] "
            "[--descending] [--renumber START | --replace-text SUCHE ERSATZ [--scope 0|1|2] "
            "[--case] | --replace-account KONTO_S KONTO_R | --delete-all] [--yes] "
            "[--password KENNWORT] [--now TT.MM.JJJJ] [--backups N | --no-backup]",
            runEditor},
    Command{"euro",
            "DATEI [--currency DEM|ATS|...] [--rate KURS] [--eur-symbol TEXT] "
            "[--national-symbol TEXT] [--keep-account NR]... [--keep-rule NAME]... "
            "[--rule-amount NAME=BETRAG]... [--keep-preset] [--keep-national-amounts] "
            "[--keep-view NAME]... [--yes] [--password KENNWORT] [--now TT.MM.JJJJ] "
            "[--backups N | --no-backup]",
            runEuro},
    Command{"import",
            "DATEI TEXTDATEI [--kinds 0|1|2] [--ident 0|1|2] [--amounts 0|1|2] [--notes] "
            "[--stop-on-error] [--password KENNWORT] [--now TT.MM.JJJJ] "
            "[--backups N | --no-backup]",
            runImport},
    Command{"new",
            "DATEI (--euro-only SYMBOL | --dual CODE [--rate KURS] [--symbols EUR,LAND] | "
            "--other SYMBOL) [--overwrite] [--now TT.MM.JJJJ] [--backups N | --no-backup]",
            runNew},
    Command{"options",
            "DATEI [--decimal-separator ,|.] [--thousands-separator .|,|'] [--no-grouping 0|1] "
            "[--protect | --unprotect] [--new-password TEXT] [--repeat TEXT] [--symbol TEXT] "
            "[--second-symbol TEXT] [--start-rule 0..3 [--start-date TT.MM.JJJJ]] "
            "[--end-rule 0..2 [--end-date TT.MM.JJJJ]] [--set NAME=WERT]... "
            "[--password KENNWORT] [--backups N | --no-backup]",
            runOptions},
    Command{"rule",
            "new DATEI | edit DATEI NAME | delete DATEI NAME [--yes] | list DATEI  [--name TEXT] "
            "[--kind 0|1|2] [--account1 KONTO] [--account2 KONTO] [--amount BETRAG] "
            "[--first TT.MM.JJJJ] [--every N] [--unit 0|1|2] [--number VORLAGE] [--counter N] "
            "[--text VORLAGE] [--notes VORLAGE] [--date-mode 0|1] [--currency 0|1] "
            "[--provisional] [--password KENNWORT] [--now TT.MM.JJJJ] "
            "[--backups N | --no-backup]",
            runRule},
    Command{
        "show",
        "DATEI --view N [--from TT.MM.JJJJ] [--to TT.MM.JJJJ] [--grouping 0|1|2] "
        "[--without-provisional] [--select account:ID|category:ART:ID|subcategory:ART:ID:UNTER] "
        "[--filter 0..9] [--periods 0..3] [--compare 0|1|2] [--value 1..6] [--currency 0|1] "
        "[--svg DATEI] [--format fixed|tabs] [--password KENNWORT] "
        "[--encoding utf-8|cp1252] [--now TT.MM.JJJJ]",
        runShow},
};
} // namespace

std::span<const Command> commands() {
    return kCommands;
}

} // namespace cli
