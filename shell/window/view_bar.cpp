#include "shell/window/view_bar.h"

#include "reports/report_builder.h"
#include "shell/window/view_kinds.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace shell {

namespace {

const QStringList kPeriodKinds{u"Entwicklung"_qs, u"Monatswerte"_qs, u"Quartalswerte"_qs,
                               u"Jahreswerte"_qs};
const QStringList kValueKinds{u"Guthaben"_qs,   u"Schulden"_qs,  u"Vermögen"_qs,
                              u"Sparbetrag"_qs, u"Einnahmen"_qs, u"Ausgaben"_qs};

bool anyView(int k) {
    return k > 0;
}
bool datedView(int k) {
    return k > 0 && k != 8;
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
    addControl(picture, [](int k) { return k == 0; });

    kinds_ = addList(u"Ansicht"_qs, anyView);
    auto* kindModel = qobject_cast<QStandardItemModel*>(kinds_->model());
    for (const ViewKindInfo& info : kViewKinds) {
        kinds_->addItem(QString::fromUtf16(info.label), info.kind);
        // View kinds without their report yet are listed but cannot be chosen.
        kindModel->item(kinds_->count() - 1)->setEnabled(reports::hasTableBuilder(info.kind));
    }
    connect(kinds_, &QComboBox::activated, this,
            [this](int index) { emit viewKindChosen(kinds_->itemData(index).toInt()); });

    start_ = addDate(u"von"_qs);
    connect(start_, &QDateEdit::dateChanged, this, &CViewBar::startDateChosen);
    end_ = addDate(u"bis"_qs);
    connect(end_, &QDateEdit::dateChanged, this, &CViewBar::endDateChosen);

    auto* select = new QPushButton(u"Auswählen..."_qs, this);
    select_ = select;
    addControl(select, [](int k) { return k == 4 || k == 6 || k == 9 || k == 102; });
    connect(select, &QPushButton::clicked, this, &CViewBar::selectRequested);

    periodKindTotal_ = addList(u"Darstellung"_qs, [](int k) { return k == 5; });
    periodKindAccount_ = addList(u"Darstellung"_qs, [](int k) { return k == 6; });
    filters_ = addList(u"Filter"_qs, [](int k) { return k == 7; });
    filters_->setObjectName(u"filter"_qs);
    auto* editFilter = new QPushButton(u"Bearbeiten..."_qs, this);
    editFilter_ = editFilter;
    addControl(editFilter, [](int k) { return k == 7; });
    connect(editFilter, &QPushButton::clicked, this, &CViewBar::editFilterRequested);
    valueKinds_ = addList(u"Wert"_qs, [](int k) { return k == 101; });
    currencies_ = addList(u"Währung"_qs, [](int k) { return k == 101 || k == 102; });
    chartPeriodKind_ = addList(u"Darstellung"_qs, [](int k) { return k == 101 || k == 102; });

    for (QComboBox* box : {periodKindTotal_, periodKindAccount_, chartPeriodKind_}) {
        box->addItems(kPeriodKinds);
        connect(box, &QComboBox::activated, this, &CViewBar::periodKindChosen);
    }
    valueKinds_->addItems(kValueKinds);
    connect(valueKinds_, &QComboBox::activated, this,
            [this](int index) { emit valueKindChosen(index + 1); });
    connect(currencies_, &QComboBox::activated, this, &CViewBar::currencyChosen);
    connect(filters_, &QComboBox::activated, this, &CViewBar::filterChosen);

    showState({});
}

void CViewBar::addControl(QWidget* widget, std::function<bool(int)> shownFor) {
    controls_.push_back({addWidget(widget), std::move(shownFor)});
}

QComboBox* CViewBar::addList(const QString& label, std::function<bool(int)> shownFor) {
    auto* caption = new QLabel(label, this);
    caption->setContentsMargins(8, 0, 4, 0);
    addControl(caption, shownFor);
    auto* box = new QComboBox(this);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    addControl(box, std::move(shownFor));
    return box;
}

QDateEdit* CViewBar::addDate(const QString& label) {
    auto* caption = new QLabel(label, this);
    caption->setContentsMargins(8, 0, 4, 0);
    addControl(caption, datedView);
    auto* edit = new QDateEdit(this);
    edit->setDisplayFormat(u"dd.MM.yyyy"_qs);
    edit->setDateRange(QDate(1970, 1, 2), QDate(2038, 1, 18));
    edit->setCalendarPopup(true);
    // Typing changes the date only when the entry is finished, not at every keystroke.
    edit->setKeyboardTracking(false);
    addControl(edit, datedView);
    return edit;
}

void CViewBar::showState(const ViewBarState& state) {
    kind_ = state.kind;
    for (const Control& control : controls_)
        control.action->setVisible(control.shownFor(kind_));
    if (kind_ == 0)
        return;

    selectQuietly(kinds_, kinds_->findData(kind_));
    {
        const QSignalBlocker blockStart(start_);
        const QSignalBlocker blockEnd(end_);
        start_->setDate(state.start);
        end_->setDate(state.end);
    }
    for (QComboBox* box : {periodKindTotal_, periodKindAccount_, chartPeriodKind_})
        selectQuietly(box, state.periodKind);
    selectQuietly(valueKinds_, state.valueKind - 1);
    fillQuietly(currencies_, state.currencies, state.currency);
    fillQuietly(filters_, state.filterNames, state.filterIndex);
    select_->setEnabled(state.canSelect);
    editFilter_->setEnabled(state.canEditFilter);
}

} // namespace shell
