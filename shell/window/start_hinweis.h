// CStartHinweis: what the main window shows while no ledger is open, instead of an empty grey
// area: how to begin ("Datei > Neu..." and "Datei > Öffnen...") and the recent files, each as
// a button that runs the menu command.
#pragma once

#include <QWidget>
#include <vector>

class QToolButton;

namespace shell {

struct FileCommands;

class CStartHinweis : public QWidget {
    Q_OBJECT
public:
    // Lies over `area` (the MDI area's viewport) and follows its size.
    CStartHinweis(const FileCommands& file, QWidget* area);

    // Shows the hint while no window is open, with the recent files the menu shows.
    void refresh(bool documentOpen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FileCommands& file_;
    QWidget* recentTitle_;
    std::vector<QToolButton*> recent_;
};

} // namespace shell
