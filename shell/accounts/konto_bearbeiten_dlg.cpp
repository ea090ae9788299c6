#include "shell/accounts/konto_bearbeiten_dlg.h"

#include "shell/accounts/konto_waehrung_dlg.h"
#include "shell/qt/cp1252.h"

#include <QLabel>
#include <QPushButton>

namespace shell {

CKontoBearbeitenDlg::CKontoBearbeitenDlg(ledger::CTalwerkDoc& doc, int index,
                                         const ledger::CNVKDatum& today, QWidget* parent)
    : KontoDlg(form_, parent), form_(doc, index) {
    auto* umstellung = new QPushButton(u"Wä&hrungsumstellung..."_qs, this);
    umstellung->setEnabled(form_.waehrungsumstellungEnabled());
    addCurrencyButton(umstellung);
    connect(umstellung, &QPushButton::clicked, this, [this, today] {
        readFields();
        accounts::CKontoWaehrungForm waehrung = form_.waehrungForm(today);
        CKontoWaehrungDlg(waehrung, this).exec();
        form_.takeWaehrung(waehrung);
        showFields();
    });
    finishSetup(new QLabel(toQString(form_.kindName()), this));
}

void CKontoBearbeitenDlg::apply() {
    form_.apply();
}

} // namespace shell
