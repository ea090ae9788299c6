#include "shell/accounts/konten_editor_dlg.h"

#include "shell/accounts/konto_bearbeiten_dlg.h"
#include "shell/accounts/konto_neu_dlg.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/open_ledger.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace shell {

namespace {
constexpr int kIdRole = Qt::UserRole;
}

CKontenEditorDlg::CKontenEditorDlg(ledger::CTalwerkDoc& doc, const ledger::CNVKDatum& today,
                                   QWidget* parent)
    : QDialog(parent), form_(doc), doc_(doc), today_(today), filter_(new QComboBox(this)),
      liste_(new QTreeWidget(this)), anzahl_(new QLabel(this)),
      bearbeiten_(new QPushButton(u"&Bearbeiten..."_qs, this)),
      loeschen_(new QPushButton(u"&Löschen"_qs, this)) {
    setWindowTitle(toQString(accounts::CKontenEditorForm::kCaption));
    fillCombo(filter_, accounts::CKontenEditorForm::filters(), {});
    liste_->setRootIsDecorated(false);
    liste_->setAllColumnsShowFocus(true);
    liste_->header()->setSectionsClickable(true);
    liste_->header()->setSortIndicatorShown(true);
    liste_->setMinimumSize(780, 360);
    auto* neu = new QPushButton(u"&Neu..."_qs, this);

    auto* top = new QHBoxLayout;
    top->addWidget(buddyLabel(u"&Kontenart:"_qs, filter_, this));
    top->addWidget(filter_);
    top->addStretch();
    top->addWidget(neu);
    top->addWidget(bearbeiten_);
    top->addWidget(loeschen_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(u"Anzahl Konten:"_qs, this));
    bottom->addWidget(anzahl_);
    bottom->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(u"Schließen"_qs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(liste_);
    layout->addLayout(bottom);

    connect(filter_, &QComboBox::activated, this, [this](int index) {
        form_.setFilter(index);
        showList();
    });
    connect(liste_->header(), &QHeaderView::sectionClicked, this, [this](int section) {
        const auto columns = form_.spalten();
        if (section >= 0 && section < int(columns.size()))
            form_.clickSpalte(columns[section].spalte);
        showList();
    });
    connect(liste_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        form_.selectedId = item ? item->data(0, kIdRole).toInt() : -1;
        bearbeiten_->setEnabled(form_.bearbeitenEnabled());
        loeschen_->setEnabled(form_.loeschenEnabled());
    });
    connect(liste_, &QTreeWidget::itemDoubleClicked, this, &CKontenEditorDlg::bearbeiten);
    connect(neu, &QPushButton::clicked, this, &CKontenEditorDlg::neu);
    connect(bearbeiten_, &QPushButton::clicked, this, &CKontenEditorDlg::bearbeiten);
    connect(loeschen_, &QPushButton::clicked, this, &CKontenEditorDlg::loeschen);
    showList();
}

void CKontenEditorDlg::showList() {
    const QSignalBlocker blocker(liste_);
    liste_->clear();
    const auto columns = form_.spalten();
    liste_->setColumnCount(int(columns.size()));
    QStringList titles;
    for (const auto& column : columns)
        titles << toQString(column.title);
    liste_->setHeaderLabels(titles);
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].spalte == form_.sortSpalte())
            liste_->header()->setSortIndicator(int(i), form_.ascending() ? Qt::AscendingOrder
                                                                         : Qt::DescendingOrder);
    }
    const int selected = form_.selectedRow();
    int row = 0;
    for (const auto& zeile : form_.zeilen()) {
        QStringList cells;
        for (const std::string& cell : zeile.cells)
            cells << toQString(cell);
        auto* item = new QTreeWidgetItem(cells);
        item->setData(0, kIdRole, zeile.kontoId);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        liste_->addTopLevelItem(item);
        if (row++ == selected) {
            liste_->setCurrentItem(item);
            liste_->scrollToItem(item);
        }
    }
    // Each column as wide as its widest text (long names are not cut), at least the width
    // the form gives it.
    for (size_t i = 0; i < columns.size(); ++i) {
        liste_->resizeColumnToContents(int(i));
        liste_->setColumnWidth(int(i), std::max(liste_->columnWidth(int(i)), columns[i].width));
    }
    anzahl_->setText(toQString(form_.anzahl()));
    bearbeiten_->setEnabled(form_.bearbeitenEnabled());
    loeschen_->setEnabled(form_.loeschenEnabled());
}

void CKontenEditorDlg::neu() {
    LedgerAction action(doc_, u"Konto hinzufügen"_qs);
    CKontoNeuDlg dialog(doc_, form_.neuKind(), this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    form_.neuClosed(dialog.form(), accepted, dialog.index());
    showList();
}

void CKontenEditorDlg::bearbeiten() {
    if (!form_.bearbeitenEnabled())
        return;
    LedgerAction action(doc_, u"Konto bearbeiten"_qs);
    CKontoBearbeitenDlg dialog(doc_, doc_.indexOfKonto(form_.selectedId), today_, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    form_.bearbeitenClosed(dialog.form(), accepted);
    showList();
}

void CKontenEditorDlg::loeschen() {
    LedgerAction action(doc_, u"Konto löschen"_qs);
    QtPrompter prompter(this);
    form_.loeschen(prompter);
    showList();
}

} // namespace shell
