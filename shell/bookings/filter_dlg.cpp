#include "shell/bookings/filter_dlg.h"

#include "bookings/buchung_form.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

QComboBox* list(std::initializer_list<std::string> items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const std::string& item : items)
        box->addItem(toQString(item));
    return box;
}

// The unsigned number of a field; 0 for a field without digits.
uint32_t numberOf(const QLineEdit* edit) {
    return edit->text().toUInt();
}

} // namespace

CFilterDlg::CFilterDlg(ledger::CTalwerkDoc& doc, int index, QWidget* parent)
    : QDialog(parent), doc_(doc), form_(doc, index), name_(textEdit(this)),
      numberOn_(new QCheckBox(u"Bu&chungsnr. von"_qs, this)), numberFrom_(new QLineEdit(this)),
      numberTo_(new QLineEdit(this)), textOn_(new QCheckBox(u"Buchungs&text"_qs, this)),
      textMode_(list({bookings::kTextModusNamen[0], bookings::kTextModusNamen[1],
                      bookings::kTextModusNamen[2]},
                     this)),
      textPattern_(textEdit(this)), notesOn_(new QCheckBox(u"&Notizen"_qs, this)),
      notesMode_(list({bookings::kTextModusNamen[0], bookings::kTextModusNamen[1],
                       bookings::kTextModusNamen[2]},
                      this)),
      notesPattern_(textEdit(this)), kindOn_(new QCheckBox(u"&Vorgang"_qs, this)),
      kind_(
          list({bookings::kVorgangNamen[0], bookings::kVorgangNamen[1], bookings::kVorgangNamen[2]},
               this)),
      accountOn_(new QCheckBox(u"&Konto"_qs, this)), account_(new QComboBox(this)),
      amountOn_(new QCheckBox(u"&Betrag zwischen"_qs, this)), amountFrom_(textEdit(this)),
      amountTo_(textEdit(this)), amountCurrency_(new QComboBox(this)),
      currencyOn_(new QCheckBox(u"&Währung"_qs, this)), currency_(new QComboBox(this)),
      onlyProvisional_(new QCheckBox(u"nur v&orläufige Buchungen"_qs, this)),
      withoutProvisional_(new QCheckBox(u"o&hne vorläufige Buchungen"_qs, this)) {
    setWindowTitle(QString::fromLatin1(bookings::CFilterForm::kCaption));
    name_->setObjectName(u"bezeichnung"_qs);
    // Nine digits always fit the unsigned bounds.
    for (QLineEdit* edit : {numberFrom_, numberTo_})
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(u"\\d{0,9}"_qs), edit));
    for (const std::string& name : form_.amountCurrencyNames())
        amountCurrency_->addItem(toQString(name));
    for (const std::string& name : form_.currencyConditionNames())
        currency_->addItem(toQString(name));

    auto* grid = new QGridLayout;
    int row = 0;
    auto* nameLabel = new QLabel(u"Be&zeichnung für Filter"_qs, this);
    nameLabel->setBuddy(name_);
    grid->addWidget(nameLabel, row, 0);
    grid->addWidget(name_, row++, 1, 1, 4);
    grid->addWidget(numberOn_, row, 0);
    grid->addWidget(numberFrom_, row, 1);
    auto* bis = new QLabel(u"bi&s"_qs, this);
    bis->setBuddy(numberTo_);
    grid->addWidget(bis, row, 2);
    grid->addWidget(numberTo_, row++, 3);
    grid->addWidget(textOn_, row, 0);
    grid->addWidget(textMode_, row, 1);
    grid->addWidget(textPattern_, row++, 2, 1, 3);
    grid->addWidget(notesOn_, row, 0);
    grid->addWidget(notesMode_, row, 1);
    grid->addWidget(notesPattern_, row++, 2, 1, 3);
    grid->addWidget(kindOn_, row, 0);
    grid->addWidget(kind_, row++, 1);
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    auto* accountRow = new QHBoxLayout;
    accountRow->addWidget(account_, 1);
    accountRow->addWidget(up);
    accountRow->addWidget(down);
    grid->addWidget(accountOn_, row, 0);
    grid->addLayout(accountRow, row++, 1, 1, 4);
    grid->addWidget(amountOn_, row, 0);
    grid->addWidget(amountFrom_, row, 1);
    auto* und = new QLabel(u"&und"_qs, this);
    und->setBuddy(amountTo_);
    grid->addWidget(und, row, 2);
    grid->addWidget(amountTo_, row, 3);
    grid->addWidget(amountCurrency_, row++, 4);
    grid->addWidget(currencyOn_, row, 0);
    grid->addWidget(currency_, row++, 1);
    grid->addWidget(onlyProvisional_, row, 0, 1, 2);
    grid->addWidget(withoutProvisional_, row++, 2, 1, 3);

    name_->setText(toQString(form_.name));
    numberOn_->setChecked(form_.numberOn);
    numberFrom_->setText(QString::number(form_.numberFrom));
    numberTo_->setText(QString::number(form_.numberTo));
    textOn_->setChecked(form_.textOn);
    textMode_->setCurrentIndex(form_.textMode);
    textPattern_->setText(toQString(form_.textPattern));
    notesOn_->setChecked(form_.notesOn);
    notesMode_->setCurrentIndex(form_.notesMode);
    notesPattern_->setText(toQString(form_.notesPattern));
    kindOn_->setChecked(form_.kindOn);
    kind_->setCurrentIndex(ledger::vorgangIndex(form_.kind));
    accountOn_->setChecked(form_.accountOn);
    amountOn_->setChecked(form_.amountOn);
    amountFrom_->setText(toQString(form_.amountFrom));
    amountTo_->setText(toQString(form_.amountTo));
    amountCurrency_->setCurrentIndex(ledger::waehrungsPosition(form_.amountCurrency));
    currencyOn_->setChecked(form_.currencyOn);
    currency_->setCurrentIndex(ledger::waehrungsPosition(form_.currency));
    onlyProvisional_->setChecked(form_.onlyProvisional);
    withoutProvisional_->setChecked(form_.withoutProvisional);
    showAccounts();

    connect(up, &QToolButton::clicked, this, [this] {
        readFields();
        form_.stepIdentifikation(+1);
        showAccounts();
    });
    connect(down, &QToolButton::clicked, this, [this] {
        readFields();
        form_.stepIdentifikation(-1);
        showAccounts();
    });
    connect(onlyProvisional_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setOnlyProvisional(on);
        withoutProvisional_->setChecked(form_.withoutProvisional);
    });
    connect(withoutProvisional_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setWithoutProvisional(on);
        onlyProvisional_->setChecked(form_.onlyProvisional);
    });
    for (QLineEdit* edit : {amountFrom_, amountTo_})
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            std::string text = toCp1252(edit->text());
            form_.leaveAmount(text);
            edit->setText(toQString(text));
        });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFilterDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CFilterDlg::showAccounts() {
    account_->clear();
    for (const bookings::KontoEintrag& e : form_.kontoListe())
        account_->addItem(toQString(e.text), e.id);
    account_->setCurrentIndex(account_->findData(form_.accountId));
}

