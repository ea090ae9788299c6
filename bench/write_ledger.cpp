// talerwerk-write-ledger: writes the generated ledger of 100 000 bookings to a file, so that
// whole commands (talerwerk-cli show, the desktop program) can be timed on it.
#include "bench/ledger_generator.h"
#include "ledger/ledger_file.h"

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--dual") != 0)) {
        std::cerr << "Aufruf: talerwerk-write-ledger DATEI [--dual]\n";
        return 2;
    }
    bench::LedgerOptions options;
    options.dualCurrency = argc == 3;
    auto doc = bench::generateLedger(options);
    // The desktop program opens its views from the first booking on, so that opening the
    // file shows (and times) all of them.
    ledger::Darstellungszeitraum period = doc->initialPeriod();
    period.startRule = ledger::kErsteBuchung;
    doc->setInitialPeriod(period);
    const std::string failure = ledger::saveLedgerFile(*doc, argv[1]);
    if (!failure.empty()) {
        std::cerr << argv[1] << ": " << failure << '\n';
        return 1;
    }
    return 0;
}
