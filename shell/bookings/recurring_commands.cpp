#include "shell/bookings/recurring_commands.h"

#include "bookings/buchung_regel_form.h"
#include "bookings/faellige_buchungen_form.h"
#include "shell/app/application.h"
#include "shell/bookings/buchung_regel_dlg.h"
#include "shell/bookings/buchung_regeln_dlg.h"
#include "shell/bookings/faellige_buchungen_dlg.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"

namespace shell {

bool editRules(const CommandContext& c) {
    CBuchungRegelnDlg dlg(c.document->ledger(), theApp().clock(), c.parent);
    dlg.exec();
    return dlg.changed();
}

bool dueBookings(const CommandContext& c) {
    return runDueBookings(c.parent, c.document->ledger());
}

bool runDueBookings(QWidget* parent, ledger::CTalwerkDoc& doc) {
    bookings::CFaelligeBuchungenForm form(doc, theApp().clock());
    CFaelligeBuchungenDlg dlg(form, doc, parent);
    dlg.exec();
    return form.changed();
}

bool repeatBooking(QWidget* parent, ledger::CTalwerkDoc& doc, int32_t bookingSerial) {
    const int index = doc.indexOfBuchung(bookingSerial);
    if (index < 0)
        return false;
    bookings::CBuchungRegelForm form(doc, theApp().clock());
    form.openFromBooking(*doc.bookings()[static_cast<size_t>(index)]);
    CBuchungRegelDlg dlg(form, parent);
    return dlg.exec() == QDialog::Accepted && form.changed();
}

} // namespace shell
