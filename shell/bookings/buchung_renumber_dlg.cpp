#include "shell/bookings/buchung_renumber_dlg.h"

#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

using Form = bookings::CBuchungRenumberForm;

CBuchungRenumberDlg::CBuchungRenumberDlg(Form& form, QWidget* parent)
    : QDialog(parent), form_(form), nummer_(textEdit(this)) {
    setWindowTitle(toQString(Form::kCaption));
    nummer_->setObjectName(u"nummer"_qs);
    nummer_->setText(toQString(form.nummer));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBuchungRenumberDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buddyLabel(toQString(Form::kPrompt), nummer_, this));
    layout->addWidget(nummer_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CBuchungRenumberDlg::accept() {
    form_.nummer = toCp1252(nummer_->text());
    QtPrompter prompter(this);
    if (form_.ok(prompter)) {
        nummer_->setFocus();
        nummer_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace shell
