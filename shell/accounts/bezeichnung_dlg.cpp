#include "shell/accounts/bezeichnung_dlg.h"

#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace shell {

CBezeichnungDlg::CBezeichnungDlg(accounts::CBezeichnungForm& form, QWidget* parent)
    : QDialog(parent), form_(form), name_(textEdit(this)) {
    setWindowTitle(toQString(form.title()));
    name_->setText(toQString(form.name));
    name_->setMinimumWidth(300);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBezeichnungDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buddyLabel(toQString(form.prompt()), name_, this));
    layout->addWidget(name_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CBezeichnungDlg::accept() {
    form_.name = toCp1252(name_->text());
    QtPrompter prompter(this);
    if (form_.check(prompter)) {
        name_->setFocus();
        name_->selectAll();
        return;
    }
    QDialog::accept();
}

bool CBezeichnungDlg::ask(accounts::KategorieBenennung& benennung, QWidget* parent) {
    CBezeichnungDlg dialog(benennung.form, parent);
    return dialog.exec() == QDialog::Accepted;
}

int32_t CBezeichnungDlg::run(const accounts::KategorieBenennung& benennung,
                             ledger::CTalwerkDoc& doc, QWidget* parent) {
    accounts::KategorieBenennung op = benennung;
    return ask(op, parent) ? op.apply(doc) : -1;
}

} // namespace shell
