// The view bar ("Dialogleiste"): the view kind list, the date range and the lists that belong
// to the active window's view kind. Shows only the controls of that kind.
#pragma once

#include "reports/view_kind.h"

#include <QDate>
#include <QStringList>
#include <QToolBar>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;

namespace reports {
struct ViewKindInfo;
}

namespace shell {

class CDatumEdit;

// What the bar shows for the active window; no kind while no document is open.
struct ViewBarState {
    std::optional<reports::ViewKind> kind;
    QDate start;
    QDate end;
    int periodKind = 0;
    int valueKind = 1;
    int currency = 0;
    QStringList currencies;
    int filterIndex = 0;
    QStringList filterNames;
    bool canSelect = false;     // "Auswählen..." has its dialog
    bool canEditFilter = false; // "Bearbeiten..." has its dialog
};

class CViewBar : public QToolBar {
    Q_OBJECT
public:
    explicit CViewBar(QWidget* parent = nullptr);

    // Shows the controls of the state's view kind, filled from it, without emitting signals.
    void showState(const ViewBarState& state);
    std::optional<reports::ViewKind> shownKind() const { return kind_; }

signals:
    void viewKindChosen(reports::ViewKind kind);
    void startDateChosen(const QDate& date);
    void endDateChosen(const QDate& date);
    void selectRequested();
    void periodKindChosen(int periodKind);
    void valueKindChosen(int valueKind);
    void currencyChosen(int currency);
    void filterChosen(int filterIndex);
    void editFilterRequested();

private:
    // Whether a control shows for a view kind; nullptr while no document is open.
    using ShownFor = std::function<bool(const reports::ViewKindInfo* kind)>;

    // Adds a widget that is shown only while shownFor(kind) holds.
    void addControl(QWidget* widget, ShownFor shownFor);
    QComboBox* addList(const QString& label, ShownFor shownFor);
    CDatumEdit* addDate(const QString& label, const QString& name);

    struct Control {
        QAction* action;
        ShownFor shownFor;
    };
    std::vector<Control> controls_;
    std::optional<reports::ViewKind> kind_;
    QComboBox* kinds_;
    CDatumEdit* start_;
    CDatumEdit* end_;
    QComboBox* tablePeriodKind_;
    QComboBox* filters_;
    QComboBox* valueKinds_;
    QComboBox* currencies_;
    QComboBox* chartPeriodKind_;
    QWidget* select_;
    QWidget* editFilter_;
};

} // namespace shell
