#include "shell/bookings/buchung_regel_dlg.h"

#include "bookings/buchung_form.h"
#include "bookings/regel_termine.h"
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
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace shell {

namespace {

using Field = bookings::CBuchungRegelForm::Field;

} // namespace

CBuchungRegelDlg::CBuchungRegelDlg(bookings::CBuchungRegelForm& form, QWidget* parent)
    : QDialog(parent), form_(form), name_(textEdit(this)), dateMode_(new QComboBox(this)),
      number_(textEdit(this)), counterLabel_(new QLabel(this)), counter_(new QSpinBox(this)),
      text_(textEdit(this)), kind_(new QComboBox(this)), amount_(textEdit(this)),
      currency_(new QComboBox(this)), notes_(new QPlainTextEdit(this)),
      interval_(new QSpinBox(this)), unit_(new QComboBox(this)), dateLabel_(new QLabel(this)),
      date_(new CDatumEdit(this)),
      provisional_(new QCheckBox(u"als vorläufige Buchung ausführen"_qs, this)) {
    setWindowTitle(u"Regelmäßige Buchung"_qs);
    // Names for the tests that drive the dialog.
    name_->setObjectName(u"bezeichnung"_qs);
    number_->setObjectName(u"nummer"_qs);
    counter_->setObjectName(u"zaehler"_qs);
    text_->setObjectName(u"text"_qs);
    kind_->setObjectName(u"vorgang"_qs);
    amount_->setObjectName(u"betrag"_qs);
    interval_->setObjectName(u"intervall"_qs);
    unit_->setObjectName(u"einheit"_qs);
    date_->setObjectName(u"datum"_qs);
    for (const char* name : bookings::kDatumsmodusNamen)
        dateMode_->addItem(toQString(name));
    for (const char* name : bookings::kVorgangNamen)
        kind_->addItem(toQString(name));
    for (const std::string& name : form_.currencyNames())
        currency_->addItem(toQString(name));
    for (const char* name : bookings::kIntervallNamen)
        unit_->addItem(toQString(name));
    counter_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    // 0 is allowed while typing and becomes 1 when the field is left.
    interval_->setRange(0, 9999);
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(60);
    counterLabel_->setBuddy(counter_);
    dateLabel_->setBuddy(date_);

    std::vector<const char*> datePlaceholders(bookings::kDatumsPlatzhalter.begin(),
                                              bookings::kDatumsPlatzhalter.end());
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](QWidget* label, QWidget* field, QWidget* extra = nullptr) {
        grid->addWidget(label, row, 0);
        auto* line = new QHBoxLayout;
        line->addWidget(field, 1);
        if (extra)
            line->addWidget(extra);
        grid->addLayout(line, row++, 1);
    };
    addRow(buddyLabel(u"Be&zeichnung:"_qs, name_, this), name_);
    addRow(buddyLabel(u"&Datum:"_qs, dateMode_, this), dateMode_);
    addRow(buddyLabel(u"B&uchungsnr.:"_qs, number_, this), number_,
           placeholderButton(number_, {bookings::kNummernPlatzhalter.begin(),
                                       bookings::kNummernPlatzhalter.end()}));
    addRow(counterLabel_, counter_);
    addRow(buddyLabel(u"Buchungs&text:"_qs, text_, this), text_,
           placeholderButton(text_, datePlaceholders));
    addRow(buddyLabel(u"&Vorgang:"_qs, kind_, this), kind_);
    for (int side = 0; side < 2; ++side) {
        Side& s = sides_[side];
        s.label = new QLabel(this);
        s.account = new QComboBox(this);
        s.account->setObjectName(side == 0 ? u"konto1"_qs : u"konto2"_qs);
        s.label->setBuddy(s.account);
        auto* up = arrowButton(Qt::UpArrow, this);
        auto* down = arrowButton(Qt::DownArrow, this);
        grid->addWidget(s.label, row, 0);
        auto* line = new QHBoxLayout;
        line->addWidget(s.account, 1);
        line->addWidget(up);
        line->addWidget(down);
        grid->addLayout(line, row++, 1);
        for (auto [button, delta] : {std::pair{up, +1}, std::pair{down, -1}})
            connect(button, &QToolButton::clicked, this, [this, side, delta = delta] {
                readFields();
                form_.stepIdentifikation(side, delta);
                showAccountLists();
            });
    }
    auto* amountLine = new QHBoxLayout;
    amountLine->addWidget(amount_, 1);
    amountLine->addWidget(buddyLabel(u"&Währung:"_qs, currency_, this));
    amountLine->addWidget(currency_);
    grid->addWidget(buddyLabel(u"Betr&ag:"_qs, amount_, this), row, 0);
    grid->addLayout(amountLine, row++, 1);
    addRow(buddyLabel(u"&Notizen:"_qs, notes_, this), notes_,
           placeholderButton(notes_, datePlaceholders));
    auto* intervalLine = new QHBoxLayout;
    intervalLine->addWidget(new QLabel(u"alle"_qs, this));
    intervalLine->addWidget(interval_);
    intervalLine->addWidget(unit_);
    intervalLine->addStretch();
    grid->addWidget(buddyLabel(u"&Fälligkeit:"_qs, interval_, this), row, 0);
    grid->addLayout(intervalLine, row++, 1);
    addRow(dateLabel_, date_);
    grid->addWidget(provisional_, row++, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBuchungRegelDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
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
    });
    connect(interval_, &QSpinBox::editingFinished, this, [this] {
        readFields();
        form_.leaveInterval();
        showFields();
    });
    const auto intervalChanged = [this] {
        readFields();
        form_.intervalChanged();
        const QSignalBlocker block(date_);
        date_->setDate(toQDate(form_.date));
    };
    connect(interval_, &QSpinBox::valueChanged, this, intervalChanged);
    connect(unit_, &QComboBox::activated, this, intervalChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    setMinimumWidth(480);
    showFields();
}

