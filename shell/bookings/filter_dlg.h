// The filter dialog "Filter definieren", bound to CFilterForm.
#pragma once

#include "bookings/filter_form.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace shell {

class CFilterDlg : public QDialog {
public:
    // Edits filter `index` of the document; OK writes it back.
    CFilterDlg(ledger::CTalwerkDoc& doc, int index, QWidget* parent);

    void accept() override;

private:
    void readFields();
    void showAccounts();

    ledger::CTalwerkDoc& doc_;
    bookings::CFilterForm form_;
    QLineEdit* name_;
    QCheckBox* numberOn_;
    QLineEdit* numberFrom_;
    QLineEdit* numberTo_;
    QCheckBox* textOn_;
    QComboBox* textMode_;
    QLineEdit* textPattern_;
    QCheckBox* notesOn_;
    QComboBox* notesMode_;
    QLineEdit* notesPattern_;
    QCheckBox* kindOn_;
    QComboBox* kind_;
    QCheckBox* accountOn_;
    QComboBox* account_;
    QCheckBox* amountOn_;
    QLineEdit* amountFrom_;
    QLineEdit* amountTo_;
    QComboBox* amountCurrency_;
    QCheckBox* currencyOn_;
    QComboBox* currency_;
    QCheckBox* onlyProvisional_;
    QCheckBox* withoutProvisional_;
};

} // namespace shell
