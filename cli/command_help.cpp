#include "cli/command_help.h"

#include "cli/command.h"
#include "ledger/win1252.h"

#include <algorithm>
#include <array>

namespace cli {

namespace {

struct CommandSummary {
    std::string_view command;
    std::string_view text;
};

// One entry per command of the command table.
constexpr std::array kSummaries = {
    CommandSummary{"account",
                   "Legt ein Konto an (new), ändert das Konto mit der Kontonummer NR (edit) oder "
                   "löscht es (delete), mit den Prüfungen und Meldungen der Kontendialoge."},
    CommandSummary{"booking", "Erfasst eine Buchung (new) mit den Prüfungen des Buchungsdialogs."},
    CommandSummary{"category",
                   "Legt eine Kategorie oder Unterkategorie an (new), benennt sie um (rename) "
                   "oder löscht sie (delete)."},
    CommandSummary{"check",
                   "Prüft eine Datei: Version, Anzahl der Konten, Kategorien und Buchungen und "
                   "jede Verletzung der inneren Regeln der Datei."},
    CommandSummary{"demo",
                   "Schreibt die Beispieldateien DemoKontenplan.tlw und DemoDatei1.tlw in das "
                   "Verzeichnis."},
    CommandSummary{"due",
                   "Zeigt die fälligen Buchungen der regelmäßigen Buchungen bis zum "
                   "Fälligkeitsdatum, alle markiert, und führt sie aus oder löscht sie, wie der "
                   "Dialog \"Fällige Buchungen\"."},
    CommandSummary{"editor",
                   "Zeigt die Buchungen eines Zeitraums wie der Buchungs-Editor, auf Wunsch "
                   "gefiltert und sortiert, und wendet eine der Sammelaktionen (neu nummerieren, "
                   "Text ersetzen, Konto ersetzen, alle löschen) auf genau diese Buchungen an."},
    CommandSummary{"euro",
                   "Stellt eine Datei mit Landeswährung auf den Euro um, wie das Euro-Werkzeug "
                   "des Programms; ohne Optionen werden alle Schritte mit ihren Voreinstellungen "
                   "ausgeführt."},
    CommandSummary{"import",
                   "Importiert Buchungen aus einer Textdatei (eine Buchung je Zeile, Felder durch "
                   "Tabulatoren getrennt) in die Datei."},
    CommandSummary{"new",
                   "Legt eine neue, leere Datei an: nur in Euro, in Euro und einer Landeswährung "
                   "oder in einer anderen Währung."},
    CommandSummary{"options",
                   "Zeigt alle Einstellungen der Seiten des Dialogs Optionen mit ihren Namen oder "
                   "ändert sie mit den Prüfungen der Seiten; das Kennwort der Datei verschlüsselt "
                   "die Buchungen nicht."},
    CommandSummary{"rule",
                   "Legt eine regelmäßige Buchung an (new), ändert (edit) oder löscht (delete) "
                   "die regelmäßige Buchung NAME mit den Prüfungen ihres Dialogs, oder zeigt "
                   "alle nach Bezeichnung (list)."},
    CommandSummary{"show", "Gibt eine Ansicht der Datei als Text aus, so wie sie gedruckt würde."},
};

// Texts with an empty command hold for every command that names the option.
constexpr std::array kOptionTexts = {
    OptionText{"", "password",
               "Das Kennwort einer geschützten Datei; ohne die Option wird es am Terminal "
               "erfragt."},
    OptionText{"", "now", "Verwendet dieses Datum als heutiges Datum."},
    OptionText{"", "yes",
               "Beantwortet Rückfragen mit Ja; ohne die Option gilt jede Rückfrage als mit Nein "
               "beantwortet."},
    OptionText{"", "name", "Die Bezeichnung."},
    OptionText{"", "backups",
               "Behält beim Speichern die bisherige Datei als datierte Sicherung im Ordner "
               "Sicherungen neben der Datei und davon die neuesten N (1 bis 999); ohne die "
               "Option die neuesten 10."},
    OptionText{"", "no-backup", "Speichert, ohne eine Sicherung der bisherigen Datei anzulegen."},
    OptionText{"", "overwrite",
               "Ersetzt eine vorhandene Datei; ohne die Option bleibt sie, wie sie ist."},
    OptionText{"", "category", "Die Kategorie, über ihre Bezeichnung."},
    OptionText{"", "subcategory", "Die Unterkategorie, über ihre Bezeichnung."},
    OptionText{"", "rate", "Der Wechselkurs: so viele Einheiten der Landeswährung sind 1 Euro."},

    OptionText{"account", "kind",
               "Die Kontenart: 0 Bestandskonto, 1 Einnahmenkonto, 2 "
               "Ausgabenkonto."},
    OptionText{"account", "number", "Die Kontonummer."},
    OptionText{"account", "abbreviation", "Die Abkürzung des Kontos."},
    OptionText{"account", "currency",
               "Die Währung eines Bestandskontos: 0 die erste, 1 die zweite Währung der Datei."},
    OptionText{"account", "opening-balance", "Der Anfangsbestand eines Bestandskontos."},
    OptionText{"account", "alt1", "Die Kategorie der ersten alternativen Zuordnung."},
    OptionText{"account", "alt1-sub", "Die Unterkategorie der ersten alternativen Zuordnung."},
    OptionText{"account", "alt1-standard",
               "Die erste alternative Zuordnung folgt der Standardzuordnung."},
    OptionText{"account", "alt2", "Die Kategorie der zweiten alternativen Zuordnung."},
    OptionText{"account", "alt2-sub", "Die Unterkategorie der zweiten alternativen Zuordnung."},
    OptionText{"account", "alt2-standard",
               "Die zweite alternative Zuordnung folgt der Standardzuordnung."},

    OptionText{"booking", "date", "Das Buchungsdatum."},
    OptionText{"booking", "kind", "Die Buchungsart: 0 Einnahme, 1 Ausgabe, 2 Umbuchung."},
    OptionText{"booking", "account1",
               "Das erste Konto (Bestandskonto einer Einnahme oder Ausgabe, Quelle einer "
               "Umbuchung), wie im Buchungsdialog angegeben."},
    OptionText{"booking", "account2",
               "Das zweite Konto (Einnahmen- oder Ausgabenkonto, Ziel einer Umbuchung)."},
    OptionText{"booking", "amount", "Der Betrag; ein Ausdruck wie 12,50+3 wird ausgerechnet."},
    OptionText{"booking", "number", "Die Buchungsnummer."},
    OptionText{"booking", "text", "Der Buchungstext."},
    OptionText{"booking", "notes", "Die Notizen der Buchung."},
    OptionText{"booking", "currency",
               "Die Währung des Betrags: 0 die erste, 1 die zweite Währung der Datei."},
    OptionText{"booking", "provisional", "Erfasst die Buchung als vorläufig."},

    OptionText{"category", "kind", "Die Kategorienart: 0 Bestandskonten, 1 Einnahmen, 2 Ausgaben."},
    OptionText{"category", "category",
               "Die Kategorie; bei new die Kategorie, unter der eine Unterkategorie entsteht."},
    OptionText{"category", "name", "Die neue Bezeichnung."},

    OptionText{"due", "until", "Das Fälligkeitsdatum; ohne die Option das heutige Datum."},
    OptionText{"due", "booking-date",
               "Das Buchungsdatum der regelmäßigen Buchungen, die nach dem Buchungsdatum "
               "gebucht werden; ohne die Option das heutige Datum."},
    OptionText{"due", "first-number",
               "Die erste Nummer für <NAECHSTE>; ohne die Option der Vorschlag aus den "
               "Buchungen."},
    OptionText{"due", "sort",
               "Die Sortierung: 0 fällig am, 1 Datum, 2 Bez./fällig am, 3 Bez./Datum; sie wird "
               "mit --execute oder --delete in der Datei gespeichert."},
    OptionText{"due", "format",
               "fixed richtet die Spalten mit Leerzeichen aus, tabs trennt sie mit "
               "Tabulatoren."},
    OptionText{"due", "execute", "Führt die markierten fälligen Buchungen aus."},
    OptionText{"due", "delete", "Löscht die markierten fälligen Buchungen, ohne zu buchen."},
    OptionText{"due", "rows",
               "Markiert nur diese Zeilen der Liste (ab 1, in der Reihenfolge der Liste)."},

    OptionText{"editor", "from", "Der erste Tag des Zeitraums."},
    OptionText{"editor", "to", "Der letzte Tag des Zeitraums."},
    OptionText{"editor", "filter", "Zeigt nur die Buchungen, die dieser Buchungsfilter zulässt."},
    OptionText{"editor", "sort",
               "Die Spalte, nach der sortiert wird: 0 Datum, 1 Nr., 2 Buchungstext, 3 Vorgang, "
               "4 Konto 1, 5 Konto 2, 6 Betrag, 7 W., 8 V, 9 Notizen."},
    OptionText{"editor", "descending", "Sortiert absteigend."},
    OptionText{"editor", "renumber",
               "Nummeriert die angezeigten Buchungen in der angezeigten Reihenfolge neu, "
               "beginnend mit dieser Buchungsnummer."},
    OptionText{"editor", "replace-text",
               "Ersetzt in den angezeigten Buchungen jedes Vorkommen von SUCHE durch ERSATZ."},
    OptionText{"editor", "scope",
               "Wo ersetzt wird: 0 Buchungstexte und Notizen, 1 Buchungstexte, 2 Notizen."},
    OptionText{"editor", "case", "Beachtet beim Suchen die Groß-/Kleinschreibung."},
    OptionText{"editor", "replace-account",
               "Ersetzt in den angezeigten Buchungen das Konto KONTO_S durch KONTO_R (gleicher "
               "Kontenart), angegeben wie im Buchungsdialog."},
    OptionText{"editor", "delete-all", "Löscht alle angezeigten Buchungen."},
    OptionText{"editor", "yes",
               "Beantwortet jede Rückfrage mit Ja; ohne die Option wird jede Rückfrage am "
               "Terminal gestellt (j für Ja)."},

    OptionText{"euro", "currency", "Die Landeswährung, über ihr Kürzel (DEM, ATS, ...)."},
    OptionText{"euro", "eur-symbol", "Das Währungssymbol des Euro."},
    OptionText{"euro", "national-symbol", "Das Währungssymbol der Landeswährung."},
    OptionText{"euro", "keep-account",
               "Lässt das Konto mit dieser Kontonummer in der Landeswährung; mehrfach "
               "angebbar."},
    OptionText{"euro", "keep-rule",
               "Lässt die regelmäßige Buchung dieses Namens in der Landeswährung; mehrfach "
               "angebbar."},
    OptionText{"euro", "rule-amount",
               "Der neue Euro-Betrag der regelmäßigen Buchung NAME; mehrfach angebbar."},
    OptionText{"euro", "keep-preset", "Lässt die voreingestellte Währung unverändert."},
    OptionText{"euro", "keep-national-amounts",
               "Lässt die Anzeige der Beträge in Landeswährung eingeschaltet."},
    OptionText{"euro", "keep-view",
               "Lässt die gespeicherte Ansicht dieses Namens unverändert; mehrfach angebbar."},

    OptionText{"import", "kinds",
               "Die Buchungen: 0 mit Buchungstyp in eigener Spalte, 1 Umbuchungen von Konto 1 "
               "auf Konto 2, 2 Umbuchungen von Konto 2 auf Konto 1."},
    OptionText{"import", "ident",
               "Die Kontenidentifikation: 0 Bezeichnung, 1 Kontonummer, 2 Abkürzung."},
    OptionText{"import", "amounts",
               "Die Beträge: 0 mit Währungsangabe, 1 alle in der ersten, 2 alle in der zweiten "
               "Währung."},
    OptionText{"import", "notes", "Liest Notizen aus einer zusätzlichen Spalte."},
    OptionText{"import", "stop-on-error",
               "Bricht den Import an der ersten fehlerhaften Zeile ab; sonst wird sie "
               "gemeldet und übersprungen."},

    OptionText{"new", "euro-only", "Eine Datei nur in Euro, mit diesem Währungssymbol."},
    OptionText{"new", "dual",
               "Eine Datei in Euro und der Landeswährung mit diesem Kürzel (DEM, ATS, ...)."},
    OptionText{"new", "symbols",
               "Die Währungssymbole von Euro und Landeswährung, durch ein Komma getrennt."},
    OptionText{"new", "other", "Eine Datei in einer anderen Währung mit diesem Symbol."},

    OptionText{"options", "decimal-separator", "Das Dezimaltrennzeichen: , oder ."},
    OptionText{"options", "thousands-separator", "Das Tausendertrennzeichen: . , oder '"},
    OptionText{"options", "no-grouping", "1: kein Tausendertrennzeichen verwenden, 0: verwenden."},
    OptionText{"options", "protect", "Schützt die Datei mit einem Kennwort."},
    OptionText{"options", "unprotect", "Hebt den Kennwortschutz der Datei auf."},
    OptionText{"options", "new-password", "Das neue Kennwort (nur Zeichen von Windows-1252)."},
    OptionText{"options", "repeat", "Die Wiederholung des neuen Kennworts."},
    OptionText{"options", "symbol", "Das neue Kürzel der ersten Währung."},
    OptionText{"options", "second-symbol",
               "Das neue Kürzel der zweiten Währung (nur in Dateien mit zwei Währungen)."},
    OptionText{"options", "start-rule",
               "Beginn des Zeitraums eines neuen Fensters: 0 Datum der ersten Buchung, 1 erster "
               "Tag des Jahres, 2 erster Tag des Monats, 3 das Datum von --start-date."},
    OptionText{"options", "start-date", "Der feste Beginn zu --start-rule 3."},
    OptionText{"options", "end-rule",
               "Ende des Zeitraums eines neuen Fensters: 0 heute, 1 letzter Tag des Monats, 2 "
               "das Datum von --end-date."},
    OptionText{"options", "end-date", "Das feste Ende zu --end-rule 2."},
    OptionText{"options", "set",
               "Setzt eine Einstellung über ihren Namen, den die Ausgabe in Klammern zeigt; "
               "Längen in Zentimetern (1,5 oder 15mm), Listen als Bitsatz (0x1f)."},

    OptionText{"rule", "kind", "Die Buchungsart: 0 Einnahme, 1 Ausgabe, 2 Umbuchung."},
    OptionText{"rule", "account1",
               "Das erste Konto (Bestandskonto einer Einnahme oder Ausgabe, Quelle einer "
               "Umbuchung), wie im Buchungsdialog angegeben."},
    OptionText{"rule", "account2",
               "Das zweite Konto (Einnahmen- oder Ausgabenkonto, Ziel einer Umbuchung)."},
    OptionText{"rule", "amount", "Der Betrag; ein Ausdruck wie 12,50+3 wird ausgerechnet."},
    OptionText{"rule", "first",
               "Das Datum der ersten Buchung (bei einer Regel mit ausgeführten Terminen: der "
               "nächsten)."},
    OptionText{"rule", "every", "Die Fälligkeit: alle N Tage, Wochen oder Monate."},
    OptionText{"rule", "unit", "Die Einheit der Fälligkeit: 0 Tage, 1 Wochen, 2 Monate."},
    OptionText{"rule", "number", "Die Vorlage der Buchungsnummer, mit <NAECHSTE> und <ZAEHLER>."},
    OptionText{"rule", "counter", "Der Zähler der ersten (oder nächsten) Buchung."},
    OptionText{"rule", "text", "Die Vorlage des Buchungstexts, mit Datumsplatzhaltern wie <MMMM>."},
    OptionText{"rule", "notes", "Die Vorlage der Notizen, mit Datumsplatzhaltern."},
    OptionText{"rule", "date-mode",
               "Das Datum der Buchungen: 0 das Fälligkeitsdatum, 1 das beim Ausführen gewählte "
               "Buchungsdatum."},
    OptionText{"rule", "currency",
               "Die Währung des Betrags: 0 die erste, 1 die zweite Währung der Datei."},
    OptionText{"rule", "provisional", "Führt die Buchungen als vorläufige Buchungen aus."},

    OptionText{"show", "view",
               "Die Ansicht: 1 Konten, 2 Buchungen, 3 Konten nach Kategorien, 4 Buchungen für "
               "Konto/Kategorie, 5 Wertetabelle - Gesamt, 6 Wertetabelle - Konto/Kategorie, 7 "
               "Buchungen gefiltert, 8 Kategorien, 9 Periodenvergleich, 101 Diagramm - Gesamt, "
               "102 Diagramm - Konto/Kategorie."},
    OptionText{"show", "from", "Der erste Tag des Zeitraums."},
    OptionText{"show", "to", "Der letzte Tag des Zeitraums."},
    OptionText{"show", "grouping",
               "Die Kategoriezuordnung: 0 Standard, 1 und 2 die alternativen Zuordnungen."},
    OptionText{"show", "without-provisional", "Lässt vorläufige Buchungen weg."},
    OptionText{"show", "select",
               "Wählt ein Konto, eine Kategorie oder eine Unterkategorie für die Ansicht."},
    OptionText{"show", "filter", "Der Buchungsfilter: 0 keiner, 1 bis 9 der gespeicherte Filter."},
    OptionText{"show", "periods",
               "Die Perioden der Wertetabellen und Diagramme: 0 Entwicklung, 1 Monatswerte, 2 "
               "Quartalswerte, 3 Jahreswerte."},
    OptionText{"show", "compare",
               "Die Vergleichsperioden des Periodenvergleichs: 0 Monate, 1 Quartale, 2 Jahre; "
               "ohne die Option die der Datei."},
    OptionText{"show", "value",
               "Der Wert der Wertetabellen und Diagramme: 1 Guthaben, 2 Schulden, 3 Vermögen, "
               "4 Sparbetrag, 5 Einnahmen, 6 Ausgaben."},
    OptionText{"show", "currency",
               "Die Währung der Beträge: 0 die erste, 1 die zweite Währung der Datei."},
    OptionText{"show", "svg", "Schreibt ein Diagramm (Ansicht 101 oder 102) als SVG-Bild."},
    OptionText{"show", "format",
               "fixed richtet die Spalten mit Leerzeichen aus, tabs trennt sie mit "
               "Tabulatoren."},
    OptionText{"show", "encoding", "cp1252 gibt den Text in Windows-1252 statt in UTF-8 aus."},
};

// Takes the closing brackets off a token, with the "..." of a repeatable part ("NR]...").
std::string_view trimClosing(std::string_view token) {
    for (;;) {
        if (token.ends_with("]...") || token.ends_with(")..."))
            token.remove_suffix(3);
        else if (token.ends_with(']') || token.ends_with(')'))
            token.remove_suffix(1);
        else
            return token;
    }
}

std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find(' ', start), text.size());
        result.push_back(text.substr(start, end - start));
        at = end;
    }
    return result;
}

