// CTalwerkView: one pane of a document window. It rebuilds the report of its window's view
// kind whenever the document or the window's parameters change, draws it with the screen
// scale, scrolls, hit-tests rows, and offers the context menus, printing and export.
#pragma once

#include "reports/chart.h"
#include "reports/report_table.h"
#include "shell/qt/qt_surface.h"

#include <QAbstractScrollArea>
#include <optional>

namespace shell {

class CChildFrame;
struct MenuEntry;

class CTalwerkView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CTalwerkView(CChildFrame& frame, QWidget* parent = nullptr);

    CChildFrame& frame() const { return frame_; }

    // Marks the report outdated; it is rebuilt at once while the pane is visible, else when
    // it is shown.
    void refresh();
    // The report laid out for the screen, or nothing for a chart view.
    const reports::ReportTable* table();
    // The chart of a chart view, or nothing.
    const reports::Chart* chart();
    // The row at a point of the viewport, or -1; and its tag.
    int rowAt(const QPoint& point);
    reports::RowTag rowTagAt(const QPoint& point);
    // The row last clicked (a right click marks the row its menu acts on), drawn highlighted
    // until the next click or rebuild; -1 for none.
    int markedRow() const { return markedRow_; }
    // The scroll position in table units (tenths of a millimetre on the screen scale).
    QPoint scrollPosition() const;

    void print();
    void printPreview();
    void copyToClipboard();
    void copyToTextFile();
    // "Diagramm speichern unter...".
    void saveChartAs();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void rebuild();
    void rebuildWhenLaidOut();
    bool inSight() const;
    void updateScrollBars();
    void scrollBy(QScrollBar* bar, int units);
    void runMenuEntry(const MenuEntry& entry, const reports::RowTag& tag);
    void markRow(int row);
    void drawMark(QPainter& painter, const QtSurface& surface);

    CChildFrame& frame_;
    QtTextMeasurer measurer_;
    std::optional<reports::ReportTable> table_;
    std::optional<reports::Chart> chart_;
    bool outdated_ = true;
    bool rebuildQueued_ = false;
    int markedRow_ = -1;
};

} // namespace shell
