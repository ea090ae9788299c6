// The command line's start view (--view, --from, --to) and the screenshot mode, which must
// never wait for an answer: the program itself is run on files that make it ask or warn.
#include "ledger/dokument.h"
#include "ledger/file_old_writer.h"
#include "reports/report_params.h"
#include "shell/app/command_line.h"
#include "shell/qt/qt_dates.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <optional>

namespace shelltest {

using K = reports::ViewKind;

namespace {

QString writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("%s cannot be written", qPrintable(path));
    return path;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("%s cannot be read", qPrintable(path));
    return file.readAll();
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void theStartViewIsReadFromTheCommandLine() {
        struct Case {
            QStringList args;
            std::optional<K> kind;
            std::optional<ledger::CNVKDatum> from;
            std::optional<ledger::CNVKDatum> to;
            QString error;
        };
        const QString file = u"haushalt.tlw"_qs;
        const Case cases[] = {
            {{u"--view"_qs, u"2"_qs, u"--from"_qs, u"01.01.1995"_qs, u"--to"_qs, u"31.12.2024"_qs,
              file},
             K::Buchungen,
             testsupport::date(1, 1, 1995),
             testsupport::date(31, 12, 2024),
             {}},
            {{u"--to"_qs, u"29.02.2024"_qs, file},
             std::nullopt,
             std::nullopt,
             testsupport::date(29, 2, 2024),
             {}},
            {{u"--from"_qs, u"31.12.2024"_qs, u"--to"_qs, u"01.01.2024"_qs, file},
             {},
             {},
             {},
             u"Das Enddatum liegt vor dem Startdatum."_qs},
            {{u"--from"_qs, u"30.02.2024"_qs, file},
             {},
             {},
             {},
             u"Ungültiges Datum: 30.02.2024 (erwartet TT.MM.JJJJ)"_qs},
            // Outside the days a ledger can hold.
            {{u"--to"_qs, u"01.01.2040"_qs, file},
             {},
             {},
             {},
             u"Ungültiges Datum: 01.01.2040 (erwartet TT.MM.JJJJ)"_qs},
            {{file, u"--from"_qs}, {}, {}, {}, u"Zur Option --from fehlt der Wert."_qs},
            {{u"--screenshot"_qs, u"a.png"_qs, file, u"b.tlw"_qs},
             {},
             {},
             {},
             u"--screenshot nimmt höchstens eine Talerwerk-Datei."_qs},
        };
        for (const Case& c : cases) {
            const shell::CommandLine line = shell::parseCommandLine(c.args);
            const QString context = c.args.join(u' ');
            QVERIFY2(line.error == c.error, qPrintable(context + u": "_qs + line.error));
            if (!c.error.isEmpty())
                continue;
            QVERIFY2(line.view.viewKind == c.kind, qPrintable(context));
            QVERIFY2(line.view.from == c.from, qPrintable(context));
            QVERIFY2(line.view.to == c.to, qPrintable(context));
        }
        // The screenshot mode also takes no file: the window as it starts without one.
        QVERIFY(shell::parseCommandLine({u"--screenshot"_qs, u"a.png"_qs}).ok());
    }

