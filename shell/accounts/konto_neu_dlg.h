// The dialog "Neues Konto", bound to CKontoNeuForm.
#pragma once

#include "accounts/konto_neu_form.h"
#include "shell/accounts/konto_dlg.h"

namespace shell {

class CKontoNeuDlg : public KontoDlg {
public:
    // fixedKind: the kind of the new account; nothing lets the user choose it.
    CKontoNeuDlg(ledger::CTalwerkDoc& doc, std::optional<ledger::KontoArt> fixedKind,
                 QWidget* parent);

    // Index of the new account in the document's list once accepted, else -1.
    int index() const { return index_; }
    const accounts::CKontoNeuForm& form() const { return form_; }

private:
    void apply() override;

    accounts::CKontoNeuForm form_;
    int index_ = -1;
};

} // namespace shell
