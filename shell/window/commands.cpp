#include "shell/window/commands.h"

#include "reports/view_kinds.h"
#include "shell/qt/cp1252.h"

#include <QApplication>
#include <QStyle>

namespace shell {

namespace {

QAction* make(QObject* owner, QStringView label, const QKeySequence& shortcut = {}) {
    auto* action = new QAction(label.toString(), owner);
    action->setShortcut(shortcut);
    return action;
}

QAction* checkable(QObject* owner, QStringView label, QActionGroup* group = nullptr) {
    QAction* action = make(owner, label);
    action->setCheckable(true);
    if (group)
        group->addAction(action);
    return action;
}

QIcon standardIcon(QStyle::StandardPixmap pixmap) {
    return QApplication::style()->standardIcon(pixmap);
}

} // namespace

QString undoLabel(const QString& step) {
    return step.isEmpty() ? u"&Rückgängig"_qs : u"&Rückgängig: %1"_qs.arg(step);
}

QString redoLabel(const QString& step) {
    return step.isEmpty() ? u"&Wiederholen"_qs : u"&Wiederholen: %1"_qs.arg(step);
}

Commands::Commands(QObject* owner) {
    file.neu = make(owner, u"&Neu...", QKeySequence::New);
    file.neu->setIcon(standardIcon(QStyle::SP_FileIcon));
    file.neu->setStatusTip(u"Erstellt eine neue Talerwerk-Datei"_qs);
    file.oeffnen = make(owner, u"Ö&ffnen...", QKeySequence::Open);
    file.oeffnen->setIcon(standardIcon(QStyle::SP_DialogOpenButton));
    file.oeffnen->setStatusTip(u"Öffnet eine vorhandene Talerwerk-Datei"_qs);
    file.schliessen = make(owner, u"&Schließen");
    file.schliessen->setStatusTip(u"Schließt die aktive Datei"_qs);
    file.speichern = make(owner, u"S&peichern", QKeySequence::Save);
    file.speichern->setIcon(standardIcon(QStyle::SP_DialogSaveButton));
    file.speichern->setStatusTip(u"Speichert die aktive Datei"_qs);
    file.speichernUnter = make(owner, u"Speichern &unter...");
    file.speichernUnter->setStatusTip(u"Speichert die aktive Datei unter einem neuen Namen"_qs);
    file.sicherungen = make(owner, u"Sic&herungen...");
    file.sicherungen->setStatusTip(
        u"Zeigt die Sicherungen der aktiven Datei und öffnet eine davon"_qs);
    file.drucken = make(owner, u"&Drucken...", QKeySequence::Print);
    file.drucken->setStatusTip(u"Druckt die aktive Ansicht"_qs);
    file.seitenansicht = make(owner, u"Sei&tenansicht");
    file.seitenansicht->setStatusTip(u"Zeigt die Druckseiten der aktiven Ansicht"_qs);
    file.druckereinrichtung = make(owner, u"Drucker&einrichtung...");
    file.druckereinrichtung->setStatusTip(u"Wählt den Drucker und seine Einstellungen"_qs);
    for (QAction*& recent : file.recent) {
        recent = make(owner, u"");
        recent->setVisible(false);
    }
    file.beenden = make(owner, u"&Beenden");
    file.beenden->setStatusTip(u"Beendet Talerwerk"_qs);

    edit.rueckgaengig = make(owner, u"");
    edit.rueckgaengig->setShortcuts(QKeySequence::Undo);
    edit.rueckgaengig->setText(undoLabel({}));
    edit.rueckgaengig->setStatusTip(u"Macht die letzte Änderung rückgängig"_qs);
    edit.wiederholen = make(owner, u"");
    edit.wiederholen->setShortcuts({QKeySequence(u"Ctrl+Y"_qs), QKeySequence(u"Shift+Ctrl+Z"_qs)});
    edit.wiederholen->setText(redoLabel({}));
    edit.wiederholen->setStatusTip(u"Führt die rückgängig gemachte Änderung wieder aus"_qs);
    edit.neueBuchung = make(owner, u"Neue &Buchung...", QKeySequence(u"Ctrl+B"_qs));
    edit.buchungsEditor = make(owner, u"Buchungs-&Editor...", QKeySequence(u"Ctrl+E"_qs));
    edit.faelligeBuchungen = make(owner, u"&Fällige Buchungen...", QKeySequence(u"Ctrl+F"_qs));
    edit.regelmaessigeBuchungen =
        make(owner, u"&Regelmäßige Buchungen...", QKeySequence(u"Ctrl+R"_qs));
    edit.importieren = make(owner, u"Buchungen &importieren...");
    edit.neuesKonto = make(owner, u"&Neues Konto...", QKeySequence(u"Ctrl+K"_qs));
    edit.kontenEditor = make(owner, u"&Konten-Editor...");
    edit.kategorieEditor = make(owner, u"K&ategorie-Editor...");
    edit.euroTool = make(owner, u"E&uro-Tool...");
    edit.optionen = make(owner, u"&Optionen...", QKeySequence(Qt::Key_F5));
    edit.scaleGroup = new QActionGroup(owner);
    for (size_t i = 0; i < kScreenScales.size(); ++i)
        edit.scale[i] = checkable(owner, kScreenScales[i].label, edit.scaleGroup);

    view.kindGroup = new QActionGroup(owner);
    for (size_t i = 0; i < reports::kViewKinds.size(); ++i) {
        const reports::ViewKindInfo& info = reports::kViewKinds[i];
        view.kinds[i] = checkable(owner, toQString(info.menuLabel), view.kindGroup);
        view.kinds[i]->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        view.kinds[i]->setData(QVariant::fromValue(info.kind));
    }
    view.ohneVorlaeufige = checkable(owner, u"Ohne &vorläufige Buchungen");
    view.ohneVorlaeufige->setShortcut(QKeySequence(u"Ctrl+V"_qs));
    view.groupingGroup = new QActionGroup(owner);
    view.grouping[0] =
        checkable(owner, u"Kontengruppierung nach Standardzuordnung", view.groupingGroup);
    view.grouping[1] =
        checkable(owner, u"Kontengruppierung nach Alternativzuordnung 1", view.groupingGroup);
    view.grouping[2] =
        checkable(owner, u"Kontengruppierung nach Alternativzuordnung 2", view.groupingGroup);
    view.standardansicht = make(owner, u"Standa&rdansicht...");
    view.kopierenZwischenablage =
        make(owner, u"Kopieren in &Zwischenablage...", QKeySequence::Copy);
    view.kopierenTextdatei = make(owner, u"Kopieren in Te&xtdatei...");
    view.diagrammSpeichern = make(owner, u"Diagramm speichern &unter...");
    view.diagrammSpeichern->setStatusTip(
        u"Speichert das Diagramm als PNG-, SVG- oder PDF-Datei"_qs);
    view.symbolleiste = checkable(owner, u"&Symbolleiste");
    view.dialogleiste = checkable(owner, u"&Dialogleiste");
    view.statusleiste = checkable(owner, u"S&tatusleiste");
    view.zurueck = make(owner, u"&Ansicht < Zurück");
    view.zurueck->setIcon(standardIcon(QStyle::SP_ArrowBack));

    window.neuesFenster = make(owner, u"Neues &Fenster");
    window.ueberlappend = make(owner, u"Über&lappend");
    window.uebereinander = make(owner, u"&Übereinander");
    window.nebeneinander = make(owner, u"&Nebeneinander");
    window.symboleAnordnen = make(owner, u"&Symbole anordnen");
    window.teilen = make(owner, u"&Teilen");

    help.inhalt = make(owner, u"&Inhalt", QKeySequence::HelpContents);
    help.inhalt->setIcon(standardIcon(QStyle::SP_MessageBoxQuestion));
    help.info = make(owner, u"Inf&o über Talerwerk...");
}

} // namespace shell
