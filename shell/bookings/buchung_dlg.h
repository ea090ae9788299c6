// The booking dialog "Neue Buchung" / "Buchung bearbeiten", bound to CBuchungForm: it copies
// the widgets into the form, calls it on every event and shows what the form says.
#pragma once

#include "bookings/buchung_form.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace shell {

class CDatumEdit;

class CBuchungDlg : public QDialog {
public:
    // The form must have been opened (new, further or edit) before.
    CBuchungDlg(bookings::CBuchungForm& form, ledger::CTalwerkDoc& doc, QWidget* parent);

    void accept() override;

private:
    struct Side {
        QLabel* label;
        QComboBox* account;
        std::array<QLabel*, 3> info;
    };

    void readFields();
    void showFields();
    void showAccountLists();
    void showAccountInfo(int side);
    void showAmountInfo();
    void focus(bookings::CBuchungForm::Field field);
    // Runs the checks of a button; closes the dialog when they pass, else focuses the field.
    using Button = std::optional<bookings::CBuchungForm::Field> (bookings::CBuchungForm::*)(
        platform::Prompter&);
    void finish(Button button);
    void further();
    void chooseText();
    void editOptions();
    // The new-account dialog beside a side, preset to the kind the booking kind needs.
    void newAccount(int side);

    bookings::CBuchungForm& form_;
    ledger::CTalwerkDoc& doc_;
    CDatumEdit* date_;
    QLineEdit* number_;
    QLineEdit* text_;
    QComboBox* kind_;
    std::array<Side, 2> sides_;
    QLineEdit* amount_;
    QLabel* amountInfo_;
    QComboBox* currency_;
    QPlainTextEdit* notes_;
    QCheckBox* repeat_;
    QCheckBox* provisional_;
    QLabel* status_;
};

} // namespace shell
