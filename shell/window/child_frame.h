// The report headers stay out of this file: moc cannot read the C++20 standard headers.
// A document window: its report parameters (view kind, dates, grouping, flags, selection),
// the back history of view kinds, and up to 2 x 2 panes of views on the same document.
#pragma once

#include "reports/view_kind.h"
#include "shell/window/view_bar.h"

#include <QWidget>
#include <memory>
#include <vector>

class QSplitter;

namespace ledger {
class CNVKDatum;
}
namespace reports {
struct ReportParams;
struct Selection;
} // namespace reports

namespace shell {

class CTalwerkView;
class OpenLedger;

class CChildFrame : public QWidget {
    Q_OBJECT
public:
    // A new window on the document, starting with the view kind and the document's initial
    // display period.
    CChildFrame(OpenLedger* document, reports::ViewKind viewKind, const ledger::CNVKDatum& today,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    OpenLedger* document() const { return document_; }
    const reports::ReportParams& params() const { return *params_; }

    reports::ViewKind viewKind() const;
    // From the menu or the view bar: clears the back history, then switches.
    void chooseViewKind(reports::ViewKind kind);
    // From a row of a view: remembers the current kind for "Zurück", then switches.
    void jumpToViewKind(reports::ViewKind kind, const reports::Selection& selection);
    void jumpToViewKind(reports::ViewKind kind);
    bool canGoBack() const { return !history_.empty(); }
    // "&Ansicht < Zurück": the newest remembered kind, without remembering the current one.
    void goBack();
    const std::vector<reports::ViewKind>& history() const { return history_; }

    int grouping() const;
    void setGrouping(int grouping);
    bool withoutProvisional() const;
    void setWithoutProvisional(bool without);
    void setStartDate(const QDate& date);
    void setEndDate(const QDate& date);
    // Both ends of the period at once (the end no earlier than the start).
    void setPeriod(const ledger::CNVKDatum& start, const ledger::CNVKDatum& end);
    void setPeriodKind(int periodKind);
    void setValueKind(int valueKind);
    void setCurrency(int currency);
    void setFilterIndex(int filterIndex);
    // A new selection from the selection dialog: clears the back history.
    void setSelection(const reports::Selection& selection);

    ViewBarState viewBarState() const;

    // The pane with the focus, else the first.
    CTalwerkView* activeView() const;
    const std::vector<CTalwerkView*>& views() const { return views_; }
    // "&Teilen": shows all four panes, split in the middle.
    void split();

signals:
    // The view kind, flags or history changed: menus and the view bar follow.
    void stateChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setViewKind(reports::ViewKind kind);
    // Window-only change: rebuilds this window's views.
    void changed();
    void updateTitle();
    void syncColumns(QSplitter* moved);

    OpenLedger* document_;
    std::unique_ptr<reports::ReportParams> params_;
    std::vector<reports::ViewKind> history_;
    QSplitter* rows_;
    QSplitter* columns_[2];
    std::vector<CTalwerkView*> views_;
};

} // namespace shell
