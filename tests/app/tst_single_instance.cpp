// One program per store: a program killed outright never blocks the next start, and a
// second start brings the running window to the front and ends without touching the store.
#include "app_harness.h"

#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QProcess>

namespace {

std::unique_ptr<QProcess> StartProgram()
{
    std::unique_ptr<QProcess> program(new QProcess);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("OVELUNE_MIDI_API", "none");
    program->setProcessEnvironment(environment);
    program->start(QStringLiteral(OVELUNE_BINARY), QStringList());
    return program;
}

bool SomeoneListens()
{
    QLocalSocket probe;
    probe.connectToServer(SingleInstance(StoreFile()).SocketPath());
    return probe.waitForConnected(200);
}

QByteArray StoreDigest()
{
    QFile file(StoreFile());
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                          : QByteArray();
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStartRaisesTheFirst()
    {
        ResetStore();
        std::unique_ptr<QProcess> killed = StartProgram();
        QTRY_VERIFY_WITH_TIMEOUT(SomeoneListens(), 20000);
        killed->kill(); // SIGKILL: its lock and socket file stay behind
        QVERIFY(killed->waitForFinished(10000));
        QVERIFY(!SomeoneListens());

        AppUnderTest t;
        QVERIFY(t.app->IsPrimary());
        messenger->startNewSession(2);
        t.app->onHideWindow();
        QTRY_VERIFY(QFile::exists(StoreFile()));
        const QByteArray stored = StoreDigest();

        std::unique_ptr<QProcess> second = StartProgram();
        QVERIFY(QTest::qWaitFor([&] { return second->state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(second->readAllStandardError().contains("Ovelune is already running"));
        QTRY_VERIFY_WITH_TIMEOUT(!(t.app->GetView().windowStates() & Qt::WindowMinimized), 5000);
        QCOMPARE(StoreDigest(), stored);
    }
};

QTEST_APPLESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
