// The new-file currency dialog "Neue Datei", bound to CNeueDateiForm.
#pragma once

#include "accounts/neue_datei_form.h"
#include "shell/accounts/landeswaehrung_widgets.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace shell {

class CNeueDateiDlg : public QDialog {
    Q_OBJECT
public:
    CNeueDateiDlg(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies,
                  QWidget* parent = nullptr);

    // The currency fields of the new file; valid after the dialog was accepted.
    ledger::NeueDateiWaehrung result() const { return form_.result(); }
    // Makes the new file as the accepted dialog says.
    void legeDateiAn(ledger::CTalwerkDoc& doc, const ledger::CNVKDatum& today) const {
        form_.legeDateiAn(doc, today);
    }

    void accept() override;

private:
    void readFields();
    void showFields();
    void updateEnabled();

    accounts::CNeueDateiForm form_;
    QButtonGroup* buchfuehrung_;
    QButtonGroup* euroSymbol_;
    QLineEdit* anderesKuerzel_;
    LandeswaehrungWidgets landeswaehrung_;
    QLabel* kursCode_;
    QLabel* landesLabel_;
    QLineEdit* waehrungskuerzel_;
    QCheckBox* kontenplan_;
    std::vector<QWidget*> euroOnlyFields_;
    std::vector<QWidget*> dualFields_;
    std::vector<QWidget*> otherFields_;
};

} // namespace shell
