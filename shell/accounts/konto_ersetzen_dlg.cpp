#include "shell/accounts/konto_ersetzen_dlg.h"

#include "accounts/namen.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace shell {

namespace {

using Form = accounts::CKontoErsetzenForm;

// Arrows that step through the list beside it; the box itself holds no value.
class Stepper final : public QAbstractSpinBox {
public:
    Stepper(std::function<void(int)> step, QWidget* parent)
        : QAbstractSpinBox(parent), step_(std::move(step)) {
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        setMaximumWidth(22);
        setReadOnly(true);
    }
    void stepBy(int steps) override { step_(-steps); } // up goes to the previous entry

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    std::function<void(int)> step_;
};

} // namespace

CKontoErsetzenDlg::CKontoErsetzenDlg(Form& form, QWidget* parent)
    : QDialog(parent), form_(form),
      kind_(new QComboBox(this)), listen_{new QComboBox(this), new QComboBox(this)},
      ohneRueckfrage_(new QCheckBox(u"&Ohne Rückfrage"_qs, this)) {
    setWindowTitle(toQString(Form::kCaption));
    fillCombo(kind_, accounts::kontoArtNamen(), accounts::kontoArtName(form.kind()));
    ohneRueckfrage_->setChecked(form.ohneRueckfrage);
    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(u"&Kontenart:"_qs, kind_, this), 0, 0);
    grid->addWidget(kind_, 0, 1);
    const QString labels[2] = {u"&Suchen nach:"_qs, u"&Ersetzen durch:"_qs};
    for (int i = 0; i < 2; ++i) {
        QComboBox* list = listen_[i];
        list->setMinimumWidth(220);
        grid->addWidget(buddyLabel(labels[i], list, this), i + 1, 0);
        grid->addWidget(list, i + 1, 1);
        grid->addWidget(new Stepper(
                            [this, i](int delta) {
                                form_.spin(Form::Liste(i), delta);
                                showLists();
                            },
                            this),
                        i + 1, 2);
        connect(list, &QComboBox::activated, this, [this, i, list](int index) {
            form_.selectedIds[i] = list->itemData(index).toInt();
        });
    }
    grid->addWidget(ohneRueckfrage_, 3, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &CKontoErsetzenDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(kind_, &QComboBox::activated, this, [this](int index) {
        if (const auto kind = ledger::kontoArtAt(index))
            form_.setKind(*kind);
        showLists();
    });
    showLists();
}

void CKontoErsetzenDlg::showLists() {
    for (int i = 0; i < 2; ++i) {
        QComboBox* list = listen_[i];
        const QSignalBlocker blocker(list);
        list->clear();
        for (const Form::Eintrag& entry : form_.eintraege(Form::Liste(i)))
            list->addItem(toQString(entry.label), entry.kontoId);
        list->setCurrentIndex(list->findData(form_.selectedIds[i]));
    }
}

void CKontoErsetzenDlg::accept() {
    form_.ohneRueckfrage = ohneRueckfrage_->isChecked();
    QtPrompter prompter(this);
    if (const auto failed = form_.check(prompter)) {
        listen_[*failed == Form::Field::Suchen ? 0 : 1]->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace shell
