// The view bar ("Dialogleiste"): the view kind list, the date range and the lists that belong
// to the active window's view kind. Shows only the controls of that kind.
#pragma once

#include <QDate>
#include <QStringList>
#include <QToolBar>
#include <functional>
#include <vector>

class QComboBox;
class QDateEdit;

namespace shell {

// What the bar shows for the active window; kind 0 means no document is open.
struct ViewBarState {
    int kind = 0;
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
    int shownKind() const { return kind_; }

signals:
    void viewKindChosen(int kind);
    void startDateChosen(const QDate& date);
    void endDateChosen(const QDate& date);
    void selectRequested();
    void periodKindChosen(int periodKind);
    void valueKindChosen(int valueKind);
    void currencyChosen(int currency);
    void filterChosen(int filterIndex);
    void editFilterRequested();

private:
    // Adds a widget that is shown only while shownFor(kind) holds.
    void addControl(QWidget* widget, std::function<bool(int)> shownFor);
    QComboBox* addList(const QString& label, std::function<bool(int)> shownFor);
    QDateEdit* addDate(const QString& label);

    struct Control {
        QAction* action;
        std::function<bool(int)> shownFor;
    };
    std::vector<Control> controls_;
    int kind_ = -1;
    QComboBox* kinds_;
    QDateEdit* start_;
    QDateEdit* end_;
    QComboBox* periodKindTotal_;
    QComboBox* periodKindAccount_;
    QComboBox* filters_;
    QComboBox* valueKinds_;
    QComboBox* currencies_;
    QComboBox* chartPeriodKind_;
    QWidget* select_;
    QWidget* editFilter_;
};

} // namespace shell
