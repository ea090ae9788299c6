#include "shell/accounts/konto_dlg.h"

#include "shell/accounts/bezeichnung_dlg.h"
#include "shell/accounts/konto_alt_kat_dlg.h"
#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace shell {

namespace {
// One grid for the account and its categories, so that their labels and fields line up.
enum Row {
    kKindRow,
    kNameRow,
    kNumberRow,
    kAbbreviationRow,
    kCurrencyRow,
    kOpeningRow,
    kGapRow,
    kKategorieRow,
    kUnterkategorieRow,
    kAlternativeRow
};
} // namespace

KontoDlg::KontoDlg(accounts::KontoForm& form, QWidget* parent)
    : QDialog(parent), form_(form), grid_(new QGridLayout), name_(textEdit(this)),
      number_(new QLineEdit(this)), abbreviation_(textEdit(this)),
      currencyLabel_(new QLabel(u"&Währung:"_qs, this)), currency_(new QComboBox(this)),
      openingLabel_(new QLabel(u"An&fangsbestand:"_qs, this)), opening_(textEdit(this)),
      kategorie_(new QComboBox(this)), unterLabel_(new QLabel(u"Unterkate&gorie:"_qs, this)),
      unterkategorie_(new QComboBox(this)), unterNeu_(new QPushButton(u"N&eu..."_qs, this)) {
    name_->setObjectName(u"bezeichnung"_qs);
    number_->setObjectName(u"kontonummer"_qs);
    abbreviation_->setObjectName(u"abkuerzung"_qs);
    opening_->setObjectName(u"anfangsbestand"_qs);
    number_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,7}"_qs), number_));
    currencyLabel_->setBuddy(currency_);
    openingLabel_->setBuddy(opening_);
    opening_->setAlignment(Qt::AlignRight);
    unterLabel_->setBuddy(unterkategorie_);
    name_->setMinimumWidth(220);
    kategorie_->setMinimumWidth(220);

    grid_->addWidget(new QLabel(u"Kontenart:"_qs, this), kKindRow, 0);
    grid_->addWidget(buddyLabel(u"&Bezeichnung:"_qs, name_, this), kNameRow, 0);
    grid_->addWidget(name_, kNameRow, 1, 1, 2);
    grid_->addWidget(buddyLabel(u"Kontonu&mmer:"_qs, number_, this), kNumberRow, 0);
    grid_->addWidget(number_, kNumberRow, 1);
    grid_->addWidget(buddyLabel(u"Ab&kürzung:"_qs, abbreviation_, this), kAbbreviationRow, 0);
    grid_->addWidget(abbreviation_, kAbbreviationRow, 1);
    grid_->addWidget(currencyLabel_, kCurrencyRow, 0);
    grid_->addWidget(currency_, kCurrencyRow, 1);
    grid_->addWidget(openingLabel_, kOpeningRow, 0);
    grid_->addWidget(opening_, kOpeningRow, 1);

    auto* kategorieNeu = new QPushButton(u"Ne&u..."_qs, this);
    // Created after the sub-category row, so it is led in beside its list.
    QWidget::setTabOrder(kategorie_, kategorieNeu);
    kategorie_->setObjectName(u"kategorie"_qs);
    grid_->setRowMinimumHeight(kGapRow, 8);
    grid_->addWidget(buddyLabel(u"Ka&tegorie:"_qs, kategorie_, this), kKategorieRow, 0);
    grid_->addWidget(kategorie_, kKategorieRow, 1);
    grid_->addWidget(kategorieNeu, kKategorieRow, 2);
    grid_->addWidget(unterLabel_, kUnterkategorieRow, 0);
    grid_->addWidget(unterkategorie_, kUnterkategorieRow, 1);
    grid_->addWidget(unterNeu_, kUnterkategorieRow, 2);
    auto* alternatives = new QPushButton(u"Alter&native Kategoriezuordnungen..."_qs, this);
    grid_->addWidget(alternatives, kAlternativeRow, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &KontoDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(number_, &QLineEdit::editingFinished, this, [this] {
        readFields();
        form_.leaveNumber();
        showFields();
    });
    connect(opening_, &QLineEdit::editingFinished, this, [this] {
        readFields();
        form_.leaveOpeningBalance();
        showFields();
    });
    connect(kategorie_, &QComboBox::activated, this, [this] {
        readFields();
        form_.standard.selectKategorie(comboText(kategorie_));
        showFields();
    });
    connect(kategorieNeu, &QPushButton::clicked, this, [this] { newKategorie(false); });
    connect(unterNeu_, &QPushButton::clicked, this, [this] { newKategorie(true); });
    connect(alternatives, &QPushButton::clicked, this, &KontoDlg::editAlternatives);
}

