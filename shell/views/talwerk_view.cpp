#include "shell/views/talwerk_view.h"

#include "ledger/dokument.h"
#include "reports/chart_painter.h"
#include "reports/table_painter.h"
#include "reports/view_kinds.h"
#include "shell/views/chart_output.h"
#include "shell/views/table_export.h"
#include "shell/views/view_printer.h"
#include "shell/window/child_frame.h"
#include "shell/window/open_ledger.h"
#include "shell/window/view_menu.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace shell {

namespace {

// Scroll steps in table units.
constexpr int kPageStep = 200;
constexpr int kLineStep = 10;
// A wheel notch moves three ordinary rows.
constexpr int kWheelStep = 120;

// Double-clicking a row opens the dialog of the object it shows.
std::optional<DialogCommand> doubleClickCommand(int tagKind) {
    switch (tagKind) {
    case reports::RowTag::kBuchung:
        return DialogCommand::BuchungBearbeiten;
    case reports::RowTag::kKonto:
        return DialogCommand::KontoBearbeiten;
    case reports::RowTag::kKategorie:
        return DialogCommand::KategorieBearbeiten;
    case reports::RowTag::kUnterkategorie:
        return DialogCommand::UnterkategorieBearbeiten;
    case reports::RowTag::kKontoArt:
        return DialogCommand::NeueKategorie;
    default:
        return std::nullopt;
    }
}

// The selection a jump from a row sets: the row's account, category or sub-category.
reports::Selection selectionOf(const reports::RowTag& tag) {
    reports::Selection s;
    switch (tag.kind) {
    case reports::RowTag::kKonto:
        s.kind = reports::Selection::kKonto;
        s.accountId = tag.id1;
        break;
    case reports::RowTag::kKategorie:
        s.kind = reports::Selection::kKategorie;
        s.accountKind = tag.art();
        s.categoryId = tag.id2;
        break;
    case reports::RowTag::kUnterkategorie:
        s.kind = reports::Selection::kUnterkategorie;
        s.accountKind = tag.art();
        s.categoryId = tag.id2;
        s.subcategoryId = tag.id3;
        break;
    default:
        break;
    }
    return s;
}

} // namespace

CTalwerkView::CTalwerkView(CChildFrame& frame, QWidget* parent)
    : QAbstractScrollArea(parent), frame_(frame), measurer_(logicalDpiY()) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(kLineStep);
    verticalScrollBar()->setSingleStep(kLineStep);
    horizontalScrollBar()->setPageStep(kPageStep);
    verticalScrollBar()->setPageStep(kPageStep);
}

void CTalwerkView::refresh() {
    outdated_ = true;
    if (inSight())
        rebuild();
    viewport()->update();
}

void CTalwerkView::rebuild() {
    outdated_ = false;
    // Row numbers of the old report mean nothing in the new one.
    markedRow_ = -1;
    const ledger::CTalwerkDoc& doc = frame_.document()->ledger();
    const reports::ReportParams& params = frame_.params();
    table_ = reports::buildReportTable(doc, params);
    chart_ = reports::buildChart(doc, params);
    if (table_)
        table_->layout(measurer_, reports::LayoutTarget::Screen);
    updateScrollBars();
}

bool CTalwerkView::inSight() const {
    // A pane that its splitter keeps collapsed still has its minimum size, but nothing of it
    // shows.
    return isVisible() && !visibleRegion().isEmpty();
}

void CTalwerkView::rebuildWhenLaidOut() {
    // While a window is shown its panes are resized more than once before they settle. The
    // report is built once the event loop has laid the window out, and only for a pane in
    // sight; a paint or a caller of table() that comes first builds it at once.
    if (rebuildQueued_)
        return;
    rebuildQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            rebuildQueued_ = false;
            if (outdated_ && inSight())
                rebuild();
        },
        Qt::QueuedConnection);
}

const reports::ReportTable* CTalwerkView::table() {
    if (outdated_)
        rebuild();
    return table_ ? &*table_ : nullptr;
}

const reports::Chart* CTalwerkView::chart() {
    if (outdated_)
        rebuild();
    return chart_ ? &*chart_ : nullptr;
}