void CFilterDlg::readFields() {
    form_.name = toCp1252(name_->text());
    form_.numberOn = numberOn_->isChecked();
    form_.numberFrom = numberOf(numberFrom_);
    form_.numberTo = numberOf(numberTo_);
    form_.textOn = textOn_->isChecked();
    form_.textMode = textMode_->currentIndex();
    form_.textPattern = toCp1252(textPattern_->text());
    form_.notesOn = notesOn_->isChecked();
    form_.notesMode = notesMode_->currentIndex();
    form_.notesPattern = toCp1252(notesPattern_->text());
    form_.kindOn = kindOn_->isChecked();
    // A kind that a damaged file gives the filter shows none and stays as it is.
    form_.kind = ledger::vorgangAt(kind_->currentIndex()).value_or(form_.kind);
    form_.accountOn = accountOn_->isChecked();
    form_.accountId = account_->currentIndex() < 0 ? -1 : account_->currentData().toInt();
    form_.amountOn = amountOn_->isChecked();
    form_.amountFrom = toCp1252(amountFrom_->text());
    form_.amountTo = toCp1252(amountTo_->text());
    form_.amountCurrency =
        ledger::waehrungAt(amountCurrency_->currentIndex()).value_or(ledger::WaehrungsIndex::Erste);
    form_.currencyOn = currencyOn_->isChecked();
    form_.currency =
        ledger::waehrungAt(currency_->currentIndex()).value_or(ledger::WaehrungsIndex::Erste);
    form_.onlyProvisional = onlyProvisional_->isChecked();
    form_.withoutProvisional = withoutProvisional_->isChecked();
}

void CFilterDlg::accept() {
    readFields();
    QtPrompter prompter(this);
    if (const auto failed = form_.ok(doc_, prompter)) {
        QLineEdit* field =
            *failed == bookings::CFilterForm::Field::TextPattern ? textPattern_ : notesPattern_;
        field->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace shell
