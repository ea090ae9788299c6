#include "shell/window/sicherungen_dlg.h"

#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

CSicherungenDlg::CSicherungenDlg(options::CSicherungenForm& form, QWidget* parent)
    : QDialog(parent), form_(form), list_(new QTreeWidget(this)),
      open_(new QPushButton(u"Ö&ffnen"_qs, this)),
      enabled_(new QCheckBox(u"Beim &Speichern die bisherige Datei sichern"_qs, this)),
      anzahl_(textEdit(this, 60)), minuten_(textEdit(this, 60)) {
    setWindowTitle(toQString(options::CSicherungenForm::kCaption));
    list_->setObjectName(u"liste"_qs);
    list_->setHeaderLabels({u"Gesichert am"_qs, u"Größe"_qs});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (const options::CSicherungenForm::Zeile& zeile : form_.zeilen()) {
        auto* item = new QTreeWidgetItem(list_, {toQString(zeile.datum), toQString(zeile.groesse)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (form_.selected >= 0)
        list_->setCurrentItem(list_->topLevelItem(form_.selected));
    open_->setObjectName(u"oeffnen"_qs);
    open_->setEnabled(form_.oeffnenEnabled());
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        form_.selected = item ? list_->indexOfTopLevelItem(item) : -1;
        open_->setEnabled(form_.oeffnenEnabled());
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CSicherungenDlg::open);
    connect(open_, &QPushButton::clicked, this, &CSicherungenDlg::open);

    enabled_->setObjectName(u"sichern"_qs);
    enabled_->setChecked(form_.enabled);
    anzahl_->setObjectName(u"anzahl"_qs);
    anzahl_->setText(toQString(form_.anzahl));
    anzahl_->setEnabled(form_.anzahlEnabled());
    connect(enabled_, &QCheckBox::toggled, this, [this](bool on) {
        form_.enabled = on;
        anzahl_->setEnabled(form_.anzahlEnabled());
    });
    minuten_->setObjectName(u"minuten"_qs);
    minuten_->setText(toQString(form_.minuten));

    auto* settings = new QGroupBox(u"Einstellungen"_qs, this);
    auto* rows = new QFormLayout(settings);
    rows->addRow(enabled_);
    rows->addRow(buddyLabel(u"&Anzahl der Sicherungen je Datei:"_qs, anzahl_, settings), anzahl_);
    rows->addRow(buddyLabel(u"Nicht gespeicherte Änderungen alle &Minuten für die "
                            u"Wiederherstellung sichern (0: nie):"_qs,
                            minuten_, settings),
                 minuten_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(open_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQString(form_.hinweis()), this));
    layout->addWidget(list_);
    layout->addWidget(settings);
    layout->addWidget(buttons);
    resize(480, 420);
}

void CSicherungenDlg::readInputs() {
    form_.enabled = enabled_->isChecked();
    form_.anzahl = toCp1252(anzahl_->text());
    form_.minuten = toCp1252(minuten_->text());
}

void CSicherungenDlg::open() {
    if (!form_.oeffnenEnabled())
        return;
    toOpen_ = form_.selectedPath();
    QDialog::reject();
}

void CSicherungenDlg::accept() {
    readInputs();
    QtPrompter prompter(this);
    if (const auto refused = form_.ok(prompter)) {
        (*refused == options::CSicherungenForm::Feld::Anzahl ? anzahl_ : minuten_)->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace shell
