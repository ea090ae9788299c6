#include "shell/accounts/konto_alt_kat_dlg.h"

#include "shell/accounts/bezeichnung_dlg.h"
#include "shell/qt/form_widgets.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

CKontoAltKatDlg::CKontoAltKatDlg(accounts::CKontoAltKatForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(toQString(accounts::CKontoAltKatForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    const QString titles[2] = {u"Alternativzuordnung 1"_qs, u"Alternativzuordnung 2"_qs};
    const QString checks[2] = {u"&Standardzuordnung verwenden"_qs,
                               u"Standard&zuordnung verwenden"_qs};
    const QString kategorien[2] = {u"&Kategorie:"_qs, u"Ka&tegorie:"_qs};
    const QString unterkategorien[2] = {u"&Unterkategorie:"_qs, u"Unterkate&gorie:"_qs};
    for (int i = 0; i < 2; ++i) {
        auto* box = new QGroupBox(titles[i], this);
        Gruppe& g = gruppen_[i];
        g.useStandard = new QCheckBox(checks[i], box);
        g.kategorie = new QComboBox(box);
        g.kategorie->setMinimumWidth(220);
        g.kategorieLabel = buddyLabel(kategorien[i], g.kategorie, box);
        g.kategorieNeu = new QPushButton(u"Neu..."_qs, box);
        g.unterkategorie = new QComboBox(box);
        g.unterLabel = buddyLabel(unterkategorien[i], g.unterkategorie, box);
        g.unterNeu = new QPushButton(u"Neu..."_qs, box);
        auto* grid = new QGridLayout(box);
        grid->addWidget(g.useStandard, 0, 0, 1, 3);
        grid->addWidget(g.kategorieLabel, 1, 0);
        grid->addWidget(g.kategorie, 1, 1);
        grid->addWidget(g.kategorieNeu, 1, 2);
        grid->addWidget(g.unterLabel, 2, 0);
        grid->addWidget(g.unterkategorie, 2, 1);
        grid->addWidget(g.unterNeu, 2, 2);
        layout->addWidget(box);

        connect(g.useStandard, &QCheckBox::toggled, this, [this] {
            readFields();
            showFields();
        });
        connect(g.kategorie, &QComboBox::activated, this, [this, i] {
            readFields();
            form_.gruppen[i].auswahl.selectKategorie(comboText(gruppen_[i].kategorie));
            showFields();
        });
        connect(g.kategorieNeu, &QPushButton::clicked, this, [this, i] { newKategorie(i, false); });
        connect(g.unterNeu, &QPushButton::clicked, this, [this, i] { newKategorie(i, true); });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CKontoAltKatDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showFields();
}

void CKontoAltKatDlg::readFields() {
    for (int i = 0; i < 2; ++i) {
        form_.gruppen[i].useStandard = gruppen_[i].useStandard->isChecked();
        form_.gruppen[i].auswahl.selectUnterkategorie(comboText(gruppen_[i].unterkategorie));
    }
}

void CKontoAltKatDlg::showFields() {
    for (int i = 0; i < 2; ++i) {
        const accounts::CKontoAltKatForm::Gruppe& f = form_.gruppen[i];
        Gruppe& g = gruppen_[i];
        {
            const QSignalBlocker blocker(g.useStandard);
            g.useStandard->setChecked(f.useStandard);
        }
        fillCombo(g.kategorie, f.auswahl.kategorien(), f.auswahl.kategorie());
        fillCombo(g.unterkategorie, f.auswahl.unterkategorien(), f.auswahl.unterkategorie());
        for (QWidget* w :
             std::initializer_list<QWidget*>{g.kategorieLabel, g.kategorie, g.kategorieNeu})
            w->setEnabled(f.kategorieEnabled());
        for (QWidget* w :
             std::initializer_list<QWidget*>{g.unterLabel, g.unterkategorie, g.unterNeu})
            w->setEnabled(f.unterkategorieEnabled());
    }
}

void CKontoAltKatDlg::newKategorie(int gruppe, bool unter) {
    readFields();
    const accounts::KategorieAuswahl& auswahl = form_.gruppen[gruppe].auswahl;
    std::optional<accounts::KategorieBenennung> benennung =
        unter ? auswahl.neueUnterkategorie() : std::optional(auswahl.neueKategorie());
    if (benennung && CBezeichnungDlg::ask(*benennung, this))
        form_.create(gruppe, *benennung);
    showFields();
}

void CKontoAltKatDlg::accept() {
    readFields();
    QDialog::accept();
}

} // namespace shell
