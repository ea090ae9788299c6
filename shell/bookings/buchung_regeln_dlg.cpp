#include "shell/bookings/buchung_regeln_dlg.h"

#include "bookings/buchung_regel_form.h"
#include "shell/bookings/buchung_regel_dlg.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/open_ledger.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {

CBuchungRegelnDlg::CBuchungRegelnDlg(ledger::CTalwerkDoc& doc, const platform::Clock& clock,
                                     QWidget* parent)
    : QDialog(parent), doc_(doc), clock_(clock), form_(doc), list_(new QTreeWidget(this)),
      edit_(new QPushButton(u"B&earbeiten..."_qs, this)),
      delete_(new QPushButton(u"&Löschen"_qs, this)) {
    setWindowTitle(toQString(bookings::CBuchungRegelnForm::kCaption));
    list_->setObjectName(u"regeln"_qs);
    edit_->setObjectName(u"bearbeiten"_qs);
    delete_->setObjectName(u"loeschen"_qs);
    list_->setHeaderLabels({toQString(bookings::CBuchungRegelnForm::kSpalte)});
    list_->setRootIsDecorated(false);
    auto* neu = new QPushButton(u"&Neu..."_qs, this);
    neu->setObjectName(u"neu"_qs);
    auto* close = new QPushButton(u"Schließen"_qs, this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {neu, edit_, delete_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(420, 320);

    connect(neu, &QPushButton::clicked, this, &CBuchungRegelnDlg::newRule);
    connect(edit_, &QPushButton::clicked, this, &CBuchungRegelnDlg::editRule);
    connect(delete_, &QPushButton::clicked, this, &CBuchungRegelnDlg::deleteRule);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CBuchungRegelnDlg::editRule);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CBuchungRegelnDlg::updateButtons);
    showList(-1);
}

void CBuchungRegelnDlg::showList(int selectRule) {
    form_.rebuild();
    list_->clear();
    for (const auto& entry : form_.entries())
        new QTreeWidgetItem(list_, {toQString(entry.name)});
    const int row = form_.rowOfRule(selectRule);
    if (row >= 0)
        list_->setCurrentItem(list_->topLevelItem(row));
    updateButtons();
}

int CBuchungRegelnDlg::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
}

void CBuchungRegelnDlg::updateButtons() {
    const bool any = selectedRow() >= 0;
    edit_->setEnabled(any);
    delete_->setEnabled(any);
}

void CBuchungRegelnDlg::newRule() {
    LedgerAction action(doc_, u"Regelmäßige Buchung hinzufügen"_qs);
    bookings::CBuchungRegelForm rule(doc_, clock_);
    rule.openNew();
    CBuchungRegelDlg dlg(rule, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    form_.setChanged();
    showList(rule.ruleIndex());
}

void CBuchungRegelnDlg::editRule() {
    const int row = selectedRow();
    if (row < 0)
        return;
    LedgerAction action(doc_, u"Regelmäßige Buchung bearbeiten"_qs);
    bookings::CBuchungRegelForm rule(doc_, clock_);
    rule.openEdit(form_.entries()[static_cast<size_t>(row)].ruleIndex);
    CBuchungRegelDlg dlg(rule, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    form_.setChanged();
    showList(rule.ruleIndex());
}

void CBuchungRegelnDlg::deleteRule() {
    LedgerAction action(doc_, u"Regelmäßige Buchung löschen"_qs);
    QtPrompter prompter(this);
    if (form_.remove(selectedRow(), prompter))
        showList(-1);
}

} // namespace shell
