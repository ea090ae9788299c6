// The dialog "Konto bearbeiten", bound to CKontoBearbeitenForm, with the currency switch of
// an asset account.
#pragma once

#include "accounts/konto_bearbeiten_form.h"
#include "shell/accounts/konto_dlg.h"

namespace shell {

class CKontoBearbeitenDlg : public KontoDlg {
public:
    // index: the account's position in the document's list; today: the default date of the
    // currency switch.
    CKontoBearbeitenDlg(ledger::CTalwerkDoc& doc, int index, const ledger::CNVKDatum& today,
                        QWidget* parent);

    const accounts::CKontoBearbeitenForm& form() const { return form_; }

private:
    void apply() override;

    accounts::CKontoBearbeitenForm form_;
};

} // namespace shell