QPushButton* CBuchungRegelDlg::placeholderButton(QWidget* field,
                                                 const std::vector<const char*>& texts) {
    auto* button = new QPushButton(u"..."_qs, this);
    button->setFixedWidth(30);
    button->setFocusPolicy(Qt::NoFocus);
    auto* menu = new QMenu(button);
    for (const char* text : texts) {
        const QString placeholder = toQString(text);
        menu->addAction(placeholder, this, [field, placeholder] {
            if (auto* line = qobject_cast<QLineEdit*>(field))
                line->insert(placeholder);
            else if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
                plain->insertPlainText(placeholder);
            field->setFocus();
        });
    }
    button->setMenu(menu);
    return button;
}

void CBuchungRegelDlg::readFields() {
    form_.name = toCp1252(name_->text());
    form_.dateMode = std::max(0, dateMode_->currentIndex());
    form_.numberTemplate = toCp1252(number_->text());
    form_.counter = counter_->value();
    form_.textTemplate = toCp1252(text_->text());
    form_.amountText = toCp1252(amount_->text());
    form_.currency =
        ledger::waehrungAt(currency_->currentIndex()).value_or(ledger::WaehrungsIndex::Erste);
    form_.notesTemplate = toCp1252(notes_->toPlainText());
    form_.intervalCount = interval_->value();
    form_.intervalUnit = std::max(0, unit_->currentIndex());
    form_.date = toDatum(date_->date());
    form_.provisional = provisional_->isChecked();
    for (int side = 0; side < 2; ++side)
        form_.accountText[side] = toCp1252(sides_[side].account->currentText());
}

void CBuchungRegelDlg::showFields() {
    const QSignalBlocker blockInterval(interval_);
    const QSignalBlocker blockDate(date_);
    name_->setText(toQString(form_.name));
    dateMode_->setCurrentIndex(form_.dateMode);
    number_->setText(toQString(form_.numberTemplate));
    counter_->setValue(form_.counter);
    text_->setText(toQString(form_.textTemplate));
    amount_->setText(toQString(form_.amountText));
    currency_->setCurrentIndex(ledger::waehrungsPosition(form_.currency));
    notes_->setPlainText(toQString(form_.notesTemplate));
    interval_->setValue(form_.intervalCount);
    unit_->setCurrentIndex(form_.intervalUnit);
    date_->setDate(toQDate(form_.date));
    provisional_->setChecked(form_.provisional);
    counterLabel_->setText(toQString(form_.counterLabel()));
    dateLabel_->setText(toQString(form_.dateLabel()));
    for (QWidget* w : std::initializer_list<QWidget*>{counter_, interval_, unit_, date_})
        w->setEnabled(form_.scheduleEnabled());
    showAccountLists();
}

void CBuchungRegelDlg::showAccountLists() {
    kind_->setCurrentIndex(ledger::vorgangIndex(form_.kind()));
    for (int side = 0; side < 2; ++side) {
        Side& s = sides_[side];
        s.label->setText(toQString(form_.kontoLabel(side)));
        std::vector<std::string> texts;
        for (const bookings::KontoEintrag& e : form_.kontoListe(side))
            texts.push_back(e.text);
        fillCombo(s.account, texts, form_.accountText[side]);
    }
}

void CBuchungRegelDlg::focus(Field field) {
    QWidget* widget = nullptr;
    switch (field) {
    case Field::Name:
        widget = name_;
        break;
    case Field::Number:
        widget = number_;
        break;
    case Field::Text:
        widget = text_;
        break;
    case Field::Account1:
        widget = sides_[0].account;
        break;
    case Field::Account2:
        widget = sides_[1].account;
        break;
    case Field::Amount:
        widget = amount_;
        amount_->selectAll();
        break;
    case Field::Interval:
        widget = interval_;
        break;
    }
    widget->setFocus();
}

void CBuchungRegelDlg::accept() {
    // A date still being typed is taken first; one that is no date keeps the dialog open.
    if (!date_->commit()) {
        date_->setFocus();
        return;
    }
    readFields();
    QtPrompter prompter(this);
    if (const auto failed = form_.ok(prompter)) {
        focus(*failed);
        return;
    }
    QDialog::accept();
}

} // namespace shell
