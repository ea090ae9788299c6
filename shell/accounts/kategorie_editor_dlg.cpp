#include "shell/accounts/kategorie_editor_dlg.h"

#include "accounts/namen.h"
#include "shell/accounts/bezeichnung_dlg.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/open_ledger.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

constexpr int kIdRole = Qt::UserRole;

// A group with a list and its three buttons beside it.
QGroupBox* listGroup(const QString& title, QListWidget* list,
                     const std::array<QPushButton*, 3>& buttons, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    grid->addWidget(list, 0, 0, 4, 1);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(buttons[i], i, 1);
    return group;
}

void fillList(QListWidget* list,
              const std::vector<accounts::CKategorieEditorForm::Eintrag>& entries,
              int32_t selected) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const auto& entry : entries) {
        auto* item = new QListWidgetItem(toQString(entry.name), list);
        item->setData(kIdRole, entry.id);
        if (entry.id == selected)
            list->setCurrentItem(item);
    }
}

} // namespace

CKategorieEditorDlg::CKategorieEditorDlg(ledger::CTalwerkDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), form_(doc), kind_(new QComboBox(this)),
      kategorien_(new QListWidget(this)),
      kategorieBearbeiten_(new QPushButton(u"&Bearbeiten..."_qs, this)),
      kategorieLoeschen_(new QPushButton(u"&Löschen"_qs, this)),
      unterkategorien_(new QListWidget(this)),
      unterBearbeiten_(new QPushButton(u"Be&arbeiten..."_qs, this)),
      unterLoeschen_(new QPushButton(u"Lö&schen"_qs, this)) {
    setWindowTitle(toQString(accounts::CKategorieEditorForm::kCaption));
    fillCombo(kind_, accounts::kontoArtNamen(), {});
    auto* kategorieNeu = new QPushButton(u"&Neu..."_qs, this);
    auto* unterNeu = new QPushButton(u"N&eu..."_qs, this);
    kategorien_->setMinimumSize(260, 180);
    unterkategorien_->setMinimumSize(260, 140);

    auto* layout = new QVBoxLayout(this);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(buddyLabel(u"&Kontenart"_qs, kind_, this));
    kindRow->addWidget(kind_);
    kindRow->addStretch();
    layout->addLayout(kindRow);
    QGroupBox* kategorieGroup =
        listGroup(u"Ka&tegorie"_qs, kategorien_,
                  {kategorieNeu, kategorieBearbeiten_, kategorieLoeschen_}, this);
    unterGroup_ = listGroup(u"&Unterkategorie"_qs, unterkategorien_,
                            {unterNeu, unterBearbeiten_, unterLoeschen_}, this);
    layout->addWidget(kategorieGroup);
    layout->addWidget(unterGroup_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(u"Schließen"_qs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(kind_, &QComboBox::activated, this, [this](int index) {
        if (const auto kind = ledger::kontoArtAt(index))
            form_.setKind(*kind);
        showLists();
    });
    connect(kategorien_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            form_.selectKategorie(item->data(kIdRole).toInt());
        showUnterkategorien();
    });
    connect(unterkategorien_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) {
                if (item)
                    form_.selectedUnterkategorie = item->data(kIdRole).toInt();
            });
    connect(kategorieNeu, &QPushButton::clicked, this,
            [this] { rename(form_.neueKategorie(), u"Kategorie hinzufügen"_qs); });
    connect(kategorieBearbeiten_, &QPushButton::clicked, this,
            [this] { rename(form_.kategorieBearbeiten(), u"Kategorie umbenennen"_qs); });
    connect(unterNeu, &QPushButton::clicked, this,
            [this] { rename(form_.neueUnterkategorie(), u"Unterkategorie hinzufügen"_qs); });
    connect(unterBearbeiten_, &QPushButton::clicked, this,
            [this] { rename(form_.unterkategorieBearbeiten(), u"Unterkategorie umbenennen"_qs); });
    connect(kategorieLoeschen_, &QPushButton::clicked, this, [this] {
        {
            LedgerAction action(doc_, u"Kategorie löschen"_qs);
            QtPrompter prompter(this);
            form_.kategorieLoeschen(prompter);
        }
        showLists();
    });
    connect(unterLoeschen_, &QPushButton::clicked, this, [this] {
        {
            LedgerAction action(doc_, u"Unterkategorie löschen"_qs);
            QtPrompter prompter(this);
            form_.unterkategorieLoeschen(prompter);
        }
        showLists();
    });
    showLists();
}

void CKategorieEditorDlg::rename(std::optional<accounts::KategorieBenennung> benennung,
                                 const QString& step) {
    if (benennung && CBezeichnungDlg::ask(*benennung, this)) {
        LedgerAction action(doc_, step);
        form_.apply(*benennung);
    }
    showLists();
}

void CKategorieEditorDlg::showLists() {
    fillList(kategorien_, form_.kategorien(), form_.selectedKategorie());
    kategorien_->setEnabled(form_.kategorieListEnabled());
    kategorieBearbeiten_->setEnabled(form_.kategorieBearbeitenEnabled());
    kategorieLoeschen_->setEnabled(form_.kategorieLoeschenEnabled());
    showUnterkategorien();
}

void CKategorieEditorDlg::showUnterkategorien() {
    fillList(unterkategorien_, form_.unterkategorien(), form_.selectedUnterkategorie);
    unterGroup_->setEnabled(form_.unterkategorieGroupEnabled());
    unterkategorien_->setEnabled(form_.unterkategorieListEnabled());
    unterBearbeiten_->setEnabled(form_.unterkategorieBearbeitenEnabled());
    unterLoeschen_->setEnabled(form_.unterkategorieLoeschenEnabled());
}

} // namespace shell
