// One program per store: a second start brings the running window to the front and ends
// without touching the store; a lock left by a killed program never blocks a new start.
// The other programs are the real executable, started headless like this test.
#include "app_test_support.h"

#include "app/qml_messenger.h"
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QScopedPointer>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

QString StoreFile()
{
    QScopedPointer<QSettings> store(OpenStore());
    return store->fileName();
}

QString SocketPath()
{
    return SingleInstance(StoreFile()).SocketPath();
}

QByteArray StoreDigest()
{
    QFile file(StoreFile());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}

std::unique_ptr<QProcess> StartProgram()
{
    std::unique_ptr<QProcess> program(new QProcess);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("OVELUNE_MIDI_API", "none");
    program->setProcessEnvironment(environment);
    program->start(QStringLiteral(OVELUNE_BINARY), QStringList());
    return program;
}

// Waits, with the event loop running (an application in this process may have to answer).
bool WaitForEnd(QProcess& program, int milliseconds = 15000)
{
    return QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, milliseconds);
}

// True once a program listens on the store's socket.
bool SomeoneListens()
{
    QLocalSocket probe;
    probe.connectToServer(SocketPath());
    const bool connected = probe.waitForConnected(200);
    probe.abort();
    return connected;
}

void Kill(QProcess& program)
{
    program.kill(); // SIGKILL: no clean-up of any kind
    program.waitForFinished(5000);
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearStore();
        SkipHelpOnStartup();
    }

    void secondStartRaisesTheFirstAndLeavesTheStore();
    void killedProgramNeverBlocksANewStart();
    void twoStartsAtOnceLeaveOneRunning();
    void strangeRequestsAreIgnored();
};

void TestSingleInstance::secondStartRaisesTheFirstAndLeavesTheStore()
{
    AppUnderTest t;
    QVERIFY(t.app->IsPrimary());
    t.app->onHideWindow();
    QVERIFY(t.app->GetView().windowStates() & Qt::WindowMinimized);
    // The store holds a session in progress: a second program must not regenerate it.
    messenger->startNewSession(2);
    const QByteArray before = StoreDigest();
    QVERIFY(!before.isEmpty());

    std::unique_ptr<QProcess> second = StartProgram();
    QVERIFY(second->waitForStarted(5000));
    QVERIFY(WaitForEnd(*second));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY2(second->readAllStandardError().contains("Ovelune is already running"), "no word on standard error");

    QTRY_VERIFY_WITH_TIMEOUT(!(t.app->GetView().windowStates() & Qt::WindowMinimized), 5000);
    QCOMPARE(StoreDigest(), before);
    QVERIFY(SomeoneListens());
}

void TestSingleInstance::killedProgramNeverBlocksANewStart()
{
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<QProcess> first = StartProgram();
        QVERIFY(first->waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(SomeoneListens(), 15000);
        Kill(*first);
        // What the killed program leaves behind.
        QVERIFY(QFileInfo::exists(SocketPath()));
        QVERIFY(QFileInfo::exists(SocketPath() + ".lock"));
        QVERIFY(!SomeoneListens());

        if (round < 2)
            continue; // the next real program must take over, too
        AppUnderTest t;
        QVERIFY(t.app->IsPrimary());
        QVERIFY(SomeoneListens());
        // And it is the one that answers now.
        std::unique_ptr<QProcess> another = StartProgram();
        QVERIFY(WaitForEnd(*another));
        QCOMPARE(another->exitCode(), 0);
    }
}

void TestSingleInstance::twoStartsAtOnceLeaveOneRunning()
{
    for (int round = 0; round < 3; ++round) {
        std::unique_ptr<QProcess> a = StartProgram(), b = StartProgram();
        QVERIFY(a->waitForStarted(5000) && b->waitForStarted(5000));
        // No application in this process: wait without an event loop.
        QElapsedTimer clock;
        clock.start();
        while (!a->waitForFinished(50) && !b->waitForFinished(50) && clock.elapsed() < 15000) {
        }
        QVERIFY(a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning);
        a->waitForFinished(500);
        b->waitForFinished(500);
        QProcess& ended = a->state() == QProcess::NotRunning ? *a : *b;
        QProcess& running = &ended == a.get() ? *b : *a;
        QCOMPARE(running.state(), QProcess::Running);
        QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ended.exitCode(), 0);
        Kill(running);
    }
}

void TestSingleInstance::strangeRequestsAreIgnored()
{
    AppUnderTest t;
    t.app->onHideWindow();
    for (const QByteArray& request : {QByteArray("quit\n"), QByteArray(4096, 'x'), QByteArray("activate")}) {
        QLocalSocket socket;
        socket.connectToServer(SocketPath());
        QVERIFY(socket.waitForConnected(2000));
        socket.write(request);
        socket.flush();
        QTest::qWait(200);
        socket.abort();
    }
    QTest::qWait(300);
    QVERIFY(t.app->GetView().windowStates() & Qt::WindowMinimized);
    QVERIFY(SomeoneListens());
}

QTEST_APPLESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
