// The dialog "Alternative Kategoriezuordnungen", bound to CKontoAltKatForm.
#pragma once

#include "accounts/konto_alt_kat_form.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace shell {

class CKontoAltKatDlg : public QDialog {
public:
    CKontoAltKatDlg(accounts::CKontoAltKatForm& form, QWidget* parent);

    void accept() override;

private:
    struct Gruppe {
        QCheckBox* useStandard;
        QLabel* kategorieLabel;
        QComboBox* kategorie;
        QPushButton* kategorieNeu;
        QLabel* unterLabel;
        QComboBox* unterkategorie;
        QPushButton* unterNeu;
    };

    void readFields();
    void showFields();
    void newKategorie(int gruppe, bool unter);

    accounts::CKontoAltKatForm& form_;
    std::array<Gruppe, 2> gruppen_;
};

} // namespace shell
