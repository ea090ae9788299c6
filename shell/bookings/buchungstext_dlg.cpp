#include "shell/bookings/buchungstext_dlg.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

CBuchungstextDlg::CBuchungstextDlg(bookings::CBuchungstextForm& form, QWidget* parent)
    : QDialog(parent), form_(form), list_(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(bookings::CBuchungstextForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* countRow = new QHBoxLayout;
    auto* counts = new QComboBox(this);
    for (const int n : bookings::kBuchungstextAnzahlen)
        counts->addItem(QString::number(n));
    counts->setCurrentIndex(form_.countIndex());
    auto* countLabel = new QLabel(u"&Buchungstexte der letzten"_qs, this);
    countLabel->setBuddy(counts);
    countRow->addWidget(countLabel);
    countRow->addWidget(counts);
    countRow->addWidget(new QLabel(u"Buchungen"_qs, this));
    countRow->addStretch();
    layout->addLayout(countRow);
    layout->addWidget(list_);
    auto* hide = new QPushButton(u"Buchungstext nicht mehr anzeigen"_qs, this);
    layout->addWidget(hide, 0, Qt::AlignLeft);

    // The connection keeps the form itself: a nested lambda of a generic lambda that names
    // `this` kept a reference into the finished constructor's frame (GCC 12).
    bookings::CBuchungstextForm* target = &form_;
    using Setter = void (bookings::CBuchungstextForm::*)(bool);
    const auto addFlag = [&](const QString& label, bool checked, Setter setter) {
        auto* box = new QCheckBox(label, this);
        box->setChecked(checked);
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this,
                [target, setter](bool on) { (target->*setter)(on); });
    };
    addFlag(u"&Vorgang und Konten aus Buchung übernehmen"_qs, form_.takeKindAndAccounts(),
            &bookings::CBuchungstextForm::setTakeKindAndAccounts);
    addFlag(u"Betrag und &Währung aus Buchung übernehmen"_qs, form_.takeAmountAndCurrency(),
            &bookings::CBuchungstextForm::setTakeAmountAndCurrency);
    addFlag(u"&Notizen aus Buchung übernehmen"_qs, form_.takeNotes(),
            &bookings::CBuchungstextForm::setTakeNotes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBuchungstextDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CBuchungstextDlg::accept);
    connect(counts, &QComboBox::activated, this, [this](int index) {
        form_.setCountIndex(index);
        showEntries();
    });
    connect(hide, &QPushButton::clicked, this, [this] {
        form_.selected = list_->currentRow();
        QtPrompter prompter(this);
        form_.hideSelected(prompter);
        showEntries();
    });
    showEntries();
}

void CBuchungstextDlg::showEntries() {
    list_->clear();
    for (const auto& entry : form_.entries())
        list_->addItem(toQString(entry.text));
    list_->setCurrentRow(form_.selected);
}

void CBuchungstextDlg::accept() {
    form_.selected = list_->currentRow();
    QDialog::accept();
}

} // namespace shell
