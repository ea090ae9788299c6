#include "shell/accounts/euro_listen_dlg.h"

#include "shell/qt/form_widgets.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

EuroListeDlg::EuroListeDlg(const char* title, const QStringList& headers, int columnWidth,
                           QWidget* parent)
    : QDialog(parent), liste_(checkList(headers, columnWidth, this)), body_(new QVBoxLayout) {
    setWindowTitle(toQString(title));
    liste_->setMinimumSize(420, 220);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body_);
    layout->addWidget(buttons);
    body_->addWidget(liste_);
}

CEuroKontenDlg::CEuroKontenDlg(accounts::CEuroKontenForm& form, QWidget* parent)
    : EuroListeDlg(accounts::CEuroKontenForm::kTitle, {u"Bezeichnung"_qs, u"Nr."_qs, u"Abk."_qs},
                   140, parent),
      form_(form) {
    for (const auto& zeile : form.zeilen)
        addCheckRow(liste_, {zeile.name, zeile.number, zeile.abbreviation}, zeile.ticked);
}

void CEuroKontenDlg::accept() {
    for (size_t i = 0; i < form_.zeilen.size(); ++i)
        form_.zeilen[i].ticked = isTicked(liste_, int(i));
    QDialog::accept();
}

CEuroRegelnDlg::CEuroRegelnDlg(accounts::CEuroRegelnForm& form, QWidget* parent)
    : EuroListeDlg(accounts::CEuroRegelnForm::kTitle,
                   {u"Bezeichnung"_qs, u"alter Betrag"_qs, u"neuer Betrag"_qs}, 75, parent),
      form_(form), betrag_(textEdit(this)) {
    liste_->setColumnWidth(0, 200);
    for (size_t i = 0; i < form.zeilen.size(); ++i)
        addCheckRow(liste_, form.cells(int(i)), form.zeilen[i].ticked);
    betrag_->setAlignment(Qt::AlignRight);
    betrag_->setEnabled(false);
    auto* row = new QHBoxLayout;
    row->addWidget(buddyLabel(u"Neuer Buchungsbetrag:"_qs, betrag_, this));
    row->addWidget(betrag_);
    row->addStretch();
    body_->addLayout(row);

    connect(liste_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        form_.selectRow(liste_->indexOfTopLevelItem(item));
        betrag_->setEnabled(form_.selectedRow() >= 0);
        betrag_->setText(toQString(form_.neuerBetrag));
    });
    connect(betrag_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.betragChanged(toCp1252(text));
        showRow(form_.selectedRow());
    });
    connect(betrag_, &QLineEdit::editingFinished, this, [this] {
        form_.leaveBetrag();
        betrag_->setText(toQString(form_.neuerBetrag));
        showRow(form_.selectedRow());
    });
}

void CEuroRegelnDlg::showRow(int row) {
    if (row < 0)
        return;
    const std::vector<std::string> cells = form_.cells(row);
    for (size_t i = 0; i < cells.size(); ++i)
        liste_->topLevelItem(row)->setText(int(i), toQString(cells[i]));
}

void CEuroRegelnDlg::accept() {
    for (size_t i = 0; i < form_.zeilen.size(); ++i)
        form_.zeilen[i].ticked = isTicked(liste_, int(i));
    QDialog::accept();
}

CEuroAnsichtenDlg::CEuroAnsichtenDlg(accounts::CEuroAnsichtenForm& form, QWidget* parent)
    : EuroListeDlg(accounts::CEuroAnsichtenForm::kTitle, {u"Ansicht"_qs}, 300, parent), form_(form),
      euroVoreingestellt_(
          new QCheckBox(u"&Euro als voreingestellte Währung im Buchungs-Dialog"_qs, this)),
      keineLandeswaehrung_(new QCheckBox(
          u"Euro-Beträge im Buchungs-Dialog nicht in der &Landeswährung anzeigen"_qs, this)) {
    euroVoreingestellt_->setEnabled(form.euroVoreingestelltEnabled);
    euroVoreingestellt_->setChecked(form.euroVoreingestellt);
    keineLandeswaehrung_->setEnabled(form.keineLandeswaehrungEnabled);
    keineLandeswaehrung_->setChecked(form.keineLandeswaehrung);
    body_->insertWidget(0, euroVoreingestellt_);
    body_->insertWidget(1, keineLandeswaehrung_);
    for (const auto& zeile : form.zeilen)
        addCheckRow(liste_, {zeile.name}, zeile.ticked);
}

void CEuroAnsichtenDlg::accept() {
    form_.euroVoreingestellt = euroVoreingestellt_->isChecked();
    form_.keineLandeswaehrung = keineLandeswaehrung_->isChecked();
    for (size_t i = 0; i < form_.zeilen.size(); ++i)
        form_.zeilen[i].ticked = isTicked(liste_, int(i));
    QDialog::accept();
}

} // namespace shell
