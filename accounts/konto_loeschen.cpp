#include "accounts/konto_loeschen.h"

namespace accounts {

namespace {

// `"name" (number/abbreviation)`: how the view's messages name the account.
std::string kennung(const ledger::CTWKonto& konto) {
    return "\"" + konto.name + "\" (" + std::to_string(static_cast<uint32_t>(konto.number)) + "/" +
           konto.abbreviation + ")";
}

} // namespace

bool deleteKonto(ledger::CTalwerkDoc& doc, platform::Prompter& prompter, int32_t kontoId,
                 LoeschMeldungen meldungen) {
    const int index = doc.indexOfKonto(kontoId);
    if (index < 0)
        return false;
    const ledger::CTWKonto& konto = *doc.accounts()[index];
    const char* caption = "Konto löschen";
    const bool editor = meldungen == LoeschMeldungen::Editor;
    const std::string subject = editor ? "Dieses Konto" : "Das Konto " + kennung(konto);

    if (konto.bookingCount != 0) {
        prompter.information(subject + " kann nicht gelöscht werden, da Buchungen auf diesem "
                                       "Konto vorhanden sind!",
                             caption);
        return false;
    }
    if (doc.isKontoUsedByRegel(kontoId)) {
        prompter.information(subject + " kann nicht gelöscht werden, da regelmäßige Buchungen "
                                       "auf diesem Konto ausgeführt werden!",
                             caption);
        return false;
    }
    const std::string question =
        editor ? "Möchten Sie das Konto wirklich löschen?"
               : "Möchten Sie das Konto " + kennung(konto) + " wirklich löschen?";
    if (!prompter.askYesNo(question, caption))
        return false;

    // The switch dates are owned by the account and go with it.
    doc.removeKonto(kontoId);
    return true;
}

} // namespace accounts
