#include "shell/accounts/konto_kat_auswahl_dlg.h"

#include "accounts/namen.h"
#include "shell/qt/form_widgets.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {

namespace {
constexpr int kElementRole = Qt::UserRole;
}

CKontoKatAuswahlDlg::CKontoKatAuswahlDlg(const ledger::CTalwerkDoc& doc, int assignment,
                                         const accounts::Auswahl& current, QWidget* parent)
    : QDialog(parent), form_(doc, assignment, current), kind_(new QComboBox(this)),
      tree_(new QTreeWidget(this)) {
    setWindowTitle(toQString(accounts::CKontoKatAuswahlForm::kCaption));
    fillCombo(kind_, accounts::kontoArtNamen(), accounts::kontoArtName(form_.kind()));
    tree_->setHeaderHidden(true);
    tree_->setMinimumSize(320, 380);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(buddyLabel(u"&Kontenart:"_qs, kind_, this));
    kindRow->addWidget(kind_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addWidget(tree_);
    layout->addWidget(buttons);

    connect(kind_, &QComboBox::activated, this, [this](int index) {
        if (const auto kind = ledger::kontoArtAt(index))
            form_.setKind(*kind);
        showTree();
    });
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        form_.selected =
            item ? elements_.at(item->data(0, kElementRole).toInt()) : accounts::Auswahl{};
        ok_->setEnabled(form_.selected.typ != accounts::Auswahl::kKeine);
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item && item->childCount() == 0)
            accept();
    });
    showTree();
}

void CKontoKatAuswahlDlg::addNodes(const std::vector<accounts::CKontoKatAuswahlForm::Knoten>& nodes,
                                   QTreeWidgetItem* parent) {
    for (const auto& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, toQString(node.text));
        item->setData(0, kElementRole, int(elements_.size()));
        elements_.push_back(node.element);
        if (node.element == form_.selected)
            tree_->setCurrentItem(item);
        addNodes(node.children, item);
    }
}

void CKontoKatAuswahlDlg::showTree() {
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    elements_.clear();
    addNodes(form_.baum(), nullptr);
    tree_->expandAll();
    if (QTreeWidgetItem* item = tree_->currentItem())
        tree_->scrollToItem(item);
    else
        form_.selected = {};
    ok_->setEnabled(form_.selected.typ != accounts::Auswahl::kKeine);
}

} // namespace shell
