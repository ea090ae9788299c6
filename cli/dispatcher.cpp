#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "ledger/win1252.h"
#include "platform/version.h"

#include <algorithm>

namespace cli {

namespace {

void printUsage(std::ostream& err) {
    err << "Aufruf: talerwerk-cli --help | --version\n";
    for (const Command& c : commands())
        err << "       talerwerk-cli " << c.name << ' ' << ledger::toUtf8(c.usage) << '\n';
}

bool isHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

} // namespace

int dispatch(const std::vector<std::string>& args, Io& io) {
    if (args.empty()) {
        printUsage(io.err);
        return kExitUsage;
    }
    if (args.size() == 1 && isHelp(args.front())) {
        printProgramHelp(io.out);
        return kExitOk;
    }
    if (args.size() == 1 && args.front() == "--version") {
        io.out << "talerwerk-cli " << platform::kProgramVersion << '\n';
        return kExitOk;
    }
    for (const Command& c : commands()) {
        if (c.name != args.front())
            continue;
        // "--help" anywhere after the command; a value that reads "--help" is given as
        // "--option=--help".
        if (std::any_of(args.begin() + 1, args.end(), isHelp)) {
            printCommandHelp(c, io.out);
            return kExitOk;
        }
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
