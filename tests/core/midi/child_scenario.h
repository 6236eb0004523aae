#pragma once

// Runs checks that must stop the process (failed preconditions) in a child process: the
// test binary re-runs itself with "--scenario <name>" and the parent inspects how it ended.

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstring>

struct ChildOutcome
{
    bool finished = false;
    bool crashed = false;
    QString errorOutput;
};

inline ChildOutcome RunChildScenario(const QString& scenario)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scenario"), scenario});
    ChildOutcome outcome;
    outcome.finished = child.waitForFinished(60000);
    outcome.crashed = child.exitStatus() == QProcess::CrashExit;
    outcome.errorOutput = QString::fromLocal8Bit(child.readAllStandardError());
    return outcome;
}

// Expects the scenario to stop on the engine's assertion naming expression, function and unit.
#define CHECK_ASSERTION_STOPS(scenario, expression, function, unit)                          \
    do {                                                                                       \
        const ChildOutcome outcome = RunChildScenario(scenario);                              \
        QVERIFY2(outcome.finished, "the child process did not end");                          \
        QVERIFY2(outcome.crashed, qPrintable("not aborted: " + outcome.errorOutput));         \
        QVERIFY2(outcome.errorOutput.contains(QStringLiteral("\"" expression "\"")),          \
                 qPrintable(outcome.errorOutput));                                             \
        QVERIFY2(outcome.errorOutput.contains(QStringLiteral(" " function " ")),              \
                 qPrintable(outcome.errorOutput));                                             \
        QVERIFY2(outcome.errorOutput.contains(QStringLiteral("(" unit ")")),                  \
                 qPrintable(outcome.errorOutput));                                             \
    } while (false)

// A main that runs a scenario when asked to, and the test object otherwise. runScenario
// returns only for an unknown name (a scenario that should abort and does not falls through).
#define TEST_MAIN_WITH_SCENARIOS(TestObject, runScenario)                                     \
    int main(int argc, char** argv)                                                           \
    {                                                                                          \
        if (argc == 3 && std::strcmp(argv[1], "--scenario") == 0) {                           \
            runScenario(argv[2]);                                                              \
            return 3;                                                                          \
        }                                                                                      \
        QCoreApplication app(argc, argv);                                                      \
        TestObject test;                                                                       \
        return QTest::qExec(&test, argc, argv);                                                \
    }
