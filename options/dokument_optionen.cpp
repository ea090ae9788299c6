#include "options/dokument_optionen.h"

namespace options {

Dokumentoptionen Dokumentoptionen::of(const ledger::CTalwerkDoc& doc) {
    return {doc.settings, doc.password, doc.initialPeriod, doc.accountBookingsSortDirection};
}

void Dokumentoptionen::writeTo(ledger::CTalwerkDoc& doc) const {
    doc.settings = settings;
    doc.password = password;
    doc.initialPeriod = initialPeriod;
    doc.accountBookingsSortDirection = accountBookingsSortDirection;
    doc.setModified();
}

} // namespace options
