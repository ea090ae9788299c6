#include "shell/accounts/konto_waehrung_dlg.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/datum_edit.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_dates.h"
#include "shell/qt/qt_prompter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {

CKontoWaehrungDlg::CKontoWaehrungDlg(accounts::CKontoWaehrungForm& form, QWidget* parent)
    : QDialog(parent), form_(form), datum_(new CDatumEdit(this)), umstellenAuf_(new QLabel(this)),
      liste_(new QTreeWidget(this)),
      rueckgaengig_(new QPushButton(u"&Umstellung rückgängig machen"_qs, this)) {
    setWindowTitle(toQString(accounts::CKontoWaehrungForm::kCaption));
    datum_->setDate(toQDate(form.datum));
    liste_->setHeaderLabels({u"Umstellungsdatum"_qs, u"Umstellung auf"_qs});
    liste_->setColumnWidth(0, 150);
    liste_->setColumnWidth(1, 150);
    liste_->setRootIsDecorated(false);
    liste_->setMinimumWidth(320);
    auto* umstellen = new QPushButton(u"&Währung umstellen"_qs, this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(u"Ursprüngliche Währung:"_qs, this), 0, 0);
    grid->addWidget(new QLabel(toQString(form.originalSymbol()), this), 0, 1);
    grid->addWidget(buddyLabel(u"Währung umstellen &am:"_qs, datum_, this), 1, 0);
    grid->addWidget(datum_, 1, 1);
    grid->addWidget(new QLabel(u"Währung umstellen auf:"_qs, this), 2, 0);
    grid->addWidget(umstellenAuf_, 2, 1);
    grid->addWidget(umstellen, 3, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(u"Schließen"_qs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(liste_);
    layout->addWidget(rueckgaengig_);
    layout->addWidget(buttons);

    connect(datum_, &CDatumEdit::dateChanged, this, [this](const QDate& date) {
        form_.datum = toDatum(date);
        showFields();
    });
    connect(umstellen, &QPushButton::clicked, this, [this] {
        QtPrompter prompter(this);
        form_.umstellen(prompter);
        showFields();
    });
    connect(liste_, &QTreeWidget::currentItemChanged, this, [this] {
        form_.selectedRow = liste_->indexOfTopLevelItem(liste_->currentItem());
        rueckgaengig_->setEnabled(form_.rueckgaengigEnabled());
    });
    connect(rueckgaengig_, &QPushButton::clicked, this, [this] {
        QtPrompter prompter(this);
        form_.rueckgaengig(prompter);
        showFields();
    });
    showFields();
}

void CKontoWaehrungDlg::showFields() {
    umstellenAuf_->setText(toQString(form_.umstellenAuf()));
    const QSignalBlocker blocker(liste_);
    liste_->clear();
    for (const auto& zeile : form_.zeilen())
        liste_->addTopLevelItem(
            new QTreeWidgetItem({toQString(zeile.datum), toQString(zeile.umstellungAuf)}));
    if (form_.rueckgaengigEnabled())
        liste_->setCurrentItem(liste_->topLevelItem(form_.selectedRow));
    rueckgaengig_->setEnabled(form_.rueckgaengigEnabled());
}

} // namespace shell
