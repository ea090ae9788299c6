#include "shell/bookings/textersetzung_dlg.h"

#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

using Form = bookings::CTextersetzungForm;

CTextersetzungDlg::CTextersetzungDlg(Form& form, QWidget* parent)
    : QDialog(parent), form_(form), suchen_(textEdit(this)), ersetzen_(textEdit(this)),
      bereich_(new QComboBox(this)),
      grossKlein_(new QCheckBox(u"&Groß-/Kleinschreibung beachten"_qs, this)),
      ohneRueckfrage_(new QCheckBox(u"&Ohne Rückfrage"_qs, this)) {
    setWindowTitle(toQString(Form::kCaption));
    suchen_->setObjectName(u"suchen"_qs);
    ersetzen_->setObjectName(u"ersetzen"_qs);
    bereich_->setObjectName(u"bereich"_qs);
    suchen_->setMinimumWidth(260);
    suchen_->setText(toQString(form.suchen));
    ersetzen_->setText(toQString(form.ersetzen));
    for (const char* name : bookings::kTextBereichNamen)
        bereich_->addItem(toQString(name));
    bereich_->setCurrentIndex(static_cast<int>(form.bereich));
    grossKlein_->setChecked(form.grossKlein);
    ohneRueckfrage_->setChecked(form.ohneRueckfrage);

    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(u"&Suchen nach:"_qs, suchen_, this), 0, 0);
    grid->addWidget(suchen_, 0, 1);
    grid->addWidget(buddyLabel(u"&Ersetzen durch:"_qs, ersetzen_, this), 1, 0);
    grid->addWidget(ersetzen_, 1, 1);
    grid->addWidget(buddyLabel(u"Suchen &in:"_qs, bereich_, this), 2, 0);
    grid->addWidget(bereich_, 2, 1);
    grid->addWidget(grossKlein_, 3, 1);
    grid->addWidget(ohneRueckfrage_, 4, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTextersetzungDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CTextersetzungDlg::accept() {
    form_.suchen = toCp1252(suchen_->text());
    form_.ersetzen = toCp1252(ersetzen_->text());
    form_.bereich = static_cast<bookings::TextBereich>(bereich_->currentIndex());
    form_.grossKlein = grossKlein_->isChecked();
    form_.ohneRueckfrage = ohneRueckfrage_->isChecked();
    QtPrompter prompter(this);
    if (form_.ok(prompter)) {
        suchen_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace shell
