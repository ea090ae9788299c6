#include "shell/views/perioden_ausw_dlg.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/form_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

namespace {

using Feld = reports::CPeriodenAuswForm::Feld;

QButtonGroup* radioGroup(const QStringList& labels, int checked, QBoxLayout* into,
                         QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(labels[i], parent);
        group->addButton(button, i);
        into->addWidget(button);
    }
    group->button(checked)->setChecked(true);
    return group;
}

int number(const QLineEdit* edit) {
    return edit->text().toInt();
}

} // namespace

CPeriodenAuswDlg::CPeriodenAuswDlg(const ledger::CTWEinstellungen& settings,
                                   const ledger::CNVKDatum& start, const ledger::CNVKDatum& end,
                                   const QStringList& currencies, QWidget* parent)
    : QDialog(parent), form_(settings, start, end) {
    setWindowTitle(toQString(reports::CPeriodenAuswForm::kCaption));

    auto* layoutBox = new QGroupBox(u"Darstellung"_qs, this);
    auto* layoutRows = new QVBoxLayout(layoutBox);
    layout_ =
        radioGroup({u"Wie in Ansicht &Konten"_qs, u"Wie in Ansicht Konten nach Ka&tegorien"_qs},
                   form_.layout, layoutRows, this);

    auto* periodsBox = new QGroupBox(u"Vergleichsperioden"_qs, this);
    auto* periodsGrid = new QGridLayout(periodsBox);
    type_ = new QComboBox(this);
    type_->addItems({u"Monate"_qs, u"Quartale"_qs, u"Jahre"_qs});
    type_->setCurrentIndex(form_.periodType());
    type_->setObjectName(u"perioden"_qs);
    count_ = new QLabel(this);
    count_->setObjectName(u"anzahl"_qs);
    periodsGrid->addWidget(buddyLabel(u"&Perioden:"_qs, type_, this), 0, 0);
    periodsGrid->addWidget(type_, 0, 1);
    periodsGrid->addWidget(count_, 0, 2, 1, 3);
    window_ = {numberField(form_.window.startDay), numberField(form_.window.startMonth),
               numberField(form_.window.endDay), numberField(form_.window.endMonth)};
    const char16_t* windowNames[] = {u"startTag", u"startMonat", u"endTag", u"endMonat"};
    for (int i = 0; i < 4; ++i)
        window_[i]->setObjectName(QString::fromUtf16(windowNames[i]));
    auto* line = new QHBoxLayout;
    line->addWidget(buddyLabel(u"&Jeweils vom"_qs, window_[0], this));
    line->addWidget(window_[0]);
    line->addWidget(new QLabel(u"Tag des"_qs, this));
    line->addWidget(window_[1]);
    line->addWidget(new QLabel(u"Monats bis zum"_qs, this));
    line->addWidget(window_[2]);
    line->addWidget(new QLabel(u"Tag des"_qs, this));
    line->addWidget(window_[3]);
    line->addWidget(new QLabel(u"Monats einer Periode"_qs, this));
    line->addStretch();
    periodsGrid->addLayout(line, 1, 0, 1, 5);
    auto* complete = new QPushButton(u"&Komplette Perioden"_qs, this);
    complete->setObjectName(u"komplett"_qs);
    periodsGrid->addWidget(complete, 2, 0, 1, 2);

    auto* assetBox = new QGroupBox(u"Bestandskonten"_qs, this);
    auto* assetRows = new QVBoxLayout(assetBox);
    assetValue_ = radioGroup({u"Kontostand am &Ende der Periode anzeigen"_qs,
                              u"Kontostand am &Anfang der Periode anzeigen"_qs,
                              u"&Mittelwert für Kontostand während der Periode anzeigen"_qs},
                             form_.assetValue, assetRows, this);

    currency_ = new QComboBox(this);
    currency_->setObjectName(u"waehrung"_qs);
    currency_->addItems(currencies);
    currency_->setCurrentIndex(std::min<int>(form_.currency, currencies.size() - 1));
    auto* currencyRow = new QHBoxLayout;
    currencyRow->addWidget(buddyLabel(u"&Währung:"_qs, currency_, this));
    currencyRow->addWidget(currency_);
    currencyRow->addStretch();

    change_ =
        new QCheckBox(u"&Veränderung in % zwischen zwei ausgewählten Perioden anzeigen"_qs, this);
    change_->setChecked(form_.showChange);
    change_->setObjectName(u"veraenderung"_qs);
    fromPeriod_ = numberField(form_.fromPeriod);
    toPeriod_ = numberField(form_.toPeriod);
    fromPeriod_->setObjectName(u"vonPeriode"_qs);
    toPeriod_->setObjectName(u"bisPeriode"_qs);
    changePeriods_ = new QLabel(this);
    auto* changeRow = new QHBoxLayout;
    changeRow->addWidget(buddyLabel(u"&Zwischen"_qs, fromPeriod_, this));
    changeRow->addWidget(fromPeriod_);
    changeRow->addWidget(new QLabel(u"und"_qs, this));
    changeRow->addWidget(toPeriod_);
    changeRow->addWidget(new QLabel(u"Periode"_qs, this));
    changeRow->addWidget(changePeriods_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* rows = new QVBoxLayout(this);
    rows->addWidget(layoutBox);
    rows->addWidget(periodsBox);
    rows->addWidget(assetBox);
    rows->addLayout(currencyRow);
    rows->addWidget(change_);
    rows->addLayout(changeRow);
    rows->addWidget(buttons);

    const Feld felder[] = {Feld::StartTag, Feld::StartMonat, Feld::EndTag, Feld::EndMonat};
    for (int i = 0; i < 4; ++i)
        connect(window_[i], &QLineEdit::editingFinished, this, [this, f = felder[i]] { leave(f); });
    connect(type_, &QComboBox::activated, this, [this](int type) {
        form_.setPeriodType(type);
        showForm();
    });
    connect(complete, &QPushButton::clicked, this, [this] {
        form_.komplettePerioden();
        showForm();
    });
    for (QLineEdit* edit : {fromPeriod_, toPeriod_})
        connect(edit, &QLineEdit::editingFinished, this, [this] {
            form_.fromPeriod = number(fromPeriod_);
            form_.toPeriod = number(toPeriod_);
            form_.keepPeriodNumbersValid();
            showForm();
        });
    showForm();
}

QLineEdit* CPeriodenAuswDlg::numberField(int value) {
    auto* edit = new QLineEdit(QString::number(value), this);
    edit->setValidator(new QIntValidator(-999, 999, edit));
    edit->setMaxLength(4);
    edit->setFixedWidth(fontMetrics().horizontalAdvance(u"0000"_qs) + 16);
    return edit;
}

void CPeriodenAuswDlg::leave(Feld field) {
    form_.window = {number(window_[0]), number(window_[1]), number(window_[2]), number(window_[3])};
    form_.leaveField(field);
    showForm();
}

void CPeriodenAuswDlg::showForm() {
    const reports::PeriodWindow& w = form_.window;
    const int values[] = {w.startDay, w.startMonth, w.endDay, w.endMonth};
    for (int i = 0; i < 4; ++i)
        window_[i]->setText(QString::number(values[i]));
    count_->setText(toQString(form_.countText()));
    const bool enabled = form_.changeEnabled();
    change_->setEnabled(enabled);
    fromPeriod_->setEnabled(enabled);
    toPeriod_->setEnabled(enabled);
    fromPeriod_->setText(QString::number(form_.fromPeriod));
    toPeriod_->setText(QString::number(form_.toPeriod));
    changePeriods_->setText(toQString(form_.changePeriodsText()));
}

void CPeriodenAuswDlg::store(ledger::CTWEinstellungen& settings) {
    form_.layout = layout_->checkedId();
    form_.assetValue = assetValue_->checkedId();
    form_.currency = std::max(currency_->currentIndex(), 0);
    form_.showChange = change_->isChecked();
    form_.window = {number(window_[0]), number(window_[1]), number(window_[2]), number(window_[3])};
    form_.fromPeriod = number(fromPeriod_);
    form_.toPeriod = number(toPeriod_);
    form_.keepPeriodNumbersValid();
    form_.ok(settings);
}

} // namespace shell
