#include "shell/window/child_frame.h"

#include "ledger/dokument.h"
#include "reports/report_params.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/qt_dates.h"
#include "shell/views/talwerk_view.h"
#include "shell/window/dialog_commands.h"
#include "shell/window/open_ledger.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace shell {

CChildFrame::CChildFrame(OpenLedger* document, reports::ViewKind viewKind,
                         const ledger::CNVKDatum& today, QWidget* parent)
    : QWidget(parent), document_(document), params_(std::make_unique<reports::ReportParams>()),
      rows_(new QSplitter(Qt::Vertical, this)) {
    params_->viewKind = viewKind;
    const ledger::Zeitraum period = document_->ledger().initialDisplayPeriod(today);
    params_->start = period.start;
    params_->end = period.end;

    // A dynamic splitter of at most 2 x 2 panes: the second row and column start collapsed
    // and are pulled out at their handles or by "&Teilen".
    for (QSplitter*& columns : columns_) {
        columns = new QSplitter(Qt::Horizontal, rows_);
        for (int i = 0; i < 2; ++i) {
            auto* view = new CTalwerkView(*this, columns);
            view->setMinimumSize(10, 10);
            views_.push_back(view);
        }
        columns->setSizes({1, 0});
        connect(columns, &QSplitter::splitterMoved, this,
                [this, columns] { syncColumns(columns); });
    }
    rows_->setSizes({1, 0});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rows_);
    setFocusProxy(views_.front());

    connect(document_, &OpenLedger::viewsOutdated, this, [this](QObject* sender, int hint) {
        if (hint == OpenLedger::kViewChangeHint && sender != this)
            return;
        for (CTalwerkView* view : views_)
            view->refresh();
        // A change of the ledger may rename what the view bar lists (the filters).
        if (hint != OpenLedger::kViewChangeHint)
            emit stateChanged();
    });
    connect(document_, &OpenLedger::modificationChanged, this, &QWidget::setWindowModified);
    connect(document_, &OpenLedger::pathChanged, this, &CChildFrame::updateTitle);
    connect(document_, &OpenLedger::windowsChanged, this, &CChildFrame::updateTitle);
    connect(document_, &OpenLedger::closeRequested, this, [this] {
        if (parentWidget())
            parentWidget()->close();
        else
            close();
    });
    document_->attachWindow(this);
    setWindowModified(document_->isModified());
    updateTitle();
}

CChildFrame::~CChildFrame() {
    document_->detachWindow(this);
}

void CChildFrame::updateTitle() {
    QString title = document_->displayName();
    const QList<QWidget*>& windows = document_->windows();
    if (windows.size() > 1)
        title += u":%1"_qs.arg(windows.indexOf(this) + 1);
    if (document_->isReadOnly())
        title += u" (schreibgeschützt)"_qs;
    setWindowTitle(title + u"[*]"_qs);
}

void CChildFrame::syncColumns(QSplitter* moved) {
    // The two rows share their column boundary, as one grid.
    for (QSplitter* columns : columns_)
        if (columns != moved)
            columns->setSizes(moved->sizes());
}

void CChildFrame::split() {
    const int height = rows_->height();
    rows_->setSizes({height / 2, height - height / 2});
    const int width = columns_[0]->width();
    for (QSplitter* columns : columns_)
        columns->setSizes({width / 2, width - width / 2});
}

CTalwerkView* CChildFrame::activeView() const {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        for (CTalwerkView* view : views_)
            if (view == w)
                return view;
    return views_.front();
}

reports::ViewKind CChildFrame::viewKind() const {
    return params_->viewKind;
}
int CChildFrame::grouping() const {
    return params_->grouping;
}
bool CChildFrame::withoutProvisional() const {
    return params_->withoutProvisional;
}

void CChildFrame::setViewKind(reports::ViewKind kind) {
    params_->viewKind = kind;
    changed();
}

void CChildFrame::chooseViewKind(reports::ViewKind kind) {
    history_.clear();
    setViewKind(kind);
}

void CChildFrame::jumpToViewKind(reports::ViewKind kind, const reports::Selection& selection) {
    params_->selection = selection;
    jumpToViewKind(kind);
}

void CChildFrame::jumpToViewKind(reports::ViewKind kind) {
    history_.push_back(params_->viewKind);
    setViewKind(kind);
}

void CChildFrame::goBack() {
    if (history_.empty())
        return;
    const reports::ViewKind kind = history_.back();
    history_.pop_back();
    setViewKind(kind);
}

void CChildFrame::setGrouping(int grouping) {
    params_->grouping = grouping;
    changed();
}

void CChildFrame::setWithoutProvisional(bool without) {
    params_->withoutProvisional = without;
    changed();
}

void CChildFrame::setStartDate(const QDate& date) {
    const ledger::CNVKDatum start = toDatum(date);
    if (start == params_->start)
        return;
    params_->start = std::min(start, params_->end);
    changed();
}

void CChildFrame::setEndDate(const QDate& date) {
    const ledger::CNVKDatum end = toDatum(date);
    if (end == params_->end)
        return;
    params_->end = std::max(end, params_->start);
    changed();
}

void CChildFrame::setPeriod(const ledger::CNVKDatum& start, const ledger::CNVKDatum& end) {
    params_->start = start;
    params_->end = std::max(end, start);
    changed();
}

void CChildFrame::setPeriodKind(int periodKind) {
    params_->periodKind = periodKind;
    changed();
}

void CChildFrame::setValueKind(int valueKind) {
    params_->valueKind = valueKind;
    changed();
}

void CChildFrame::setCurrency(int currency) {
    params_->displayCurrency = ledger::waehrungAt(currency).value_or(ledger::WaehrungsIndex::Erste);
    changed();
}

void CChildFrame::setFilterIndex(int filterIndex) {
    params_->filterIndex = filterIndex;
    changed();
}

void CChildFrame::setSelection(const reports::Selection& selection) {
    params_->selection = selection;
    history_.clear();
    changed();
}

void CChildFrame::changed() {
    document_->updateAllViews(this, OpenLedger::kViewChangeHint);
    emit stateChanged();
}

ViewBarState CChildFrame::viewBarState() const {
    const ledger::CTalwerkDoc& ledger = document_->ledger();
    ViewBarState state;
    state.kind = params_->viewKind;
    state.start = toQDate(params_->start);
    state.end = toQDate(params_->end);
    state.periodKind = params_->periodKind;
    state.valueKind = params_->valueKind;
    state.currency = ledger::waehrungsPosition(params_->displayCurrency);
    state.currencies = document_->currencySymbols();
    state.filterIndex = params_->filterIndex;
    for (const auto& filter : ledger.filters())
        state.filterNames.append(toQString(filter->name));
    state.canSelect = hasDialogCommand(selectionCommand(params_->viewKind));
    state.canEditFilter = hasDialogCommand(DialogCommand::FilterDefinieren);
    return state;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    const bool lastWindow = document_->windows().size() == 1;
    if (lastWindow && !document_->isClosing() && !document_->maybeSave(this)) {
        event->ignore();
        return;
    }
    event->accept();
    if (lastWindow)
        document_->releaseFile();
}

} // namespace shell
