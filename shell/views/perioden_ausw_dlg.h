// The dialog "Vergleichsperioden auswählen", bound to CPeriodenAuswForm.
#pragma once

#include "reports/perioden_ausw_form.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace shell {

class CPeriodenAuswDlg : public QDialog {
    Q_OBJECT
public:
    // Shows the comparison settings for the view's range; currencies: the first and, in
    // dual-currency files, the second currency symbol.
    CPeriodenAuswDlg(const ledger::CTWEinstellungen& settings, const ledger::CNVKDatum& start,
                     const ledger::CNVKDatum& end, const QStringList& currencies, QWidget* parent);

    reports::CPeriodenAuswForm& form() { return form_; }
    // On OK: the choice written into the settings.
    void store(ledger::CTWEinstellungen& settings);

private:
    QLineEdit* numberField(int value);
    // A window field was left: its text goes into the form, which checks it.
    void leave(reports::CPeriodenAuswForm::Feld field);
    // Shows the window, the count and the change choice as the form has them.
    void showForm();

    reports::CPeriodenAuswForm form_;
    QButtonGroup* layout_;
    QComboBox* type_;
    QLabel* count_;
    std::array<QLineEdit*, 4> window_; // start day, start month, end day, end month
    QButtonGroup* assetValue_;
    QComboBox* currency_;
    QCheckBox* change_;
    QLineEdit* fromPeriod_;
    QLineEdit* toPeriod_;
    QLabel* changePeriods_;
};

} // namespace shell