    // The sample file's own period is 01.04.2024 to 15.04.2024 (month start to today).
    void theFileOpensInTheStartView() {
        struct Case {
            shell::StartView view;
            K kind;
            ledger::CNVKDatum start;
            ledger::CNVKDatum end;
        };
        const Case cases[] = {
            {{}, K::Konten, testsupport::date(1, 4, 2024), testsupport::date(15, 4, 2024)},
            {{K::Buchungen, testsupport::date(1, 1, 2023), testsupport::date(31, 12, 2023)},
             K::Buchungen,
             testsupport::date(1, 1, 2023),
             testsupport::date(31, 12, 2023)},
            // A single day given on the wrong side of the file's period gives a period of
            // that day alone.
            {{std::nullopt, testsupport::date(1, 5, 2024), std::nullopt},
             K::Konten,
             testsupport::date(1, 5, 2024),
             testsupport::date(1, 5, 2024)},
            {{std::nullopt, std::nullopt, testsupport::date(1, 3, 2024)},
             K::Konten,
             testsupport::date(1, 3, 2024),
             testsupport::date(1, 3, 2024)},
            {{K::Kategorien, std::nullopt, testsupport::date(10, 4, 2024)},
             K::Kategorien,
             testsupport::date(1, 4, 2024),
             testsupport::date(10, 4, 2024)},
        };
        for (const Case& c : cases) {
            AppFixture f;
            const QString file = f.writeSample();
            f.app = std::make_unique<shell::Application>(f.store, f.dir.path(), f.clock,
                                                         f.recoveryFolder());
            QVERIFY(f.app->start({file}, false, c.view));
            QCOMPARE(f.child().viewKind(), c.kind);
            QCOMPARE(f.child().params().start, c.start);
            QCOMPARE(f.child().params().end, c.end);
        }
    }

    // Every message goes to the error stream; the program goes on where it can and ends with
    // 1 where the file cannot be opened, without waiting for an answer.
    void theScreenshotNeverWaitsForAnAnswer() {
        AppFixture f;
        const QString sample = f.writeSample();
        testsupport::TestLedger household = testsupport::householdLedger();
        const std::vector<std::uint8_t> old =
            testsupport::writeFileOfVersion(household.doc, testsupport::kVersion251);
        const QString older = writeBytes(f.dir.filePath(u"alt.tlw"_qs),
                                         QByteArray(reinterpret_cast<const char*>(old.data()),
                                                    static_cast<qsizetype>(old.size())));
        const QByteArray whole = readBytes(sample);
        const QString damaged =
            writeBytes(f.dir.filePath(u"kaputt.tlw"_qs), whole.left(whole.size() / 2));
        household.doc.setPassword({"Geheim", 1});
        const QString protectedFile = f.dir.filePath(u"geschuetzt.tlw"_qs);
        QVERIFY(ledger::saveLedgerFile(household.doc, protectedFile.toStdString()).empty());

        struct Case {
            QString name;
            QStringList files;
            int exitCode;
            QString message; // what the error stream must hold; empty: no message at all
        };
        const Case cases[] = {
            {u"older"_qs,
             {older},
             0,
             u"talerwerk: Datei öffnen: Diese Datei wurde mit einer älteren Version"_qs},
            {u"damaged"_qs, {damaged}, 1, u"talerwerk: Talerwerk: "_qs},
            {u"protected"_qs, {protectedFile}, 1, u"talerwerk: Kennwort"_qs},
            // Without a file the program asks for the currencies of a new one.
            {u"without-file"_qs, {}, 0, u"talerwerk: "_qs},
            {u"sample"_qs, {sample, u"--view"_qs, u"2"_qs, u"--from"_qs, u"01.01.2023"_qs}, 0, {}},
        };
        for (const Case& c : cases) {
            const QString picture = f.dir.filePath(c.name + u".png"_qs);
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"ASAN_OPTIONS"_qs, u"detect_leaks=0"_qs);
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(TALERWERK_PROGRAM),
                          QStringList{u"--screenshot"_qs, picture, u"--now"_qs, u"15.04.2024"_qs} +
                              c.files);
            const bool finished = program.waitForFinished(120000);
            if (!finished)
                program.kill();
            QVERIFY2(finished, qPrintable(c.name + u" waits"_qs));
            const QString errors = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2(program.exitCode() == c.exitCode, qPrintable(c.name + u": "_qs + errors));
            QVERIFY2(errors.contains(c.message), qPrintable(c.name + u": "_qs + errors));
            if (c.message.isEmpty())
                QVERIFY2(!errors.contains(u"talerwerk: "_qs),
                         qPrintable(c.name + u": "_qs + errors));
            QCOMPARE(QFileInfo::exists(picture), c.exitCode == 0);
        }
    }
};

static Register<ScreenshotTest> registerScreenshot;

} // namespace shelltest

#include "screenshot_test.moc"
