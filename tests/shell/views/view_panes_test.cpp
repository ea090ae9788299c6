// The panes of a ledger window: a pane builds its report only while it is in sight, so a
// long list is not built once for each of the collapsed panes.
#include "shell/views/talwerk_view.h"
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
};

static Register<ViewPanesTest> registerViewPanes;

} // namespace shelltest

#include "view_panes_test.moc"
