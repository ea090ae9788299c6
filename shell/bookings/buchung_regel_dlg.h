// The recurring booking dialog "Regelmäßige Buchung", bound to CBuchungRegelForm: it copies the
// widgets into the form, calls it on every event and shows what the form says. The buttons
// beside the number, the text and the notes insert placeholders at the cursor.
#pragma once

#include "bookings/buchung_regel_form.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace shell {

class CDatumEdit;

class CBuchungRegelDlg : public QDialog {
public:
    // The form must have been opened (new, from a booking or for a rule) before.
    CBuchungRegelDlg(bookings::CBuchungRegelForm& form, QWidget* parent);

    void accept() override;

private:
    struct Side {
        QLabel* label;
        QComboBox* account;
    };

    void readFields();
    void showFields();
    void showAccountLists();
    void focus(bookings::CBuchungRegelForm::Field field);
    // A "..." button whose menu inserts one of the texts into the field at the cursor.
    QPushButton* placeholderButton(QWidget* field, const std::vector<const char*>& texts);

    bookings::CBuchungRegelForm& form_;
    QLineEdit* name_;
    QComboBox* dateMode_;
    QLineEdit* number_;
    QLabel* counterLabel_;
    QSpinBox* counter_;
    QLineEdit* text_;
    QComboBox* kind_;
    std::array<Side, 2> sides_;
    QLineEdit* amount_;
    QComboBox* currency_;
    QPlainTextEdit* notes_;
    QSpinBox* interval_;
    QComboBox* unit_;
    QLabel* dateLabel_;
    CDatumEdit* date_;
    QCheckBox* provisional_;
};

} // namespace shell
