#include "shell/accounts/neue_datei_dlg.h"

#include "shell/qt/form_widgets.h"
#include "shell/qt/qt_prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

namespace {

using Form = accounts::CNeueDateiForm;

QRadioButton* addRadio(QButtonGroup* group, const QString& text, int id, QWidget* parent) {
    auto* radio = new QRadioButton(text, parent);
    group->addButton(radio, id);
    return radio;
}

// The widths of the rate field and of the symbol fields.
constexpr int kRateWidth = 110;
constexpr int kSymbolWidth = 80;

} // namespace

CNeueDateiDlg::CNeueDateiDlg(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies,
                             QWidget* parent)
    : QDialog(parent), form_(nationalCurrencies), buchfuehrung_(new QButtonGroup(this)),
      euroSymbol_(new QButtonGroup(this)), anderesKuerzel_(textEdit(this, kSymbolWidth)),
      landeswaehrung_(form_, this, kRateWidth, kSymbolWidth), kursCode_(new QLabel(this)),
      landesLabel_(new QLabel(this)), waehrungskuerzel_(textEdit(this, kSymbolWidth)),
      kontenplan_(new QCheckBox(u"Mit einem &Kontenplan für den Haushalt beginnen"_qs, this)) {
    setWindowTitle(QString::fromLatin1(Form::kCaption));
    QComboBox* const waehrung = landeswaehrung_.waehrung;
    QLineEdit* const wechselkurs = landeswaehrung_.wechselkurs;
    QLineEdit* const eurSymbol = landeswaehrung_.eurSymbol;
    QLineEdit* const landesSymbol = landeswaehrung_.landesSymbol;

    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 20);
    int row = 0;
    grid->addWidget(addRadio(buchfuehrung_, u"&Buchführung nur in Euro"_qs,
                             int(Form::Buchfuehrung::NurEuro), this),
                    row++, 0, 1, 4);
    QRadioButton* eur = addRadio(euroSymbol_, u"EU&R"_qs, int(Form::EuroSymbol::Eur), this);
    QRadioButton* euro =
        addRadio(euroSymbol_, u"Euro-&Symbol \u20AC"_qs, int(Form::EuroSymbol::Euro), this);
    QRadioButton* other =
        addRadio(euroSymbol_, u"&anderes Kürzel:"_qs, int(Form::EuroSymbol::Anderes), this);
    grid->addWidget(eur, row++, 1, 1, 3);
    grid->addWidget(euro, row++, 1, 1, 3);
    grid->addWidget(other, row, 1);
    grid->addWidget(anderesKuerzel_, row++, 2);
    euroOnlyFields_ = {eur, euro, other, anderesKuerzel_};

    grid->addWidget(addRadio(buchfuehrung_, u"Buchführung in &Euro und in einer Landeswährung"_qs,
                             int(Form::Buchfuehrung::EuroUndLandeswaehrung), this),
                    row++, 0, 1, 4);
    QLabel* landLabel = buddyLabel(u"&Landeswährung:"_qs, waehrung, this);
    grid->addWidget(landLabel, row, 1);
    grid->addWidget(waehrung, row++, 2, 1, 2);
    QLabel* kursLabel = buddyLabel(u"&Wechselkurs:"_qs, wechselkurs, this);
    auto* kursRow = new QHBoxLayout;
    auto* einEuro = new QLabel(u"1 EUR ="_qs, this);
    kursRow->addWidget(einEuro);
    kursRow->addWidget(wechselkurs);
    kursRow->addWidget(kursCode_);
    kursRow->addStretch();
    grid->addWidget(kursLabel, row, 1);
    grid->addLayout(kursRow, row++, 2, 1, 2);
    auto* eurLabel = new QLabel(u"EUR:"_qs, this);
    eurLabel->setBuddy(eurSymbol);
    auto* symbolRow = new QHBoxLayout;
    symbolRow->addWidget(eurSymbol);
    symbolRow->addSpacing(12);
    symbolRow->addWidget(landesLabel_);
    symbolRow->addWidget(landesSymbol);
    symbolRow->addStretch();
    auto* symbolLabel = new QLabel(u"Kürzel für"_qs, this);
    auto* symbolCaption = new QHBoxLayout;
    symbolCaption->addWidget(symbolLabel);
    symbolCaption->addWidget(eurLabel);
    grid->addLayout(symbolCaption, row, 1);
    grid->addLayout(symbolRow, row++, 2, 1, 2);
    landesLabel_->setBuddy(landesSymbol);
    dualFields_ = {landLabel,   waehrung, kursLabel, einEuro,      wechselkurs, kursCode_,
                   symbolLabel, eurLabel, eurSymbol, landesLabel_, landesSymbol};

    grid->addWidget(addRadio(buchfuehrung_, u"B&uchführung in einer anderen Währung"_qs,
                             int(Form::Buchfuehrung::AndereWaehrung), this),
                    row++, 0, 1, 4);
    QLabel* kuerzelLabel = buddyLabel(u"Wä&hrungskürzel:"_qs, waehrungskuerzel_, this);
    grid->addWidget(kuerzelLabel, row, 1);
    grid->addWidget(waehrungskuerzel_, row++, 2);
    otherFields_ = {kuerzelLabel, waehrungskuerzel_};

    // Off unless asked for: a new file starts without accounts.
    kontenplan_->setObjectName(u"kontenplan"_qs);
    kontenplan_->setToolTip(u"Girokonto, Tagesgeld, Sparbuch, Bargeld, Kreditkarte, Gehalt und "
                            u"die üblichen Ausgabenkonten, nach Kategorien geordnet"_qs);
    grid->addWidget(kontenplan_, row++, 0, 1, 4);
    grid->setRowMinimumHeight(row - 1, kontenplan_->sizeHint().height() + 12);
    grid->setAlignment(kontenplan_, Qt::AlignBottom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNeueDateiDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buchfuehrung_, &QButtonGroup::idClicked, this, &CNeueDateiDlg::updateEnabled);
    connect(euroSymbol_, &QButtonGroup::idClicked, this, &CNeueDateiDlg::updateEnabled);
    landeswaehrung_.connectRules([this] { readFields(); }, [this] { showFields(); });
    showFields();
}