void appendOnce(std::vector<std::string>& list, std::string_view value) {
    if (std::find(list.begin(), list.end(), value) == list.end())
        list.emplace_back(value);
}

bool isWord(std::string_view text, bool upper) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) {
        return upper ? (c >= 'A' && c <= 'Z') : (c >= 'a' && c <= 'z');
    });
}

// A placeholder of a value: upper-case letters, digits and '_', starting with a letter.
bool isPlaceholder(std::string_view text) {
    return !text.empty() && text.front() >= 'A' && text.front() <= 'Z' &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
           });
}

// Writes text wrapped at width, continuing lines after indent blanks; the first line starts
// at column `column`.
void writeWrapped(std::ostream& out, std::string_view text, std::size_t column,
                  std::size_t indent) {
    constexpr std::size_t kWidth = 79;
    bool first = true;
    for (const std::string_view word : tokens(text)) {
        if (!first && column + 1 + word.size() > kWidth) {
            out << '\n' << std::string(indent, ' ');
            column = indent;
        } else if (!first) {
            out << ' ';
            ++column;
        }
        out << ledger::toUtf8(word);
        column += word.size();
        first = false;
    }
    out << '\n';
}

} // namespace

UsageParts parseUsage(std::string_view usage) {
    UsageParts parts;
    const std::vector<std::string_view> words = tokens(usage);
    bool leading = true; // before the first option or optional part
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string_view word = words[i];
        while (!word.empty() && (word.front() == '[' || word.front() == '('))
            word.remove_prefix(1), leading = false;
        if (word.starts_with("--")) {
            leading = false;
            const std::string_view name = trimClosing(word.substr(2));
            std::string value;
            // A placeholder follows unless the option closes its bracket or a new part starts.
            if (trimClosing(word).size() == word.size() && i + 1 < words.size()) {
                const std::string_view next = words[i + 1];
                if (next != "|" && !next.starts_with('[') && !next.starts_with('(') &&
                    !next.starts_with("--"))
                    value = std::string(trimClosing(next)), ++i;
                // An option of several values names one placeholder for each
                // ("--replace-text SUCHE ERSATZ").
                while (!value.empty() && trimClosing(words[i]).size() == words[i].size() &&
                       i + 1 < words.size() && isPlaceholder(trimClosing(words[i + 1])))
                    value += " " + std::string(trimClosing(words[++i]));
            }
            const auto known = std::find_if(parts.options.begin(), parts.options.end(),
                                            [&](const UsageOption& o) { return o.name == name; });
            if (known == parts.options.end())
                parts.options.push_back({std::string(name), std::move(value)});
            continue;
        }
        if (!leading)
            continue;
        for (std::size_t at = 0; at <= word.size();) {
            const std::size_t bar = std::min(word.find('|', at), word.size());
            const std::string_view part = word.substr(at, bar - at);
            if (isWord(part, false))
                appendOnce(parts.subcommands, part);
            else if (isWord(part, true))
                appendOnce(parts.arguments, part);
            at = bar + 1;
        }
    }
    return parts;
}

