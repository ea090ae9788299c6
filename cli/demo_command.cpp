#include "cli/demo_command.h"

#include "cli/common_options.h"
#include "cli/demo_ledger.h"
#include "ledger/ledger_file.h"
#include "ledger/win1252.h"

#include <filesystem>

namespace cli {

int runDemo(Arguments& args, Io& io) {
    const auto clock = takeClockOption(args);
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
    for (const auto& file : files) {
        const std::filesystem::path path = dir / file.name;
        const std::string message = ledger::saveLedgerFile(*file.doc, path);
        if (!message.empty()) {
            io.err << path.string() << ": " << ledger::toUtf8(message) << '\n';
            return kExitFailure;
        }
    }
    return kExitOk;
}

} // namespace cli
