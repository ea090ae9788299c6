#include "shell/options/opt_allgemein_page.h"

#include "shell/qt/cp1252.h"
#include "shell/qt/datum_edit.h"
#include "shell/qt/qt_dates.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <span>

namespace shell {

namespace {

using Form = options::COptAllgemeinForm;

QComboBox* separatorCombo(std::span<const char> separators, char current, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const char c : separators)
        combo->addItem(toQString(std::string(1, c)));
    combo->setCurrentIndex(combo->findText(toQString(std::string(1, current))));
    return combo;
}

char separator(const QComboBox* combo, std::span<const char> separators, char current) {
    const int index = combo->currentIndex();
    return index >= 0 ? separators[size_t(index)] : current;
}

// Option buttons in a column of a grid, the last one with a date field beside it.
QButtonGroup* ruleButtons(std::span<const char* const> labels, int32_t checked, CDatumEdit* date,
                          QGridLayout* grid, int column, QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    for (size_t i = 0; i < labels.size(); ++i) {
        auto* radio = new QRadioButton(toQString(labels[i]), parent);
        radio->setChecked(int32_t(i) == checked);
        group->addButton(radio, int(i));
        grid->addWidget(radio, int(i) + 1, column);
    }
    grid->addWidget(date, int(labels.size()) + 1, column);
    return group;
}

CDatumEdit* dateEdit(const ledger::CNVKDatum& date, QWidget* parent) {
    auto* edit = new CDatumEdit(parent);
    edit->setDate(toQDate(date));
    return edit;
}

} // namespace

COptAllgemeinPropPage::COptAllgemeinPropPage(Form& form, platform::Prompter& prompter,
                                             QWidget* parent)
    : QWidget(parent), form_(form), prompter_(prompter),
      schutz_(new QCheckBox(u"Datei mit Kennwort &schützen"_qs, this)),
      kennwort_(new QLineEdit(toQString(form.kennwort), this)),
      wiederholung_(new QLineEdit(toQString(form.wiederholung), this)),
      dezimal_(separatorCombo(Form::kDezimaltrennzeichen, form.dezimaltrennzeichen, this)),
      tausender_(separatorCombo(Form::kTausendertrennzeichen, form.tausendertrennzeichen, this)),
      keinTausender_(new QCheckBox(u"kein T&ausendertrennzeichen verwenden"_qs, this)),
      symbolNeu_(new QLineEdit(toQString(form.symbolNeu), this)),
      startDatum_(dateEdit(form.startDatum, this)), endDatum_(dateEdit(form.endDatum, this)) {
    schutz_->setObjectName(u"schutz"_qs);
    kennwort_->setObjectName(u"kennwort"_qs);
    wiederholung_->setObjectName(u"wiederholung"_qs);
    dezimal_->setObjectName(u"dezimaltrennzeichen"_qs);
    tausender_->setObjectName(u"tausendertrennzeichen"_qs);
    auto* layout = new QVBoxLayout(this);

    auto* kennwortBox = new QGroupBox(u"Kennwortschutz"_qs, this);
    auto* kennwortRows = new QFormLayout(kennwortBox);
    schutz_->setChecked(form_.schutz);
    kennwortRows->addRow(schutz_);
    for (QLineEdit* edit : {kennwort_, wiederholung_}) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setValidator(new Cp1252Validator(edit));
        edit->setContextMenuPolicy(Qt::NoContextMenu);
    }
    // Installed after the application's input guard, so it sees a character before the guard
    // would drop it silently.
    qApp->installEventFilter(this);
    auto* kennwortLabel = new QLabel(u"&Kennwort:"_qs, this);
    kennwortLabel->setBuddy(kennwort_);
    kennwortRows->addRow(kennwortLabel, kennwort_);
    auto* wiederholungLabel = new QLabel(u"&Wiederholung:"_qs, this);
    wiederholungLabel->setBuddy(wiederholung_);
    kennwortRows->addRow(wiederholungLabel, wiederholung_);
    auto* hinweis = new QLabel(
        u"Das Kennwort verhindert nur, dass Talerwerk die Datei ohne Kennwort öffnet. Die "
        u"Buchungen werden nicht verschlüsselt: Wer die Datei selbst liest, kann sie lesen."_qs,
        this);
    hinweis->setWordWrap(true);
    kennwortRows->addRow(hinweis);
    layout->addWidget(kennwortBox);
    connect(schutz_, &QCheckBox::toggled, this, [this] { enableFields(); });

    auto* middle = new QHBoxLayout;
    auto* trennBox = new QGroupBox(u"Trennzeichen"_qs, this);
    auto* trennRows = new QFormLayout(trennBox);
    auto* dezimalLabel = new QLabel(u"De&zimaltrennzeichen:"_qs, this);
    dezimalLabel->setBuddy(dezimal_);
    trennRows->addRow(dezimalLabel, dezimal_);
    auto* tausenderLabel = new QLabel(u"&Tausendertrennzeichen:"_qs, this);
    tausenderLabel->setBuddy(tausender_);
    trennRows->addRow(tausenderLabel, tausender_);
    keinTausender_->setChecked(form_.keinTausendertrennzeichen);
    trennRows->addRow(keinTausender_);
    middle->addWidget(trennBox);

    auto* symbolBox = new QGroupBox(u"Währungskürzel"_qs, this);
    auto* symbolRows = new QFormLayout(symbolBox);
    symbolRows->addRow(u"bisher:"_qs, new QLabel(toQString(form_.symbolBisher()), this));
    auto* neuLabel = new QLabel(u"&neu:"_qs, this);
    neuLabel->setBuddy(symbolNeu_);
    symbolRows->addRow(neuLabel, symbolNeu_);
    if (form_.dualCurrency()) {
        symbol2Neu_ = new QLineEdit(toQString(form_.symbol2Neu), this);
        symbolRows->addRow(u"bisher:"_qs, new QLabel(toQString(form_.symbol2Bisher()), this));
        auto* neu2Label = new QLabel(u"n&eu:"_qs, this);
        neu2Label->setBuddy(symbol2Neu_);
        symbolRows->addRow(neu2Label, symbol2Neu_);
    }
    middle->addWidget(symbolBox);
    layout->addLayout(middle);

    auto* zeitraumBox = new QGroupBox(u"Darstellungszeitraum zu Beginn"_qs, this);
    auto* grid = new QGridLayout(zeitraumBox);
    grid->addWidget(new QLabel(u"Von:"_qs, this), 0, 0);
    grid->addWidget(new QLabel(u"Bis:"_qs, this), 0, 1);
    start_ = ruleButtons(Form::kStartRegeln, form_.startRegel, startDatum_, grid, 0, this);
    end_ = ruleButtons(Form::kEndRegeln, form_.endRegel, endDatum_, grid, 1, this);
    connect(start_, &QButtonGroup::idClicked, this, [this] { enableFields(); });
    connect(end_, &QButtonGroup::idClicked, this, [this] { enableFields(); });
    layout->addWidget(zeitraumBox);
    layout->addStretch();
    enableFields();
}

