// The booking options dialog "Buchungsoptionen", bound to CBuchungsoptionenForm. Accepting it
// leaves the values in the form; the caller writes them to the document.
#pragma once

#include "bookings/buchungsoptionen_form.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QListWidget;

namespace shell {

class CBuchungsoptionenDlg : public QDialog {
public:
    CBuchungsoptionenDlg(bookings::CBuchungsoptionenForm& form, QWidget* parent);

    void accept() override;

private:
    void showHiddenTexts();

    bookings::CBuchungsoptionenForm& form_;
    QButtonGroup* inputMode_;
    QButtonGroup* numberSource_;
    QComboBox* currency_;
    std::vector<std::pair<QCheckBox*, bool*>> flags_;
    QListWidget* hidden_;
};

} // namespace shell
