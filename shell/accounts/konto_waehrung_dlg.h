// The dialog "Kontowährung umstellen", bound to CKontoWaehrungForm.
#pragma once

#include "accounts/konto_waehrung_form.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace shell {

class CDatumEdit;

class CKontoWaehrungDlg : public QDialog {
public:
    CKontoWaehrungDlg(accounts::CKontoWaehrungForm& form, QWidget* parent);

private:
    void showFields();

    accounts::CKontoWaehrungForm& form_;
    CDatumEdit* datum_;
    QLabel* umstellenAuf_;
    QTreeWidget* liste_;
    QPushButton* rueckgaengig_;
};

} // namespace shell