void CNeueDateiDlg::readFields() {
    form_.buchfuehrung = Form::Buchfuehrung(buchfuehrung_->checkedId());
    form_.euroSymbol = Form::EuroSymbol(euroSymbol_->checkedId());
    form_.anderesKuerzel = toCp1252(anderesKuerzel_->text());
    landeswaehrung_.read();
    form_.waehrungskuerzel = toCp1252(waehrungskuerzel_->text());
    form_.startKontenplan = kontenplan_->isChecked();
}

void CNeueDateiDlg::showFields() {
    buchfuehrung_->button(int(form_.buchfuehrung))->setChecked(true);
    euroSymbol_->button(int(form_.euroSymbol))->setChecked(true);
    anderesKuerzel_->setText(toQString(form_.anderesKuerzel));
    landeswaehrung_.show();
    kursCode_->setText(toQString(form_.landesCode()));
    landesLabel_->setText(toQString(form_.landesSymbolLabel()));
    waehrungskuerzel_->setText(toQString(form_.waehrungskuerzel));
    updateEnabled();
}

void CNeueDateiDlg::updateEnabled() {
    const auto choice = Form::Buchfuehrung(buchfuehrung_->checkedId());
    for (QWidget* w : euroOnlyFields_)
        w->setEnabled(choice == Form::Buchfuehrung::NurEuro);
    anderesKuerzel_->setEnabled(choice == Form::Buchfuehrung::NurEuro &&
                                euroSymbol_->checkedId() == int(Form::EuroSymbol::Anderes));
    for (QWidget* w : dualFields_)
        w->setEnabled(choice == Form::Buchfuehrung::EuroUndLandeswaehrung);
    for (QWidget* w : otherFields_)
        w->setEnabled(choice == Form::Buchfuehrung::AndereWaehrung);
}

void CNeueDateiDlg::accept() {
    readFields();
    QtPrompter prompter(this);
    const std::optional<Form::Field> failed = form_.check(prompter);
    if (!failed) {
        QDialog::accept();
        return;
    }
    switch (*failed) {
    case Form::Field::AnderesKuerzel:
        anderesKuerzel_->setFocus();
        break;
    case Form::Field::EurSymbol:
        landeswaehrung_.eurSymbol->setFocus();
        break;
    case Form::Field::Landessymbol:
        landeswaehrung_.landesSymbol->setFocus();
        break;
    case Form::Field::Waehrungskuerzel:
        waehrungskuerzel_->setFocus();
        break;
    case Form::Field::Wechselkurs:
        landeswaehrung_.wechselkurs->setFocus();
        break;
    }
}

} // namespace shell
