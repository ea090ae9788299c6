// Runs the Qt test classes of the desktop program: every class, or with a class name as the
// first argument only that one (ctest runs one class per test). Further arguments go to QTest.
#include "shell_tests.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>

std::vector<QObject*>& shelltest::allTests() {
    static std::vector<QObject*> tests;
    return tests;
}

namespace {

// The class name without its namespace.
const char* shortName(const QObject* test) {
    const char* name = test->metaObject()->className();
    const char* last = std::strrchr(name, ':');
    return last ? last + 1 : name;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TalerwerkTest"));
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    if (only) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    int failed = 0;
    int run = 0;
    for (QObject* test : shelltest::allTests()) {
        if (only && std::strcmp(shortName(test), only) != 0)
            continue;
        ++run;
        failed += QTest::qExec(test, argc, argv);
    }
    if (run == 0) {
        std::fprintf(stderr, "No test class named %s\n", only);
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
