#include "shell/accounts/konto_neu_dlg.h"

#include "accounts/namen.h"
#include "shell/qt/form_widgets.h"

namespace shell {

CKontoNeuDlg::CKontoNeuDlg(ledger::CTalwerkDoc& doc, std::optional<ledger::KontoArt> fixedKind,
                           QWidget* parent)
    : KontoDlg(form_, parent), form_(doc, fixedKind) {
    auto* kind = new QComboBox(this);
    fillCombo(kind, accounts::kontoArtNamen(), accounts::kontoArtName(form_.kind()));
    kind->setEnabled(form_.kindSelectable());
    connect(kind, &QComboBox::activated, this, [this](int index) {
        readFields();
        if (const auto kind = ledger::kontoArtAt(index))
            form_.setKind(*kind);
        showFields();
    });
    finishSetup(kind);
}

void CKontoNeuDlg::apply() {
    index_ = form_.apply();
}

} // namespace shell