void CTalwerkView::updateScrollBars() {
    reports::TableSize size = table_ ? table_->size() : reports::TableSize{};
    if (chart_)
        size = {chart_->width(reports::ChartTarget::Screen),
                chart_->height(reports::ChartTarget::Screen)};
    // However long the list, its end stays in reach: laid-out lengths are bounded far below
    // the range of a scroll bar.
    const QSize visible = viewport()->size();
    const int width = static_cast<int>(measurer_.toLogical(visible.width()));
    const int height = static_cast<int>(measurer_.toLogical(visible.height()));
    horizontalScrollBar()->setRange(0, std::max(0, size.width - width));
    verticalScrollBar()->setRange(0, std::max(0, size.height - height));
}

QPoint CTalwerkView::scrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

int CTalwerkView::rowAt(const QPoint& point) {
    const reports::ReportTable* t = table();
    if (!t)
        return -1;
    const int y =
        -(verticalScrollBar()->value() + static_cast<int>(measurer_.toLogical(point.y())));
    return t->findRow(y);
}

reports::RowTag CTalwerkView::rowTagAt(const QPoint& point) {
    const int row = rowAt(point);
    return row < 0 ? reports::RowTag{} : table()->row(row).tag;
}

void CTalwerkView::markRow(int row) {
    if (row == markedRow_)
        return;
    markedRow_ = row;
    viewport()->update();
}

void CTalwerkView::drawMark(QPainter& painter, const QtSurface& surface) {
    if (!table_ || markedRow_ < 0 || markedRow_ >= table_->rowCount())
        return;
    const int top = table_->rowTop(markedRow_);
    const int bottom = table_->rowBottom(markedRow_);
    // Translucent, so that the row's own fill and text stay visible beneath.
    QColor highlight = palette().color(QPalette::Highlight);
    highlight.setAlpha(90);
    painter.fillRect(surface.toDevice(platform::Rect{0, top, table_->size().width, bottom}),
                     highlight);
}

void CTalwerkView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const reports::ReportTable* t = table();
    if (chart_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QPoint scroll = scrollPosition();
        QtSurface surface(painter, measurer_, QPointF(scroll.x(), -scroll.y()));
        reports::drawChart(*chart_, surface, reports::ChartTarget::Screen, 0, 0);
        return;
    }
    if (!t) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                         Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap,
                         u"Diese Ansicht steht noch nicht zur Verfügung."_qs);
        return;
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPoint scroll = scrollPosition();
    QtSurface surface(painter, measurer_, QPointF(scroll.x(), -scroll.y()));
    const QRect dirty = event->rect();
    const auto left = static_cast<int>(measurer_.toLogical(dirty.left())) + scroll.x();
    const auto top = -(static_cast<int>(measurer_.toLogical(dirty.top())) + scroll.y());
    const auto right = static_cast<int>(measurer_.toLogical(dirty.right() + 1)) + scroll.x() + 1;
    const auto bottom =
        -(static_cast<int>(measurer_.toLogical(dirty.bottom() + 1)) + scroll.y() + 1);
    reports::drawTable(*t, surface, frame_.document()->ledger().settings().tableDisplayMode,
                       {left, top, right, bottom});
    drawMark(painter, surface);
}

void CTalwerkView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (outdated_)
        rebuildWhenLaidOut();
    else
        updateScrollBars();
}

void CTalwerkView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (outdated_)
        rebuildWhenLaidOut();
}

void CTalwerkView::scrollContentsBy(int, int) {
    viewport()->update();
}

void CTalwerkView::scrollBy(QScrollBar* bar, int units) {
    if (bar->maximum() > 0)
        bar->setValue(bar->value() + units);
}

void CTalwerkView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        scrollBy(verticalScrollBar(), -kPageStep);
        break;
    case Qt::Key_PageDown:
        scrollBy(verticalScrollBar(), kPageStep);
        break;
    case Qt::Key_Home:
        scrollBy(horizontalScrollBar(), -kPageStep);
        break;
    case Qt::Key_End:
        scrollBy(horizontalScrollBar(), kPageStep);
        break;
    case Qt::Key_Up:
        scrollBy(verticalScrollBar(), -kLineStep);
        break;
    case Qt::Key_Down:
        scrollBy(verticalScrollBar(), kLineStep);
        break;
    case Qt::Key_Left:
        scrollBy(horizontalScrollBar(), -kLineStep);
        break;
    case Qt::Key_Right:
        scrollBy(horizontalScrollBar(), kLineStep);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CTalwerkView::wheelEvent(QWheelEvent* event) {
    const QPoint notches = event->angleDelta() / 120;
    const bool horizontal = notches.y() == 0 || (event->modifiers() & Qt::ShiftModifier);
    const int steps = notches.y() != 0 ? notches.y() : notches.x();
    scrollBy(horizontal ? horizontalScrollBar() : verticalScrollBar(), -steps * kWheelStep);
    event->accept();
}

