// The import dialog "Buchungen importieren", bound to CBuchungImportForm.
#pragma once

#include "bookings/buchung_import_form.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace shell {

class CBuchungImportDlg : public QDialog {
public:
    CBuchungImportDlg(ledger::CTalwerkDoc& doc, QWidget* parent);

    // The bookings added by the run that ended the dialog.
    int added() const { return form_.result().added; }

    void accept() override;

private:
    void browse();

    ledger::CTalwerkDoc& doc_;
    bookings::CBuchungImportForm form_;
    QLineEdit* fileName_;
    QComboBox* buchungen_;
    QComboBox* identifikation_;
    QComboBox* betraege_;
    QCheckBox* notizen_;
};

} // namespace shell
