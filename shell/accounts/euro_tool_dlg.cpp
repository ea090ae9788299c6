#include "shell/accounts/euro_tool_dlg.h"

#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

CEuroToolDlg::CEuroToolDlg(accounts::CEuroToolForm& form, QWidget* parent)
    : QDialog(parent), form_(form), waehrung_(new QComboBox(this)), wechselkurs_(textEdit(this)),
      eurSymbol_(textEdit(this)), landesSymbol_(textEdit(this)) {
    setWindowTitle(toQString(accounts::CEuroToolForm::kTitle));
    for (const ledger::CTWWaehrungsinfo& info : form.nationalCurrencies())
        waehrung_->addItem(toQString(info.name));
    for (QLineEdit* edit : {wechselkurs_, eurSymbol_, landesSymbol_})
        edit->setMaximumWidth(110);

    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(u"&Bisherige Währung:"_qs, waehrung_, this), 0, 0);
    grid->addWidget(waehrung_, 0, 1);
    auto* kurs = new QHBoxLayout;
    kurs->addWidget(new QLabel(u"1 EUR ="_qs, this));
    kurs->addWidget(wechselkurs_);
    kurs->addStretch();
    grid->addWidget(buddyLabel(u"&Wechselkurs:"_qs, wechselkurs_, this), 1, 0);
    grid->addLayout(kurs, 1, 1);
    auto* symbole = new QHBoxLayout;
    symbole->addWidget(eurSymbol_);
    symbole->addWidget(landesSymbol_);
    symbole->addWidget(new QLabel(u"bisher:"_qs, this));
    symbole->addWidget(new QLabel(toQString(form.bisher()), this));
    symbole->addStretch();
    grid->addWidget(buddyLabel(u"Währungs&symbole:"_qs, eurSymbol_, this), 2, 0);
    grid->addLayout(symbole, 2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEuroToolDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(waehrung_, &QComboBox::activated, this, [this](int index) {
        readFields();
        form_.selectLandeswaehrung(index);
        showFields();
    });
    connect(wechselkurs_, &QLineEdit::editingFinished, this, [this] {
        readFields();
        form_.leaveWechselkurs();
        showFields();
    });
    showFields();
}

void CEuroToolDlg::readFields() {
    form_.landeswaehrung = waehrung_->currentIndex();
    form_.wechselkurs = toCp1252(wechselkurs_->text());
    form_.eurSymbol = toCp1252(eurSymbol_->text());
    form_.landesSymbol = toCp1252(landesSymbol_->text());
}

void CEuroToolDlg::showFields() {
    waehrung_->setCurrentIndex(form_.landeswaehrung);
    wechselkurs_->setText(toQString(form_.wechselkurs));
    eurSymbol_->setText(toQString(form_.eurSymbol));
    landesSymbol_->setText(toQString(form_.landesSymbol));
}

void CEuroToolDlg::accept() {
    readFields();
    QtPrompter prompter(this);
    const auto failed = form_.check(prompter);
    if (!failed) {
        QDialog::accept();
        return;
    }
    using Field = accounts::CEuroToolForm::Field;
    QLineEdit* field = *failed == Field::EurSymbol      ? eurSymbol_
                       : *failed == Field::Landessymbol ? landesSymbol_
                                                        : wechselkurs_;
    field->setFocus();
    field->selectAll();
}

} // namespace shell