void CTalwerkView::mousePressEvent(QMouseEvent* event) {
    QAbstractScrollArea::mousePressEvent(event);
    markRow(rowAt(event->position().toPoint()));
}

void CTalwerkView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!reports::viewKindInfo(frame_.viewKind()).commands.rowDialogs ||
        event->button() != Qt::LeftButton)
        return;
    const reports::RowTag tag = rowTagAt(event->position().toPoint());
    if (const std::optional<DialogCommand> command = doubleClickCommand(tag.kind))
        runDialogCommand(*command, frame_, this, tag);
}

void CTalwerkView::contextMenuEvent(QContextMenuEvent* event) {
    // The row the menu acts on is marked, so that the user sees what "löschen" will delete.
    // From the mouse the event comes through the viewport, from the keyboard to the view
    // itself: the global position means the same point either way.
    const int row = rowAt(viewport()->mapFromGlobal(event->globalPos()));
    markRow(row);
    const reports::RowTag tag = row < 0 ? reports::RowTag{} : table()->row(row).tag;
    const reports::ViewKind kind = frame_.viewKind();
    const ledger::CTalwerkDoc& ledger = frame_.document()->ledger();
    const bool provisional = tag.kind == reports::RowTag::kBuchung && tag.id1 >= 0 &&
                             tag.id1 < static_cast<int>(ledger.bookings().size()) &&
                             ledger.bookings()[tag.id1]->provisional != 0;
    QMenu menu(this);
    for (const MenuEntry& entry : contextMenuEntries(kind, tag.kind, provisional)) {
        if (entry.action == MenuAction::Separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf16(entry.label));
        switch (entry.action) {
        case MenuAction::Dialog:
            action->setEnabled(hasDialogCommand(entry.dialog));
            break;
        case MenuAction::Back:
            action->setEnabled(frame_.canGoBack());
            break;
        default:
            action->setEnabled(targetViewKind(entry.action, kind).has_value());
            break;
        }
        connect(action, &QAction::triggered, this,
                [this, entry, tag] { runMenuEntry(entry, tag); });
    }
    menu.exec(event->globalPos());
}

void CTalwerkView::runMenuEntry(const MenuEntry& entry, const reports::RowTag& tag) {
    switch (entry.action) {
    case MenuAction::Dialog:
        runDialogCommand(entry.dialog, frame_, this, tag, entry.optionsPage);
        break;
    case MenuAction::Back:
        frame_.goBack();
        break;
    case MenuAction::JumpBookings:
    case MenuAction::JumpValues:
    case MenuAction::JumpChart:
        if (const auto target = targetViewKind(entry.action, frame_.viewKind()))
            frame_.jumpToViewKind(*target, selectionOf(tag));
        break;
    case MenuAction::AsChart:
    case MenuAction::AsTable:
        if (const auto target = targetViewKind(entry.action, frame_.viewKind()))
            frame_.jumpToViewKind(*target);
        break;
    case MenuAction::Separator:
        break;
    }
}

void CTalwerkView::print() {
    if (const reports::ReportTable* t = table())
        ViewPrinter(*t, frame_.document()->ledger().settings(), this).print();
    else if (const reports::Chart* c = chart())
        ChartPrinter(*c, this).print();
}

void CTalwerkView::printPreview() {
    if (const reports::ReportTable* t = table())
        ViewPrinter(*t, frame_.document()->ledger().settings(), this).preview();
    else if (const reports::Chart* c = chart())
        ChartPrinter(*c, this).preview();
}

void CTalwerkView::saveChartAs() {
    if (const reports::Chart* c = chart())
        shell::saveChartAs(*c, measurer_.dpi(), this);
}

void CTalwerkView::copyToClipboard() {
    if (const reports::ReportTable* t = table())
        CZwischenablageDlg::run(*t, this);
}

void CTalwerkView::copyToTextFile() {
    if (const reports::ReportTable* t = table())
        CTextdateiDlg::run(*t, this);
}

} // namespace shell
