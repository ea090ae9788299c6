#include "options/dokument_optionen.h"

namespace options {

Dokumentoptionen Dokumentoptionen::of(const ledger::CTalwerkDoc& doc) {
    return {doc.settings(), doc.password(), doc.initialPeriod(),
            doc.accountBookingsSortDirection()};
}

void Dokumentoptionen::writeTo(ledger::CTalwerkDoc& doc) const {
    doc.setSettings(settings);
    doc.setPassword(password);
    doc.setInitialPeriod(initialPeriod);
    doc.setAccountBookingsSortDirection(accountBookingsSortDirection);
}

} // namespace options
