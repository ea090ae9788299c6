// Runs every Qt test class of the desktop program.
#include "shell_tests.h"

#include <QApplication>
#include <QTest>

std::vector<QObject*>& shelltest::allTests() {
    static std::vector<QObject*> tests;
    return tests;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TalerwerkTest"));
    int failed = 0;
    for (QObject* test : shelltest::allTests())
        failed += QTest::qExec(test, argc, argv);
    return failed == 0 ? 0 : 1;
}
