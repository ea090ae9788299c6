// KontoDlg: the widgets that the dialogs "Neues Konto" and "Konto bearbeiten" share, bound to
// their KontoForm: the fields, the currency and category lists with their "Neu..." buttons and
// the alternative assignments. The two dialogs add the kind and what happens on OK.
#pragma once

#include "accounts/konto_form.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QLabel;
class QPushButton;

namespace shell {

class KontoDlg : public QDialog {
public:
    void accept() override;
    // Something was created, edited or made on the way (categories).
    bool changed() const { return form_.changed() || result() == QDialog::Accepted; }

protected:
    // The form is a member of the derived dialog: it is not touched before finishSetup().
    KontoDlg(accounts::KontoForm& form, QWidget* parent);

    // Called by the derived dialog once its form exists: the title, the first row of the
    // grid (the kind, as a list or a text) and the fields.
    void finishSetup(QWidget* kindWidget);
    // A button beside the currency list.
    void addCurrencyButton(QPushButton* button);
    void readFields();
    void showFields();
    // Stores the checked fields in the document.
    virtual void apply() = 0;

private:
    void newKategorie(bool unter);
    void editAlternatives();

    accounts::KontoForm& form_;
    QGridLayout* grid_;
    QLineEdit* name_;
    QLineEdit* number_;
    QLineEdit* abbreviation_;
    QLabel* currencyLabel_;
    QComboBox* currency_;
    QLabel* openingLabel_;
    QLineEdit* opening_;
    QComboBox* kategorie_;
    QLabel* unterLabel_;
    QComboBox* unterkategorie_;
    QPushButton* unterNeu_;
};

} // namespace shell
