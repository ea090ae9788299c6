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
    : QDialog(parent), form_(form), waehrung_(form, this, 110, 110) {
    setWindowTitle(toQString(accounts::CEuroToolForm::kTitle));

    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(u"&Bisherige Währung:"_qs, waehrung_.waehrung, this), 0, 0);
    grid->addWidget(waehrung_.waehrung, 0, 1);
    auto* kurs = new QHBoxLayout;
    kurs->addWidget(new QLabel(u"1 EUR ="_qs, this));
    kurs->addWidget(waehrung_.wechselkurs);
    kurs->addStretch();
    grid->addWidget(buddyLabel(u"&Wechselkurs:"_qs, waehrung_.wechselkurs, this), 1, 0);
    grid->addLayout(kurs, 1, 1);
    auto* symbole = new QHBoxLayout;
    symbole->addWidget(waehrung_.eurSymbol);
    symbole->addWidget(waehrung_.landesSymbol);
    symbole->addWidget(new QLabel(u"bisher:"_qs, this));
    symbole->addWidget(new QLabel(toQString(form.bisher()), this));
    symbole->addStretch();
    grid->addWidget(buddyLabel(u"Währungs&symbole:"_qs, waehrung_.eurSymbol, this), 2, 0);
    grid->addLayout(symbole, 2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEuroToolDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    waehrung_.connectRules([this] { readFields(); }, [this] { showFields(); });
    showFields();
}

void CEuroToolDlg::readFields() {
    waehrung_.read();
}

void CEuroToolDlg::showFields() {
    waehrung_.show();
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
    QLineEdit* field = *failed == Field::EurSymbol      ? waehrung_.eurSymbol
                       : *failed == Field::Landessymbol ? waehrung_.landesSymbol
                                                        : waehrung_.wechselkurs;
    field->setFocus();
    field->selectAll();
}

} // namespace shell