std::vector<std::string> valueChoices(std::string_view placeholder) {
    std::vector<std::string> choices;
    for (std::size_t at = 0; at <= placeholder.size();) {
        const std::size_t bar = std::min(placeholder.find('|', at), placeholder.size());
        const std::string_view part = placeholder.substr(at, bar - at);
        const bool plain = !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        });
        if (!plain)
            return {};
        choices.emplace_back(part);
        at = bar + 1;
    }
    return choices.size() > 1 ? choices : std::vector<std::string>{};
}

std::string_view commandSummary(std::string_view command) {
    for (const CommandSummary& s : kSummaries)
        if (s.command == command)
            return s.text;
    return {};
}

std::string_view optionDescription(std::string_view command, std::string_view option) {
    std::string_view shared;
    for (const OptionText& t : kOptionTexts) {
        if (t.option != option)
            continue;
        if (t.command == command)
            return t.text;
        if (t.command.empty())
            shared = t.text;
    }
    return shared;
}

std::span<const OptionText> optionTexts() {
    return kOptionTexts;
}

void printProgramHelp(std::ostream& out) {
    out << ledger::toUtf8("Aufruf: talerwerk-cli BEFEHL [ARGUMENTE] [OPTIONEN]\n"
                          "       talerwerk-cli BEFEHL --help\n"
                          "       talerwerk-cli --help | --version\n\n"
                          "Bearbeitet und prüft Haushaltsbücher im Talerwerk-Format (.tlw).\n\n"
                          "Befehle:\n");
    for (const Command& c : commands()) {
        out << "  " << c.name << std::string(c.name.size() < 10 ? 10 - c.name.size() : 1, ' ');
        writeWrapped(out, commandSummary(c.name), 12, 12);
    }
    out << ledger::toUtf8("\nOptionen werden als --name WERT oder --name=WERT angegeben.\n"
                          "Exit-Status: 0 Erfolg, 1 Datei nicht lesbar, nicht in Ordnung oder "
                          "Eingabe\nabgelehnt, 2 falscher Aufruf.\n");
}

void printCommandHelp(const Command& command, std::ostream& out) {
    out << "Aufruf: talerwerk-cli " << command.name << ' ';
    writeWrapped(out, command.usage, 23 + command.name.size(), 8);
    out << '\n';
    writeWrapped(out, commandSummary(command.name), 0, 0);
    const UsageParts parts = parseUsage(command.usage);
    if (parts.options.empty())
        return;
    out << "\nOptionen:\n";
    constexpr std::size_t kTextColumn = 28;
    for (const UsageOption& o : parts.options) {
        const std::string label = "  --" + o.name + (o.value.empty() ? "" : " " + o.value);
        out << ledger::toUtf8(label);
        if (label.size() + 2 > kTextColumn)
            out << '\n' << std::string(kTextColumn, ' ');
        else
            out << std::string(kTextColumn - label.size(), ' ');
        writeWrapped(out, optionDescription(command.name, o.name), kTextColumn, kTextColumn);
    }
}

} // namespace cli
