#include "shell/bookings/buchung_dlg.h"

#include "bookings/buchungsoptionen_form.h"
#include "shell/accounts/konto_neu_dlg.h"
#include "shell/bookings/buchungsoptionen_dlg.h"
#include "shell/bookings/buchungstext_dlg.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/datum_edit.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_dates.h"
#include "shell/qt/qt_prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace shell {

namespace {

using Field = bookings::CBuchungForm::Field;

} // namespace

CBuchungDlg::CBuchungDlg(bookings::CBuchungForm& form, ledger::CTalwerkDoc& doc, QWidget* parent)
    : QDialog(parent), form_(form), doc_(doc), date_(new CDatumEdit(this)), number_(textEdit(this)),
      text_(textEdit(this)), kind_(new QComboBox(this)), amount_(textEdit(this)),
      amountInfo_(new QLabel(this)), currency_(new QComboBox(this)),
      notes_(new QPlainTextEdit(this)),
      repeat_(new QCheckBox(u"Buchung regelmäßig ausführen"_qs, this)),
      provisional_(new QCheckBox(u"Vorläufige Buchung"_qs, this)), status_(new QLabel(this)) {
    setWindowTitle(toQString(form_.title()));
    // Names for the tests that drive the dialog.
    date_->setObjectName(u"datum"_qs);
    number_->setObjectName(u"nummer"_qs);
    text_->setObjectName(u"text"_qs);
    kind_->setObjectName(u"vorgang"_qs);
    amount_->setObjectName(u"betrag"_qs);
    for (const char* name : bookings::kVorgangNamen)
        kind_->addItem(toQString(name));
    for (const std::string& name : form_.currencyNames())
        currency_->addItem(toQString(name));
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(60);

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, QWidget* extra = nullptr) {
        auto* l = new QLabel(label, this);
        l->setBuddy(field);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row, 1, 1, extra ? 1 : 3);
        if (extra)
            grid->addWidget(extra, row, 2, 1, 2);
        ++row;
    };
    addRow(u"&Datum:"_qs, date_);
    addRow(u"Buchungs&nr.:"_qs, number_);
    auto* textButton = new QPushButton(u"..."_qs, this);
    textButton->setFixedWidth(30);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(text_);
    textRow->addWidget(textButton);
    auto* textLabel = new QLabel(u"Buchungs&text:"_qs, this);
    textLabel->setBuddy(text_);
    grid->addWidget(textLabel, row, 0);
    grid->addLayout(textRow, row++, 1, 1, 3);
    addRow(u"&Vorgang:"_qs, kind_);
    // The fields are created before the rows they sit in, so the focus is led row by row.
    QWidget::setTabOrder(text_, textButton);
    QWidget::setTabOrder(textButton, kind_);
    QWidget* previous = kind_;
    for (int side = 0; side < 2; ++side) {
        Side& s = sides_[side];
        s.label = new QLabel(this);
        s.account = new QComboBox(this);
        s.account->setObjectName(side == 0 ? u"konto1"_qs : u"konto2"_qs);
        s.account->setEditable(true);
        s.account->setInsertPolicy(QComboBox::NoInsert);
        s.account->lineEdit()->setValidator(new Cp1252Validator(s.account));
        s.label->setBuddy(s.account);
        auto* up = arrowButton(Qt::UpArrow, this);
        auto* down = arrowButton(Qt::DownArrow, this);
        auto* neu = new QPushButton(u"Neu..."_qs, this);
        auto* accountRow = new QHBoxLayout;
        accountRow->addWidget(s.account, 1);
        accountRow->addWidget(up);
        accountRow->addWidget(down);
        accountRow->addWidget(neu);
        for (QWidget* next : std::initializer_list<QWidget*>{s.account, up, down, neu}) {
            QWidget::setTabOrder(previous, next);
            previous = next;
        }
        connect(neu, &QPushButton::clicked, this, [this, side] { newAccount(side); });
        grid->addWidget(s.label, row, 0);
        grid->addLayout(accountRow, row++, 1, 1, 3);
        auto* infoRow = new QHBoxLayout;
        for (QLabel*& info : s.info) {
            info = new QLabel(this);
            // Changing texts must not widen the dialog.
            info->setMinimumWidth(90);
            info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            infoRow->addWidget(info);
        }
        grid->addLayout(infoRow, row++, 1, 1, 3);
        connect(up, &QToolButton::clicked, this, [this, side] {
            readFields();
            form_.stepIdentifikation(side, +1);
            showAccountLists();
        });
        connect(down, &QToolButton::clicked, this, [this, side] {
            readFields();
            form_.stepIdentifikation(side, -1);
            showAccountLists();
        });
        connect(s.account, &QComboBox::currentTextChanged, this, [this, side] {
            form_.accountText[side] = toCp1252(sides_[side].account->currentText());
            showAccountInfo(side);
        });
    }
    QWidget::setTabOrder(previous, amount_);
    // The account labels change with the kind of booking; the label column is as wide as the
    // widest of them from the start, so that no field moves sideways.
    int widest = 0;
    for (int index = 0; index < ledger::kVorgaenge; ++index)
        for (int side = 0; side < 2; ++side) {
            const ledger::Vorgang kind = *ledger::vorgangAt(index);
            const QLabel probe(toQString(bookings::vorgangKontoLabel(kind, side)));
            widest = std::max(widest, probe.sizeHint().width());
        }
    grid->setColumnMinimumWidth(0, widest);
    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(amount_);
    amountInfo_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    amountRow->addWidget(amountInfo_, 1);
    auto* amountLabel = new QLabel(u"&Betrag:"_qs, this);
    amountLabel->setBuddy(amount_);
    grid->addWidget(amountLabel, row, 0);
    grid->addLayout(amountRow, row++, 1, 1, 3);
    addRow(u"&Währung:"_qs, currency_);
    // "o" belongs to the second account's label ("Ausgabenk&onto", "auf K&onto").
    addRow(u"Noti&zen:"_qs, notes_);
    grid->addWidget(repeat_, row, 1);
    grid->addWidget(provisional_, row++, 2);
    grid->addWidget(status_, row++, 1, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* options = buttons->addButton(u"O&ptionen..."_qs, QDialogButtonBox::ActionRole);
    if (form_.newBookingButtons()) {
        auto* furtherButton =
            buttons->addButton(u"Weitere B&uchung..."_qs, QDialogButtonBox::ActionRole);
        furtherButton->setObjectName(u"weitere"_qs);
        connect(furtherButton, &QPushButton::clicked, this, &CBuchungDlg::further);
    }
    // Only a new booking can be followed by the rule that repeats it.
    repeat_->setEnabled(form_.newBookingButtons());
    connect(buttons, &QDialogButtonBox::accepted, this, &CBuchungDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(options, &QPushButton::clicked, this, &CBuchungDlg::editOptions);
    connect(textButton, &QPushButton::clicked, this, &CBuchungDlg::chooseText);
    connect(kind_, &QComboBox::activated, this, [this](int index) {
        readFields();
        if (const auto kind = ledger::vorgangAt(index))
            form_.changeKind(*kind);
        showAccountLists();
    });
    connect(amount_, &QLineEdit::editingFinished, this, [this] {
        readFields();
        form_.leaveAmount();
        amount_->setText(toQString(form_.amountText));
        showAmountInfo();
    });
    connect(amount_, &QLineEdit::textEdited, this, [this] {
        form_.amountText = toCp1252(amount_->text());
        showAmountInfo();
    });
    connect(currency_, &QComboBox::activated, this, [this](int c) {
        form_.currency = ledger::waehrungAt(c).value_or(ledger::WaehrungsIndex::Erste);
        showAmountInfo();
    });
    connect(date_, &CDatumEdit::dateChanged, this, [this](const QDate& d) {
        form_.date = toDatum(d);
        showAccountInfo(0);
        showAccountInfo(1);
    });
    for (QCheckBox* flag : {repeat_, provisional_})
        connect(flag, &QCheckBox::toggled, this, [this] {
            form_.repeat = repeat_->isChecked();
            form_.provisional = provisional_->isChecked();
            status_->setText(toQString(form_.statusText()));
        });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    setMinimumWidth(520);
    showFields();
}

void CBuchungDlg::readFields() {
    form_.date = toDatum(date_->date());
    form_.number = toCp1252(number_->text());
    form_.text = toCp1252(text_->text());
    form_.notes = toCp1252(notes_->toPlainText());
    form_.amountText = toCp1252(amount_->text());
    form_.currency =
        ledger::waehrungAt(currency_->currentIndex()).value_or(ledger::WaehrungsIndex::Erste);
    form_.repeat = repeat_->isChecked();
    form_.provisional = provisional_->isChecked();
    for (int side = 0; side < 2; ++side)
        form_.accountText[side] = toCp1252(sides_[side].account->currentText());
}

void CBuchungDlg::showFields() {
    date_->setDate(toQDate(form_.date));
    number_->setText(toQString(form_.number));
    number_->setEnabled(form_.numberEnabled());
    text_->setText(toQString(form_.text));
    notes_->setPlainText(toQString(form_.notes));
    notes_->setEnabled(form_.notesEnabled());
    amount_->setText(toQString(form_.amountText));
    currency_->setCurrentIndex(ledger::waehrungsPosition(form_.currency));
    currency_->setEnabled(form_.currencyEnabled());
    {
        const QSignalBlocker blockRepeat(repeat_);
        const QSignalBlocker blockProvisional(provisional_);
        repeat_->setChecked(form_.repeat);
        provisional_->setChecked(form_.provisional);
    }
    status_->setText(toQString(form_.statusText()));
    showAccountLists();
    showAmountInfo();
}

void CBuchungDlg::showAccountLists() {
    kind_->setCurrentIndex(ledger::vorgangIndex(form_.kind()));
    for (int side = 0; side < 2; ++side) {
        Side& s = sides_[side];
        s.label->setText(toQString(form_.kontoLabel(side)));
        const std::string text = form_.accountText[side];
        {
            const QSignalBlocker block(s.account);
            s.account->clear();
            for (const bookings::KontoEintrag& e : form_.kontoListe(side))
                s.account->addItem(toQString(e.text), e.id);
            s.account->setEditText(toQString(text));
        }
        form_.accountText[side] = text;
        showAccountInfo(side);
    }
}

void CBuchungDlg::showAccountInfo(int side) {
    const std::array<std::string, 3> info = form_.kontoInfo(side);
    for (int i = 0; i < 3; ++i)
        sides_[side].info[i]->setText(toQString(info[i]));
}

void CBuchungDlg::showAmountInfo() {
    amountInfo_->setText(toQString(form_.amountInfo()));
}

void CBuchungDlg::focus(Field field) {
    switch (field) {
    case Field::Number:
        number_->setText(toQString(form_.number));
        number_->setFocus();
        break;
    case Field::Text:
        text_->setFocus();
        break;
    case Field::Account1:
        sides_[0].account->setFocus();
        break;
    case Field::Account2:
        sides_[1].account->setFocus();
        break;
    case Field::Amount:
        amount_->setFocus();
        amount_->selectAll();
        break;
    }
}

void CBuchungDlg::finish(Button button) {
    // A date still being typed is taken first; one that is no date keeps the dialog open.
    if (!date_->commit()) {
        date_->setFocus();
        return;
    }
    readFields();
    QtPrompter prompter(this);
    if (const auto failed = (form_.*button)(prompter)) {
        focus(*failed);
        return;
    }
    QDialog::accept();
}

void CBuchungDlg::accept() {
    finish(&bookings::CBuchungForm::ok);
}

void CBuchungDlg::further() {
    finish(&bookings::CBuchungForm::further);
}

void CBuchungDlg::chooseText() {
    readFields();
    bookings::CBuchungstextForm textForm(doc_);
    CBuchungstextDlg dlg(textForm, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (const ledger::CTWBuchung* chosen = textForm.chosenBooking()) {
        form_.takeFromBooking(*chosen, textForm.takeKindAndAccounts(),
                              textForm.takeAmountAndCurrency(), textForm.takeNotes());
        showFields();
    }
}

void CBuchungDlg::editOptions() {
    readFields();
    bookings::CBuchungsoptionenForm optionsForm(doc_);
    CBuchungsoptionenDlg dlg(optionsForm, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    form_.optionsApplied(optionsForm.apply(doc_));
    showFields();
}

void CBuchungDlg::newAccount(int side) {
    readFields();
    const bookings::CBuchungForm::KontoVorgabe preset = form_.newAccountPreset(side);
    CKontoNeuDlg dlg(
        doc_, preset.freeChoice ? std::nullopt : std::optional<ledger::KontoArt>(preset.kind),
        this);
    if (dlg.exec() != QDialog::Accepted || dlg.index() < 0)
        return;
    form_.accountCreated(side, doc_.accounts()[dlg.index()]->id);
    showAccountLists();
}

} // namespace shell