void KontoDlg::finishSetup(QWidget* kindWidget) {
    setWindowTitle(toQString(form_.caption()));
    grid_->addWidget(kindWidget, kKindRow, 1);
    showFields();
}

void KontoDlg::addCurrencyButton(QPushButton* button) {
    grid_->addWidget(button, kCurrencyRow, 2);
}

void KontoDlg::readFields() {
    form_.name = toCp1252(name_->text());
    form_.number = number_->text().toLongLong();
    form_.abbreviation = toCp1252(abbreviation_->text());
    if (form_.currencyEnabled())
        form_.currencyIndex =
            ledger::waehrungAt(currency_->currentIndex()).value_or(ledger::WaehrungsIndex::Keine);
    if (form_.openingBalanceEnabled())
        form_.openingBalance = toCp1252(opening_->text());
    form_.standard.selectUnterkategorie(comboText(unterkategorie_));
}

void KontoDlg::showFields() {
    name_->setText(toQString(form_.name));
    number_->setText(QString::number(form_.number));
    abbreviation_->setText(toQString(form_.abbreviation));
    fillCombo(currency_, form_.currencies(), {});
    currency_->setCurrentIndex(ledger::waehrungsPosition(form_.currencyIndex)); // Keine: none
    opening_->setText(toQString(form_.openingBalance));
    for (QWidget* w : std::initializer_list<QWidget*>{currencyLabel_, currency_})
        w->setEnabled(form_.currencyEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{openingLabel_, opening_})
        w->setEnabled(form_.openingBalanceEnabled());

    fillCombo(kategorie_, form_.standard.kategorien(), form_.standard.kategorie());
    fillCombo(unterkategorie_, form_.standard.unterkategorien(), form_.standard.unterkategorie());
    const bool unter = form_.standard.unterkategorieEnabled();
    for (QWidget* w : std::initializer_list<QWidget*>{unterLabel_, unterkategorie_, unterNeu_})
        w->setEnabled(unter);
}

void KontoDlg::newKategorie(bool unter) {
    readFields();
    std::optional<accounts::KategorieBenennung> benennung =
        unter ? form_.standard.neueUnterkategorie() : std::optional(form_.standard.neueKategorie());
    if (benennung && CBezeichnungDlg::ask(*benennung, this))
        form_.createKategorie(*benennung);
    showFields();
}

void KontoDlg::editAlternatives() {
    readFields();
    accounts::CKontoAltKatForm alt = form_.altKatForm();
    CKontoAltKatDlg dialog(alt, this);
    form_.altKatClosed(alt, dialog.exec() == QDialog::Accepted);
    showFields();
}

void KontoDlg::accept() {
    readFields();
    QtPrompter prompter(this);
    const std::optional<accounts::KontoForm::Field> failed = form_.check(prompter);
    if (!failed) {
        apply();
        QDialog::accept();
        return;
    }
    QLineEdit* field = name_;
    switch (*failed) {
    case accounts::KontoForm::Field::Bezeichnung:
        field = name_;
        break;
    case accounts::KontoForm::Field::Kontonummer:
        field = number_;
        break;
    case accounts::KontoForm::Field::Abkuerzung:
        field = abbreviation_;
        break;
    case accounts::KontoForm::Field::Anfangsbestand:
        field = opening_;
        break;
    }
    field->setFocus();
    field->selectAll();
}

} // namespace shell