COptAllgemeinPropPage::~COptAllgemeinPropPage() {
    qApp->removeEventFilter(this);
}

void COptAllgemeinPropPage::enableFields() {
    kennwort_->setEnabled(schutz_->isChecked());
    wiederholung_->setEnabled(schutz_->isChecked());
    startDatum_->setEnabled(start_->checkedId() == ledger::kFesterStart);
    endDatum_->setEnabled(end_->checkedId() == ledger::kFestesEnde);
}

bool COptAllgemeinPropPage::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit != kennwort_ && edit != wiederholung_)
        return false;
    QString given;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        given = key->matches(QKeySequence::Paste) ? QApplication::clipboard()->text() : key->text();
    } else if (event->type() == QEvent::InputMethod) {
        given = static_cast<QInputMethodEvent*>(event)->commitString();
    } else {
        return false;
    }
    if (given.isEmpty() || isCp1252(given))
        return false;
    QTimer::singleShot(0, this, [this, edit] { refuse(edit); });
    return true;
}

void COptAllgemeinPropPage::refuse(QLineEdit* edit) {
    form_.refuseZeichen(edit == kennwort_ ? Form::Field::Kennwort : Form::Field::Wiederholung,
                        prompter_);
    edit->setFocus();
}

void COptAllgemeinPropPage::copyToForm() {
    form_.schutz = schutz_->isChecked();
    form_.kennwort = toCp1252(kennwort_->text());
    form_.wiederholung = toCp1252(wiederholung_->text());
    form_.dezimaltrennzeichen =
        separator(dezimal_, Form::kDezimaltrennzeichen, form_.dezimaltrennzeichen);
    form_.tausendertrennzeichen =
        separator(tausender_, Form::kTausendertrennzeichen, form_.tausendertrennzeichen);
    form_.keinTausendertrennzeichen = keinTausender_->isChecked();
    form_.symbolNeu = toCp1252(symbolNeu_->text());
    if (symbol2Neu_)
        form_.symbol2Neu = toCp1252(symbol2Neu_->text());
    if (start_->checkedId() >= 0)
        form_.startRegel = start_->checkedId();
    form_.startDatum = toDatum(startDatum_->date());
    if (end_->checkedId() >= 0)
        form_.endRegel = end_->checkedId();
    form_.endDatum = toDatum(endDatum_->date());
}

QWidget* COptAllgemeinPropPage::control(Form::Field field) const {
    switch (field) {
    case Form::Field::Kennwort:
        return kennwort_;
    case Form::Field::Wiederholung:
        return wiederholung_;
    case Form::Field::Dezimaltrennzeichen:
        return dezimal_;
    }
    return nullptr;
}

} // namespace shell
