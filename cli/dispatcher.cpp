#include "cli/arguments.h"
#include "cli/command.h"
#include "ledger/win1252.h"

namespace cli {

namespace {

void printUsage(std::ostream& err) {
    err << "Aufruf: talerwerk-cli --version\n";
    for (const Command& c : commands())
        err << "       talerwerk-cli " << c.name << ' ' << ledger::toUtf8(c.usage) << '\n';
}

} // namespace

int dispatch(const std::vector<std::string>& args, Io& io) {
    if (args.empty()) {
        printUsage(io.err);
        return kExitUsage;
    }
    for (const Command& c : commands()) {
        if (c.name != args.front())
            continue;
        Arguments rest(std::vector<std::string>(args.begin() + 1, args.end()));
        try {
            return c.run(rest, io);
        } catch (const UsageError& e) {
            // Messages and usage texts are Windows-1252; the terminal gets UTF-8.
            io.err << ledger::toUtf8(e.what()) << "\nAufruf: talerwerk-cli " << c.name << ' '
                   << ledger::toUtf8(c.usage) << '\n';
            return kExitUsage;
        }
    }
    io.err << "Unbekannter Befehl " << args.front() << '\n';
    printUsage(io.err);
    return kExitUsage;
}

} // namespace cli
