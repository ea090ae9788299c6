// The booking text selection "Buchungstext auswählen", bound to CBuchungstextForm. Its
// choices are stored in the document as they change; OK leaves the chosen entry in the form.
#pragma once

#include "bookings/buchungstext_form.h"

#include <QDialog>

class QListWidget;

namespace shell {

class CBuchungstextDlg : public QDialog {
public:
    CBuchungstextDlg(bookings::CBuchungstextForm& form, QWidget* parent);

    void accept() override;

private:
    void showEntries();

    bookings::CBuchungstextForm& form_;
    QListWidget* list_;
};

} // namespace shell
