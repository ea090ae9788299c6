// The Euro tool's dialogs of steps 2 to 4: the asset accounts to switch to the Euro
// (CEuroKontenDlg), the recurring bookings with their new amounts (CEuroRegelnDlg), and the
// booking dialog and view settings (CEuroAnsichtenDlg). Each ticks rows of one list.
#pragma once

#include "accounts/euro_ansichten_form.h"
#include "accounts/euro_konten_form.h"
#include "accounts/euro_regeln_form.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QTreeWidget;
class QVBoxLayout;

namespace shell {

// The frame the three share: a title, the list with check boxes, OK and Cancel.
class EuroListeDlg : public QDialog {
protected:
    EuroListeDlg(const char* title, const QStringList& headers, int columnWidth, QWidget* parent);

    QTreeWidget* liste_;
    QVBoxLayout* body_; // widgets below the list go here
};

class CEuroKontenDlg : public EuroListeDlg {
public:
    CEuroKontenDlg(accounts::CEuroKontenForm& form, QWidget* parent);
    void accept() override;

private:
    accounts::CEuroKontenForm& form_;
};

class CEuroRegelnDlg : public EuroListeDlg {
public:
    CEuroRegelnDlg(accounts::CEuroRegelnForm& form, QWidget* parent);
    void accept() override;

private:
    void showRow(int row);

    accounts::CEuroRegelnForm& form_;
    QLineEdit* betrag_;
};

class CEuroAnsichtenDlg : public EuroListeDlg {
public:
    CEuroAnsichtenDlg(accounts::CEuroAnsichtenForm& form, QWidget* parent);
    void accept() override;

private:
    accounts::CEuroAnsichtenForm& form_;
    QCheckBox* euroVoreingestellt_;
    QCheckBox* keineLandeswaehrung_;
};

} // namespace shell
