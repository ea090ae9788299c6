// talerwerk-write-ledger: writes the generated ledger of 100 000 bookings to a file, so that
// whole commands (talerwerk-cli show, the desktop program) can be timed on it; with
// --journal also the same bookings as a plain-text journal of the double-entry tool
// `ledger`, so that its `balance` can be timed on the same work.
#include "bench/ledger_generator.h"
#include "ledger/ledger_file.h"
#include "ledger/win1252.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {

using namespace ledger;

std::string journalAccount(const CTWKonto& konto) {
    static constexpr const char* kKinds[] = {"Bestand", "Einnahmen", "Ausgaben"};
    return std::string(kKinds[kontoArtIndex(konto.kind)]) + ':' + toUtf8(konto.name);
}

std::string journalAmount(int64_t hundredths) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld EUR", hundredths < 0 ? "-" : "",
                  static_cast<long long>((hundredths < 0 ? -hundredths : hundredths) / 100),
                  static_cast<long long>((hundredths < 0 ? -hundredths : hundredths) % 100));
    return text;
}

// Every booking as a transaction from its source account to its target account: an income
// flows from the income account into the asset account, an expense from the asset account
// into the expense account, a transfer from the first account to the second. The opening
// balances of the asset accounts open the journal. Single currency only.
bool writeJournal(const CTalwerkDoc& doc, const char* path) {
    std::map<int32_t, std::string> names;
    for (const CTWKonto* konto : doc.accounts())
        names[konto->id] = journalAccount(*konto);
    std::ofstream out(path, std::ios::binary);
    out << "1995/01/01 Anfangsbestand\n";
    for (const CTWKonto* konto : doc.accounts())
        if (konto->isAsset())
            out << "    " << names[konto->id] << "  " << journalAmount(konto->openingBalance)
                << '\n';
    out << "    Eigenkapital\n\n";
    for (const CTWBuchung* b : doc.bookings()) {
        const bool income = b->kind == Vorgang::Einnahme;
        const std::string& from = names[income ? b->konto2Id : b->konto1Id];
        const std::string& to = names[income ? b->konto1Id : b->konto2Id];
        out << b->date.year() << '/' << b->date.month() << '/' << b->date.day() << ' '
            << (b->text.empty() ? std::string("-") : toUtf8(b->text)) << "\n    " << to << "  "
            << journalAmount(b->amount) << "\n    " << from << "\n\n";
    }
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv) {
    bench::LedgerOptions options;
    const char* journal = nullptr;
    const char* file = nullptr;
    bool usable = true;
    for (int i = 1; i < argc && usable; ++i) {
        if (std::strcmp(argv[i], "--dual") == 0)
            options.dualCurrency = true;
        else if (std::strcmp(argv[i], "--journal") == 0 && i + 1 < argc)
            journal = argv[++i];
        else if (!file && argv[i][0] != '-')
            file = argv[i];
        else
            usable = false;
    }
    if (!usable || !file || (journal && options.dualCurrency)) {
        std::cerr << "Aufruf: talerwerk-write-ledger DATEI [--dual | --journal JOURNAL]\n";
        return 2;
    }
    auto doc = bench::generateLedger(options);
    if (journal && !writeJournal(*doc, journal)) {
        std::cerr << journal << ": nicht geschrieben\n";
        return 1;
    }
    // The desktop program opens its views from the first booking on, so that opening the
    // file shows (and times) all of them.
    ledger::Darstellungszeitraum period = doc->initialPeriod();
    period.startRule = ledger::kErsteBuchung;
    doc->setInitialPeriod(period);
    const std::string failure = ledger::saveLedgerFile(*doc, file);
    if (!failure.empty()) {
        std::cerr << file << ": " << failure << '\n';
        return 1;
    }
    return 0;
}
