#include "cli/demo_command.h"

#include "cli/common_options.h"
#include "cli/demo_ledger.h"
#include "cli/ledger_change.h"
#include "ledger/win1252.h"

#include <filesystem>

namespace cli {

int runDemo(Arguments& args, Io& io) {
    const auto clock = takeClockOption(args);
    const bool overwrite = args.flag("overwrite");
    const ledger::SicherungsRegel backups = takeBackupOptions(args);
    const std::filesystem::path dir = args.positionals(1).front();
    const ledger::CNVKDatum today = ledger::CNVKDatum::today(*clock);
    // A folder that does not exist yet is made, with the folders above it.
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        io.err << dir.string() << ": " << ledger::toUtf8("Der Ordner kann nicht angelegt werden.")
               << '\n';
        return kExitFailure;
    }

    const struct {
        const char* name;
        std::unique_ptr<ledger::CTalwerkDoc> doc;
    } files[] = {{"DemoKontenplan.tlw", demoKontenplan(today)},
                 {"DemoDatei1.tlw", demoDatei(today)}};
    // Nothing is written when either file is there already.
    for (const auto& file : files) {
        std::error_code error;
        if (!overwrite && std::filesystem::exists(dir / file.name, error))
            return saveNewLedger(*file.doc, dir / file.name, false, backups, *clock, io);
    }
    for (const auto& file : files) {
        if (const int code =
                saveNewLedger(*file.doc, dir / file.name, overwrite, backups, *clock, io))
            return code;
    }
    return kExitOk;
}

} // namespace cli
