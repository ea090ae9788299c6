// The dialog "Konto ersetzen", bound to CKontoErsetzenForm: the two accounts of a replacement
// that the booking editor then carries out.
#pragma once

#include "accounts/konto_ersetzen_form.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;

namespace shell {

class CKontoErsetzenDlg : public QDialog {
public:
    CKontoErsetzenDlg(accounts::CKontoErsetzenForm& form, QWidget* parent);

    void accept() override;

private:
    void showLists();

    accounts::CKontoErsetzenForm& form_;
    QComboBox* kind_;
    std::array<QComboBox*, 2> listen_;
    QCheckBox* ohneRueckfrage_;
};

} // namespace shell
