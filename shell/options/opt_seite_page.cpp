#include "shell/options/opt_seite_page.h"

#include "options/laenge.h"
#include "shell/qt/cp1252.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace shell {

namespace {

using options::FeldArt;
using options::OptionFeld;

// The installed font names, gathered once.
const QStringList& fontNames() {
    static const QStringList names = QFontDatabase::families();
    return names;
}

QColor toQColor(int64_t colour) {
    return QColor(int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff));
}

void showColour(QLabel* sample, int64_t colour) {
    sample->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                              .arg(toQColor(colour).name()));
}

// Fields that stand as a whole row (their control carries the label).
bool labelledByControl(FeldArt art) {
    return art == FeldArt::Schalter || art == FeldArt::Optionen || art == FeldArt::Farbe ||
           art == FeldArt::Liste;
}

} // namespace

COptSeitePropPage::COptSeitePropPage(options::COptSeitenForm& form, QWidget* parent)
    : QWidget(parent), form_(form) {
    // Check box lists on the left, everything else on the right; a page without lists puts
    // its first box on the left.
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    const bool hasLists =
        std::any_of(form_.felder.begin(), form_.felder.end(),
                    [](const OptionFeld& f) { return f.art() == FeldArt::Liste; });

    QFormLayout* rows = nullptr;
    QVBoxLayout* column = hasLists ? right : left;
    std::string group = "\x01";
    bool firstSection = true;
    for (OptionFeld& feld : form_.felder) {
        QWidget* control = build(feld);
        if (feld.art() == FeldArt::Liste) {
            auto* label = new QLabel(toQString(feld.label()), this);
            label->setBuddy(control);
            left->addWidget(label);
            left->addWidget(control, 1);
            continue;
        }
        if (!rows || feld.group() != group) {
            if (!hasLists && !firstSection)
                column = right;
            firstSection = false;
            group = feld.group();
            rows = new QFormLayout;
            if (group.empty()) {
                column->addLayout(rows);
            } else {
                auto* box = new QGroupBox(toQString(group), this);
                box->setLayout(rows);
                column->addWidget(box);
            }
        }
        if (labelledByControl(feld.art())) {
            rows->addRow(control);
        } else {
            auto* label = new QLabel(toQString(feld.label()), this);
            label->setBuddy(control);
            rows->addRow(label, control);
        }
    }
    left->addStretch();
    right->addStretch();
}

QWidget* COptSeitePropPage::build(OptionFeld& feld) {
    QWidget* control = nullptr;
    switch (feld.art()) {
    case FeldArt::Liste: {
        auto* list = new QListWidget(this);
        for (size_t row = 0; row < feld.entries().size(); ++row) {
            auto* item = new QListWidgetItem(toQString(feld.entries()[row].label), list);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(feld.ticked(row) ? Qt::Checked : Qt::Unchecked);
        }
        copies_.push_back([list, &feld] {
            for (int row = 0; row < list->count(); ++row)
                feld.tick(size_t(row), list->item(row)->checkState() == Qt::Checked);
        });
        control = list;
        break;
    }
    case FeldArt::Auswahl: {
        auto* combo = new QComboBox(this);
        for (const options::Eintrag& e : feld.entries())
            combo->addItem(toQString(e.label));
        combo->setCurrentIndex(feld.chosenIndex());
        // A value the list does not offer stays as it is until another entry is chosen.
        copies_.push_back([combo, &feld] { feld.choose(combo->currentIndex()); });
        control = combo;
        break;
    }
    case FeldArt::Optionen: {
        auto* box = new QGroupBox(toQString(feld.label()), this);
        auto* layout = new QHBoxLayout(box);
        auto* buttons = new QButtonGroup(box);
        for (size_t i = 0; i < feld.entries().size(); ++i) {
            auto* radio = new QRadioButton(toQString(feld.entries()[i].label), box);
            radio->setChecked(int(i) == feld.chosenIndex());
            buttons->addButton(radio, int(i));
            layout->addWidget(radio);
        }
        copies_.push_back([buttons, &feld] { feld.choose(buttons->checkedId()); });
        control = box;
        break;
    }
    case FeldArt::Schalter: {
        auto* box = new QCheckBox(toQString(feld.label()), this);
        box->setChecked(feld.zahl != 0);
        copies_.push_back([box, &feld] { feld.zahl = box->isChecked() ? 1 : 0; });
        control = box;
        break;
    }
    case FeldArt::Text: {
        auto* edit = new QLineEdit(toQString(feld.text), this);
        edit->setValidator(new Cp1252Validator(edit));
        edit->setCursorPosition(0); // a long title shows its beginning
        copies_.push_back([edit, &feld] { feld.text = toCp1252(edit->text()); });
        control = edit;
        break;
    }
    case FeldArt::Schriftart: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->addItems(fontNames());
        combo->setCurrentText(toQString(feld.text));
        combo->lineEdit()->setValidator(new Cp1252Validator(combo));
        copies_.push_back([combo, &feld] { feld.text = toCp1252(combo->currentText()); });
        control = combo;
        break;
    }
    case FeldArt::Laenge: {
        auto* edit = new QLineEdit(toQString(options::formatLaenge(int32_t(feld.zahl))), this);
        // Leaving the field reads, clamps and shows the length again.
        const auto leave = [edit, &feld] {
            feld.leaveLaenge(toCp1252(edit->text()));
            edit->setText(toQString(options::formatLaenge(int32_t(feld.zahl))));
        };
        connect(edit, &QLineEdit::editingFinished, edit, leave);
        copies_.push_back(leave);
        control = edit;
        break;
    }
    case FeldArt::Zahl: {
        auto* spin = new QSpinBox(this);
        spin->setRange(feld.minimum(), 999); // a larger typed value becomes the maximum
        spin->setValue(int(feld.zahl));
        const auto leave = [spin, &feld] {
            feld.leaveZahl(spin->value());
            spin->setValue(int(feld.zahl));
        };
        connect(spin, &QSpinBox::editingFinished, spin, leave);
        copies_.push_back(leave);
        control = spin;
        break;
    }
    case FeldArt::Farbe: {
        auto* row = new QWidget(this);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* button = new QPushButton(toQString(feld.label()), row);
        auto* sample = new QLabel(row);
        sample->setFixedSize(40, 20);
        showColour(sample, feld.zahl);
        layout->addWidget(button);
        layout->addWidget(sample);
        layout->addStretch();
        connect(button, &QPushButton::clicked, this, [this, sample, &feld] {
            const QColor chosen = QColorDialog::getColor(toQColor(feld.zahl), this);
            if (!chosen.isValid())
                return;
            feld.zahl = chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
            showColour(sample, feld.zahl);
        });
        control = row;
        break;
    }
    }
    control->setObjectName(QString::fromLatin1(feld.name().c_str()));
    controls_.emplace_back(feld.name(), control);
    return control;
}

void COptSeitePropPage::copyToForm() {
    for (const auto& copy : copies_)
        copy();
}

QWidget* COptSeitePropPage::control(const std::string& name) const {
    for (const auto& [n, c] : controls_)
        if (n == name)
            return c;
    return nullptr;
}

} // namespace shell
