#include "shell/bookings/buchungsoptionen_dlg.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

namespace {

QGroupBox* radioGroup(const QString& title, QButtonGroup* group,
                      std::initializer_list<const char16_t*> labels, int checked, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    int id = 0;
    for (const char16_t* label : labels) {
        auto* radio = new QRadioButton(QString::fromUtf16(label), box);
        group->addButton(radio, id);
        radio->setChecked(id == checked);
        layout->addWidget(radio);
        ++id;
    }
    return box;
}

} // namespace

CBuchungsoptionenDlg::CBuchungsoptionenDlg(bookings::CBuchungsoptionenForm& form, QWidget* parent)
    : QDialog(parent), form_(form), inputMode_(new QButtonGroup(this)),
      numberSource_(new QButtonGroup(this)), currency_(new QComboBox(this)),
      hidden_(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(bookings::CBuchungsoptionenForm::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(radioGroup(u"Konteneingabe"_qs, inputMode_,
                                 {u"&Bezeichnung", u"&Kontonummer", u"&Abkürzung"},
                                 form_.accountInputMode, this));
    groups->addWidget(
        radioGroup(u"Buchungsnummer"_qs, numberSource_,
                   {u"&von Buchung mit &neuestem Datum", u"von &zuletzt eingegebener Buchung"},
                   form_.bookingNumberSource, this));
    layout->addLayout(groups);

    const std::vector<std::string> currencies = form_.presetCurrencyNames();
    for (const std::string& name : currencies)
        currency_->addItem(toQString(name));
    currency_->setCurrentIndex(std::min<int>(form_.presetCurrency, currency_->count() - 1));
    auto* currencyRow = new QHBoxLayout;
    auto* currencyLabel = new QLabel(u"voreingestellte &Währung:"_qs, this);
    currencyLabel->setBuddy(currency_);
    currencyRow->addWidget(currencyLabel);
    currencyRow->addWidget(currency_);
    currencyRow->addStretch();
    layout->addLayout(currencyRow);

    const auto addFlag = [&](const QString& label, bool& value, bool shown = true) {
        auto* box = new QCheckBox(label, this);
        box->setChecked(value);
        box->setVisible(shown);
        layout->addWidget(box);
        flags_.push_back({box, &value});
    };
    addFlag(u"&Sicherheitsabfrage vor dem Ausführen und Löschen fälliger Buchungen"_qs,
            form_.confirmDueBookings);
    addFlag(u"k&eine Anzeige von Euro-Beträgen in der Landeswährung"_qs,
            form_.noNationalAmountOfEuro, form_.dualCurrency());
    addFlag(u"meistverwendete Konten automatisch vorselektieren"_qs,
            form_.preselectMostUsedAccounts);
    addFlag(u"keine Nachfrage bei fehlender Buchungsnummer"_qs, form_.noAskMissingNumber);
    addFlag(u"keine Nachfrage bei fehlendem Buchungstext"_qs, form_.noAskMissingText);
    addFlag(u"Feld 'Buchungsnr.' deaktivieren"_qs, form_.disableNumberField);
    addFlag(u"Feld 'Währung' deaktivieren"_qs, form_.disableCurrencyField);
    addFlag(u"Feld 'Notizen' deaktivieren"_qs, form_.disableNotesField);

    layout->addWidget(new QLabel(u"Ausgeblendete Buchungstexte"_qs, this));
    layout->addWidget(hidden_);
    auto* showAgain = new QPushButton(u"Buchungstext wieder anzeigen"_qs, this);
    layout->addWidget(showAgain, 0, Qt::AlignLeft);
    connect(showAgain, &QPushButton::clicked, this, [this] {
        form_.selectedHiddenText = hidden_->currentRow();
        QtPrompter prompter(this);
        form_.showTextAgain(prompter);
        showHiddenTexts();
    });
    showHiddenTexts();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBuchungsoptionenDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CBuchungsoptionenDlg::showHiddenTexts() {
    hidden_->clear();
    for (const std::string& text : form_.hiddenTexts)
        hidden_->addItem(toQString(text));
    hidden_->setCurrentRow(form_.selectedHiddenText);
}

void CBuchungsoptionenDlg::accept() {
    form_.accountInputMode = inputMode_->checkedId();
    form_.bookingNumberSource = numberSource_->checkedId();
    form_.presetCurrency = std::max(0, currency_->currentIndex());
    for (const auto& [box, value] : flags_)
        *value = box->isChecked();
    QDialog::accept();
}

} // namespace shell
