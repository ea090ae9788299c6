#include "shell/qt/kennwort_dlg.h"

#include "shell/qt/cp1252.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace shell {

CKennwortDlg::CKennwortDlg(const QString& path, QWidget* parent)
    : QDialog(parent), password_(new QLineEdit(this)) {
    setWindowTitle(u"Kennwort"_qs);
    auto* text = new QLabel(
        u"Diese Datei ist durch ein &Kennwort geschützt.\nBitte geben Sie das Kennwort ein:"_qs,
        this);
    text->setBuddy(password_);
    password_->setEchoMode(QLineEdit::Password);
    password_->setValidator(new Cp1252Validator(password_));
    password_->setMinimumWidth(220);

    auto* file = new QLabel(QDir::toNativeSeparators(path), this);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    file->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(password_);
    row->addWidget(file, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString CKennwortDlg::password() const {
    return password_->text();
}

} // namespace shell
