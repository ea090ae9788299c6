#include "shell/bookings/booking_commands.h"

#include "bookings/buchung_form.h"
#include "reports/report_params.h"
#include "shell/app/application.h"
#include "shell/bookings/buchung_dlg.h"
#include "shell/bookings/buchung_import_dlg.h"
#include "shell/bookings/buchungs_editor_dlg.h"
#include "shell/bookings/filter_dlg.h"
#include "shell/bookings/recurring_commands.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/child_frame.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"

namespace shell {

namespace {

// The booking a row command acts on, or -1.
int bookingIndex(const CommandContext& c) {
    const int index = c.tag.kind == reports::RowTag::kBuchung ? c.tag.id1 : -1;
    return index >= 0 && index < static_cast<int>(c.document->ledger().bookings().size()) ? index
                                                                                          : -1;
}

bool newBooking(const CommandContext& c) {
    runNewBooking(c.parent, c.document->ledger());
    // The views were rebuilt after each booking.
    return false;
}

bool editBooking(const CommandContext& c, bool confirm) {
    const int index = bookingIndex(c);
    return index >= 0 && runEditBooking(c.parent, c.document->ledger(), index, confirm);
}

bool deleteBooking(const CommandContext& c) {
    const int index = bookingIndex(c);
    if (index < 0)
        return false;
    QtPrompter prompter(c.parent);
    if (!prompter.askYesNo("Möchten Sie diese Buchung wirklich löschen?", "Buchung löschen"))
        return false;
    return c.document->ledger().removeBuchung(index) >= 0;
}

bool defineFilter(const CommandContext& c) {
    const int index = c.frame ? c.frame->params().filterIndex : 0;
    if (index < 0 || index >= static_cast<int>(c.document->ledger().filters().size()))
        return false;
    CFilterDlg dlg(c.document->ledger(), index, c.parent);
    return dlg.exec() == QDialog::Accepted;
}

// "Buchungs-&Editor...": each action in it is a change of its own.
bool bookingEditor(const CommandContext& c) {
    bookings::CBuchungsEditorForm form(c.document->ledger(), theApp().clock());
    CBuchungsEditorDlg dlg(form, c.document->ledger(), c.parent);
    dlg.exec();
    return form.changed();
}

bool importBookings(const CommandContext& c) {
    LedgerAction action(*c.document, u"Buchungen importieren"_qs);
    CBuchungImportDlg dlg(c.document->ledger(), c.parent);
    dlg.exec();
    action.setName(dlg.added() == 1 ? u"Import von 1 Buchung"_qs
                                    : u"Import von %1 Buchungen"_qs.arg(dlg.added()));
    return dlg.added() > 0;
}

} // namespace

int32_t runNewBooking(QWidget* parent, ledger::CTalwerkDoc& doc) {
    OpenLedger* document = OpenLedger::of(doc);
    bookings::CBuchungForm form(doc, theApp().clock());
    form.openNew();
    std::optional<QPoint> position;
    int32_t added = -1;
    while (true) {
        // A run that booked nothing may still have stored the booking text choices or added
        // an account: the step is named after the dialog then.
        LedgerAction action(doc, u"Neue Buchung"_qs);
        CBuchungDlg dlg(form, doc, parent);
        if (position)
            dlg.move(*position);
        const int result = dlg.exec();
        if (form.addedSerial() >= 0) {
            added = form.addedSerial();
            action.setName(u"Buchung hinzufügen"_qs);
        }
        bool changed = form.changed();
        // A booking saved to be repeated is followed by the rule dialog filled from it.
        if (result == QDialog::Accepted && form.repeat && form.addedSerial() >= 0)
            changed = repeatBooking(parent, doc, form.addedSerial()) || changed;
        if (changed && document)
            document->updateAllViews();
        if (!form.furtherRequested())
            return added;
        position = dlg.pos();
        form.openFurther();
    }
}

bool runEditBooking(QWidget* parent, ledger::CTalwerkDoc& doc, int index, bool confirm) {
    LedgerAction action(doc, confirm ? u"Buchung bestätigen"_qs : u"Buchung bearbeiten"_qs);
    bookings::CBuchungForm form(doc, theApp().clock());
    form.openEdit(index, confirm);
    CBuchungDlg dlg(form, doc, parent);
    dlg.exec();
    return form.changed();
}

void registerBookingCommands() {
    registerDialogCommand(DialogCommand::NeueBuchung, newBooking);
    registerDialogCommand(DialogCommand::BuchungBearbeiten,
                          [](const CommandContext& c) { return editBooking(c, false); });
    registerDialogCommand(DialogCommand::BuchungBestaetigen,
                          [](const CommandContext& c) { return editBooking(c, true); });
    registerDialogCommand(DialogCommand::BuchungLoeschen, deleteBooking);
    registerDialogCommand(DialogCommand::FilterDefinieren, defineFilter);
    registerDialogCommand(DialogCommand::BuchungsEditor, bookingEditor);
    registerDialogCommand(DialogCommand::BuchungenImportieren, importBookings);
    registerDialogCommand(DialogCommand::RegelmaessigeBuchungen, editRules);
    registerDialogCommand(DialogCommand::FaelligeBuchungen, dueBookings);
}

} // namespace shell
