// Every command of the main window's menus as a QAction, with its German label, accelerator
// and shortcut. Created in one place; the main window connects and enables them.
#pragma once

#include "reports/view_kind.h"

#include <QAction>
#include <QActionGroup>
#include <array>

namespace shell {

struct FileCommands {
    QAction* neu;
    QAction* oeffnen;
    QAction* schliessen;
    QAction* speichern;
    QAction* speichernUnter;
    QAction* sicherungen;
    QAction* drucken;
    QAction* seitenansicht;
    QAction* druckereinrichtung;
    std::array<QAction*, 4> recent;
    QAction* beenden;
};

struct EditCommands {
    QAction* rueckgaengig; // its text names the step: "&Rückgängig: Buchung hinzufügen"
    QAction* wiederholen;
    QAction* neueBuchung;
    QAction* buchungsEditor;
    QAction* faelligeBuchungen;
    QAction* regelmaessigeBuchungen;
    QAction* importieren;
    QAction* neuesKonto;
    QAction* kontenEditor;
    QAction* kategorieEditor;
    QAction* euroTool;
    QAction* optionen;
    std::array<QAction*, 8> scale; // in the order of kScreenScales
    QActionGroup* scaleGroup;
};

struct ViewCommands {
    std::array<QAction*, reports::kViewKindCount> kinds; // in the order of reports::kViewKinds
    QActionGroup* kindGroup;
    QAction* ohneVorlaeufige;
    std::array<QAction*, 3> grouping;
    QActionGroup* groupingGroup;
    QAction* standardansicht;
    QAction* kopierenZwischenablage;
    QAction* kopierenTextdatei;
    QAction* diagrammSpeichern; // the shown chart as PNG, SVG or PDF
    QAction* symbolleiste;
    QAction* dialogleiste;
    QAction* statusleiste;
    QAction* zurueck;
};

struct WindowCommands {
    QAction* neuesFenster;
    QAction* ueberlappend;
    QAction* uebereinander;
    QAction* nebeneinander;
    QAction* symboleAnordnen;
    QAction* teilen;
};

struct HelpCommands {
    QAction* inhalt;
    QAction* info;
};

// The eight screen scales with their labels.
struct ScreenScale {
    double factor;
    const char16_t* label;
};
inline constexpr std::array<ScreenScale, 8> kScreenScales{{{0.8, u"80 %"},
                                                           {1.0, u"100 %"},
                                                           {1.1, u"110 %"},
                                                           {1.25, u"125 %"},
                                                           {1.5, u"150 %"},
                                                           {1.75, u"175 %"},
                                                           {2.0, u"200 %"},
                                                           {2.5, u"250 %"}}};

// The labels of "&Rückgängig" and "&Wiederholen" with the name of the step they act on.
QString undoLabel(const QString& step);
QString redoLabel(const QString& step);

struct Commands {
    // Creates every action as a child of owner.
    explicit Commands(QObject* owner);

    FileCommands file;
    EditCommands edit;
    ViewCommands view;
    WindowCommands window;
    HelpCommands help;
};

} // namespace shell
