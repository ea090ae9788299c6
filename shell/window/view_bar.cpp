#include "shell/window/view_bar.h"

#include "reports/view_kinds.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/datum_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace shell {

namespace {

const QStringList kPeriodKinds{u"Entwicklung"_qs, u"Monatswerte"_qs, u"Quartalswerte"_qs,
                               u"Jahreswerte"_qs};
const QStringList kValueKinds{u"Guthaben"_qs,   u"Schulden"_qs,  u"Vermögen"_qs,
                              u"Sparbetrag"_qs, u"Einnahmen"_qs, u"Ausgaben"_qs};

using reports::ViewKindInfo;

bool anyView(const ViewKindInfo* k) {
    return k != nullptr;
}
bool datedView(const ViewKindInfo* k) {
    return k && k->controls.dates;
}

// The kinds' list holds them in the order of the table.
int listIndex(const ViewKindInfo& info) {
    return static_cast<int>(&info - reports::kViewKinds.data());
}

void selectQuietly(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(index);
}

void fillQuietly(QComboBox* box, const QStringList& items, int index) {
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(index);
}

} // namespace

CViewBar::CViewBar(QWidget* parent) : QToolBar(u"Dialogleiste"_qs, parent) {
    setObjectName(u"Dialogleiste"_qs);

    auto* picture = new QLabel(this);
    picture->setPixmap(QApplication::windowIcon().pixmap(24, 24));
    addControl(picture, [](const ViewKindInfo* k) { return k == nullptr; });

    kinds_ = addList(u"Ansicht"_qs, anyView);
    for (const ViewKindInfo& info : reports::kViewKinds)
        kinds_->addItem(toQString(info.label));
    connect(kinds_, &QComboBox::activated, this,
            [this](int index) { emit viewKindChosen(reports::kViewKinds[index].kind); });

    // A typed date applies when the field is left or Enter is pressed (CDatumEdit).
    start_ = addDate(u"von"_qs, u"von"_qs);
    connect(start_, &CDatumEdit::dateChanged, this, &CViewBar::startDateChosen);
    end_ = addDate(u"bis"_qs, u"bis"_qs);
    connect(end_, &CDatumEdit::dateChanged, this, &CViewBar::endDateChosen);

    auto* select = new QPushButton(u"Auswählen..."_qs, this);
    select_ = select;
    addControl(select, [](const ViewKindInfo* k) {
        return k && k->selection != reports::ViewSelection::Nothing;
    });
    connect(select, &QPushButton::clicked, this, &CViewBar::selectRequested);

    // A table's "Darstellung" stands before the filter, a chart's after the currency.
    tablePeriodKind_ = addList(u"Darstellung"_qs, [](const ViewKindInfo* k) {
        return k && k->controls.periodKind && !k->chart;
    });
    filters_ = addList(u"Filter"_qs, [](const ViewKindInfo* k) { return k && k->controls.filter; });
    filters_->setObjectName(u"filter"_qs);
    auto* editFilter = new QPushButton(u"Bearbeiten..."_qs, this);
    editFilter_ = editFilter;
    addControl(editFilter, [](const ViewKindInfo* k) { return k && k->controls.filter; });
    connect(editFilter, &QPushButton::clicked, this, &CViewBar::editFilterRequested);
    valueKinds_ =
        addList(u"Wert"_qs, [](const ViewKindInfo* k) { return k && k->controls.valueKind; });
    currencies_ =
        addList(u"Währung"_qs, [](const ViewKindInfo* k) { return k && k->controls.currency; });
    chartPeriodKind_ = addList(u"Darstellung"_qs, [](const ViewKindInfo* k) {
        return k && k->controls.periodKind && k->chart;
    });

    for (QComboBox* box : {tablePeriodKind_, chartPeriodKind_}) {
        box->addItems(kPeriodKinds);
        connect(box, &QComboBox::activated, this, &CViewBar::periodKindChosen);
    }
    valueKinds_->setObjectName(u"wert"_qs);
    currencies_->setObjectName(u"waehrung"_qs);
    valueKinds_->addItems(kValueKinds);
    connect(valueKinds_, &QComboBox::activated, this,
            [this](int index) { emit valueKindChosen(index + 1); });
    connect(currencies_, &QComboBox::activated, this, &CViewBar::currencyChosen);
    connect(filters_, &QComboBox::activated, this, &CViewBar::filterChosen);

    showState({});
}

void CViewBar::addControl(QWidget* widget, ShownFor shownFor) {
    controls_.push_back({addWidget(widget), std::move(shownFor)});
}

QComboBox* CViewBar::addList(const QString& label, ShownFor shownFor) {
    auto* caption = new QLabel(label, this);
    caption->setContentsMargins(8, 0, 4, 0);
    addControl(caption, shownFor);
    auto* box = new QComboBox(this);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    addControl(box, std::move(shownFor));
    return box;
}

CDatumEdit* CViewBar::addDate(const QString& label, const QString& name) {
    auto* caption = new QLabel(label, this);
    caption->setContentsMargins(8, 0, 4, 0);
    addControl(caption, datedView);
    auto* edit = new CDatumEdit(this);
    edit->setObjectName(name);
    addControl(edit, datedView);
    return edit;
}

void CViewBar::showState(const ViewBarState& state) {
    kind_ = state.kind;
    const ViewKindInfo* info = kind_ ? &reports::viewKindInfo(*kind_) : nullptr;
    for (const Control& control : controls_)
        control.action->setVisible(control.shownFor(info));
    if (!info)
        return;

    selectQuietly(kinds_, listIndex(*info));
    start_->setDate(state.start);
    end_->setDate(state.end);
    for (QComboBox* box : {tablePeriodKind_, chartPeriodKind_})
        selectQuietly(box, state.periodKind);
    selectQuietly(valueKinds_, state.valueKind - 1);
    fillQuietly(currencies_, state.currencies, state.currency);
    fillQuietly(filters_, state.filterNames, state.filterIndex);
    select_->setEnabled(state.canSelect);
    editFilter_->setEnabled(state.canEditFilter);
}

} // namespace shell
