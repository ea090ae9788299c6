#include "shell/accounts/neue_datei_dlg.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"

#include <QButtonGroup>
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

QLineEdit* lineEdit(QWidget* parent, int width = 80) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new Cp1252Validator(edit));
    edit->setMaximumWidth(width);
    return edit;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CNeueDateiDlg::CNeueDateiDlg(const std::vector<ledger::CTWWaehrungsinfo>& nationalCurrencies,
                             QWidget* parent)
    : QDialog(parent), form_(nationalCurrencies), buchfuehrung_(new QButtonGroup(this)),
      euroSymbol_(new QButtonGroup(this)), anderesKuerzel_(lineEdit(this)),
      landeswaehrung_(new QComboBox(this)), wechselkurs_(lineEdit(this, 110)),
      kursCode_(new QLabel(this)), eurSymbol_(lineEdit(this)), landesLabel_(new QLabel(this)),
      landesSymbol_(lineEdit(this)), waehrungskuerzel_(lineEdit(this)) {
    setWindowTitle(QString::fromLatin1(Form::kCaption));
    for (const ledger::CTWWaehrungsinfo& info : nationalCurrencies)
        landeswaehrung_->addItem(toQString(info.name));

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
    QLabel* landLabel = buddyLabel(u"&Landeswährung:"_qs, landeswaehrung_, this);
    grid->addWidget(landLabel, row, 1);
    grid->addWidget(landeswaehrung_, row++, 2, 1, 2);
    QLabel* kursLabel = buddyLabel(u"&Wechselkurs:"_qs, wechselkurs_, this);
    auto* kursRow = new QHBoxLayout;
    auto* einEuro = new QLabel(u"1 EUR ="_qs, this);
    kursRow->addWidget(einEuro);
    kursRow->addWidget(wechselkurs_);
    kursRow->addWidget(kursCode_);
    kursRow->addStretch();
    grid->addWidget(kursLabel, row, 1);
    grid->addLayout(kursRow, row++, 2, 1, 2);
    auto* eurLabel = new QLabel(u"EUR:"_qs, this);
    eurLabel->setBuddy(eurSymbol_);
    auto* symbolRow = new QHBoxLayout;
    symbolRow->addWidget(eurSymbol_);
    symbolRow->addSpacing(12);
    symbolRow->addWidget(landesLabel_);
    symbolRow->addWidget(landesSymbol_);
    symbolRow->addStretch();
    auto* symbolLabel = new QLabel(u"Kürzel für"_qs, this);
    auto* symbolCaption = new QHBoxLayout;
    symbolCaption->addWidget(symbolLabel);
    symbolCaption->addWidget(eurLabel);
    grid->addLayout(symbolCaption, row, 1);
    grid->addLayout(symbolRow, row++, 2, 1, 2);
    landesLabel_->setBuddy(landesSymbol_);
    dualFields_ = {landLabel,   landeswaehrung_, kursLabel,  einEuro,      wechselkurs_, kursCode_,
                   symbolLabel, eurLabel,        eurSymbol_, landesLabel_, landesSymbol_};

    grid->addWidget(addRadio(buchfuehrung_, u"B&uchführung in einer anderen Währung"_qs,
                             int(Form::Buchfuehrung::AndereWaehrung), this),
                    row++, 0, 1, 4);
    QLabel* kuerzelLabel = buddyLabel(u"Wä&hrungskürzel:"_qs, waehrungskuerzel_, this);
    grid->addWidget(kuerzelLabel, row, 1);
    grid->addWidget(waehrungskuerzel_, row++, 2);
    otherFields_ = {kuerzelLabel, waehrungskuerzel_};

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNeueDateiDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buchfuehrung_, &QButtonGroup::idClicked, this, &CNeueDateiDlg::updateEnabled);
    connect(euroSymbol_, &QButtonGroup::idClicked, this, &CNeueDateiDlg::updateEnabled);
    connect(landeswaehrung_, &QComboBox::activated, this, [this](int index) {
        readFields();
        form_.selectLandeswaehrung(index);
        showFields();
    });
    connect(wechselkurs_, &QLineEdit::editingFinished, this, [this] {
        readFields();
        form_.leaveWechselkurs();
        showFields();
    });
    showFields();
}

void CNeueDateiDlg::readFields() {
    form_.buchfuehrung = Form::Buchfuehrung(buchfuehrung_->checkedId());
    form_.euroSymbol = Form::EuroSymbol(euroSymbol_->checkedId());
    form_.anderesKuerzel = toCp1252(anderesKuerzel_->text());
    form_.landeswaehrung = landeswaehrung_->currentIndex();
    form_.wechselkurs = toCp1252(wechselkurs_->text());
    form_.eurSymbol = toCp1252(eurSymbol_->text());
    form_.landesSymbol = toCp1252(landesSymbol_->text());
    form_.waehrungskuerzel = toCp1252(waehrungskuerzel_->text());
}

void CNeueDateiDlg::showFields() {
    buchfuehrung_->button(int(form_.buchfuehrung))->setChecked(true);
    euroSymbol_->button(int(form_.euroSymbol))->setChecked(true);
    anderesKuerzel_->setText(toQString(form_.anderesKuerzel));
    landeswaehrung_->setCurrentIndex(form_.landeswaehrung);
    wechselkurs_->setText(toQString(form_.wechselkurs));
    kursCode_->setText(toQString(form_.landesCode()));
    eurSymbol_->setText(toQString(form_.eurSymbol));
    landesLabel_->setText(toQString(form_.landesSymbolLabel()));
    landesSymbol_->setText(toQString(form_.landesSymbol));
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
        eurSymbol_->setFocus();
        break;
    case Form::Field::Landessymbol:
        landesSymbol_->setFocus();
        break;
    case Form::Field::Waehrungskuerzel:
        waehrungskuerzel_->setFocus();
        break;
    case Form::Field::Wechselkurs:
        wechselkurs_->setFocus();
        break;
    }
}

} // namespace shell
