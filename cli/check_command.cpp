#include "cli/check_command.h"

#include "cli/common_options.h"
#include "cli/terminal.h"
#include "ledger/dokument_pruefung.h"

#include <algorithm>
#include <cstdio>

namespace cli {

namespace {

// 21101001 -> "2.11.1 (Build 1)".
std::string versionText(std::uint32_t v) {
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u (Build %u)", v / 10000000, v / 100000 % 100,
                  v / 1000 % 100, v % 1000);
    return text;
}

void printCounts(const ledger::CTalwerkDoc& doc, Io& io) {
    int kinds[ledger::kKontoArten] = {};
    for (const auto& k : doc.accounts())
        ++kinds[std::clamp(ledger::kontoArtIndex(k->kind), 0, ledger::kKontoArten - 1)];
    std::size_t categories = 0, subcategories = 0;
    for (const ledger::KontoArt kind : ledger::kAlleKontoArten) {
        const auto tree = doc.categories().tree(kind);
        categories += tree.size();
        for (const ledger::CTWKategorie* c : tree)
            subcategories += c->subcategories().size();
    }
    const auto provisional = std::count_if(doc.bookings().begin(), doc.bookings().end(),
                                           [](const auto& b) { return b->provisional != 0; });
    char line[256];
    std::snprintf(line, sizeof line,
                  "Konten: %zu (Bestandskonten %d, Einnahmenkonten %d, Ausgabenkonten %d)",
                  doc.accounts().size(), kinds[0], kinds[1], kinds[2]);
    printLine(io.out, line);
    std::snprintf(line, sizeof line, "Kategorien: %zu, Unterkategorien: %zu", categories,
                  subcategories);
    printLine(io.out, line);
    std::snprintf(line, sizeof line, "Buchungen: %zu (vorläufig: %td)", doc.bookings().size(),
                  provisional);
    printLine(io.out, line);
    std::snprintf(line, sizeof line, "Regelmäßige Buchungen: %zu", doc.rules().size());
    printLine(io.out, line);
    std::snprintf(line, sizeof line, "Buchungsfilter: %zu", doc.filters().size());
    printLine(io.out, line);
    printLine(io.out, doc.password().isActive() ? "Kennwortschutz: ja" : "Kennwortschutz: nein");
}

} // namespace

int runCheck(Arguments& args, Io& io) {
    const auto password = args.option("password");
    const auto clock = takeClockOption(args);
    const std::string path = args.positionals(1).front();

    const OpenedLedger opened = openLedger(path, password, *clock, io);
    if (!opened.document) {
        // The one message above is for the user; the reader's detail helps whoever looks
        // into a damaged file.
        if (!opened.detail.empty())
            printLine(io.err, "Einzelheiten: " + opened.detail);
        return kExitFailure;
    }
    io.out << "Datei: " << path << '\n';
    printLine(io.out, "Version: " + versionText(opened.version));
    printCounts(*opened.document, io);

    const auto violations = ledger::pruefeDokument(*opened.document);
    if (violations.empty()) {
        printLine(io.out, "Keine Verletzung gefunden.");
        return kExitOk;
    }
    printLine(io.out, std::to_string(violations.size()) + " Verletzung(en):");
    for (const auto& v : violations)
        printLine(io.out, "  " + v);
    return kExitFailure;
}

} // namespace cli
