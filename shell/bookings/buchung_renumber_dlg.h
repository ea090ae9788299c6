// The dialog "Neu nummerieren" of the booking editor, bound to CBuchungRenumberForm: the start
// number of the renumbering.
#pragma once

#include "bookings/buchung_renumber_form.h"

#include <QDialog>

class QLineEdit;

namespace shell {

class CBuchungRenumberDlg : public QDialog {
public:
    CBuchungRenumberDlg(bookings::CBuchungRenumberForm& form, QWidget* parent);

    void accept() override;

private:
    bookings::CBuchungRenumberForm& form_;
    QLineEdit* nummer_;
};

} // namespace shell
