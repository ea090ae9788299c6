// The name entry dialog "Bezeichnung eingeben", bound to CBezeichnungForm.
#pragma once

#include "accounts/kategorie_verwaltung.h"

#include <QDialog>

class QLineEdit;

namespace shell {

class CBezeichnungDlg : public QDialog {
public:
    CBezeichnungDlg(accounts::CBezeichnungForm& form, QWidget* parent);

    // Shows the name entry of the operation and carries it out on OK. The id of the created
    // or renamed element, or -1 when cancelled.
    static int32_t run(const accounts::KategorieBenennung& benennung, ledger::CTalwerkDoc& doc,
                       QWidget* parent);
    // Shows the name entry only; true when a name was accepted (it is then in the form).
    static bool ask(accounts::KategorieBenennung& benennung, QWidget* parent);

    void accept() override;

private:
    accounts::CBezeichnungForm& form_;
    QLineEdit* name_;
};

} // namespace shell
