// The dialog "Text ersetzen" of the booking editor, bound to CTextersetzungForm: search and
// replacement texts, the fields searched and the two check boxes.
#pragma once

#include "bookings/textersetzung_form.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace shell {

class CTextersetzungDlg : public QDialog {
public:
    CTextersetzungDlg(bookings::CTextersetzungForm& form, QWidget* parent);

    void accept() override;

private:
    bookings::CTextersetzungForm& form_;
    QLineEdit* suchen_;
    QLineEdit* ersetzen_;
    QComboBox* bereich_;
    QCheckBox* grossKlein_;
    QCheckBox* ohneRueckfrage_;
};

} // namespace shell
