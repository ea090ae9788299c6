// The panes of a ledger window: a pane builds its report only while it is in sight, so a
// long list is not built once for each of the collapsed panes; a long list scrolls to its end.
#include "shell/views/talwerk_view.h"
#include "shell/window/open_ledger.h"
#include "shell_fixture.h"
#include "shell_tests.h"

#include <QScrollBar>
#include <QTest>

namespace shelltest {

namespace {

// Per pane, whether it holds a report: a pane without one has nothing to scroll.
QList<bool> built(const shell::CChildFrame& child) {
    QList<bool> result;
    for (const shell::CTalwerkView* view : child.views())
        result << (view->horizontalScrollBar()->maximum() > 0 ||
                   view->verticalScrollBar()->maximum() > 0);
    return result;
}

} // namespace

class ViewPanesTest : public QObject {
    Q_OBJECT
private slots:
    void onlyPanesInSightBuildTheirReports() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(reports::ViewKind::Buchungen);
        f.window().resize(500, 300);
        f.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
        QApplication::processEvents();
        QApplication::processEvents();
        QCOMPARE(built(f.child()), (QList<bool>{true, false, false, false}));

        // Pulled out, the other panes come into sight and build their reports.
        f.child().split();
        QTRY_COMPARE(built(f.child()), (QList<bool>{true, true, true, true}));
    }

    // A list far longer than 32768 units scrolls to its last row.
    void theEndOfALongListIsInReach() {
        AppFixture f;
        f.start({f.writeSample()});
        f.child().chooseViewKind(reports::ViewKind::Buchungen);
        f.window().resize(800, 600);
        f.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window()));
        shell::CTalwerkView* view = f.child().views().front();
        // The sample list grows with the screen scale to twice the old limit of 32768 units.
        const double scale = f.child().document()->screenScale();
        f.child().document()->setScreenScale(scale * (65536.0 / view->table()->size().height + 1));
        const reports::ReportTable* table = view->table();
        QVERIFY(table->size().height > 65536);

        // Scrolled so that the last row's top is at the top of the pane.
        QScrollBar* bar = view->verticalScrollBar();
        const int last = table->rowCount() - 1;
        bar->setValue(-table->rowTop(last));
        QVERIFY(bar->value() > 32768);
        QCOMPARE(bar->value(), -table->rowTop(last));
        QCOMPARE(view->rowAt(QPoint(20, 2)), last);
    }
};

static Register<ViewPanesTest> registerViewPanes;

} // namespace shelltest

#include "view_panes_test.moc"
