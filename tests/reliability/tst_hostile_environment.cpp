// The real program started in a hostile environment: an unwritable configuration folder, a
// missing or corrupt soundfont, unknown audio driver and MIDI back end names, and a MIDI
// keyboard that goes away while an answer is being played on it. The program must keep
// running and say once, on standard error, what is wrong and how to fix it.
#include "store_snapshot.h"

#include "support/test_keyboard.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <unistd.h>

namespace {

QString StoreFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune").fileName();
}

// The program, started with extra environment; its standard error goes to a file.
class Program
{
public:
    explicit Program(const QProcessEnvironment& extra)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!extra.contains("OVELUNE_MIDI_API"))
            environment.insert("OVELUNE_MIDI_API", "none");
        for (const QString& key : extra.keys())
            environment.insert(key, extra.value(key));
        process.setProcessEnvironment(environment);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(scratch.filePath("stderr.log"));
        process.start(QStringLiteral(OVELUNE_BINARY), QStringList());
    }
    ~Program() { Stop(); }

    bool Started() { return process.waitForStarted(10000); }
    bool Running() const { return process.state() == QProcess::Running; }
    void Stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QByteArray Errors() const
    {
        QFile file(scratch.filePath("stderr.log"));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir scratch;
    QProcess process;
};

// Runs the program for a while and returns what it said; fails when it did not keep running.
QByteArray RunFor(const QProcessEnvironment& extra, int milliseconds, bool* keptRunning)
{
    Program program(extra);
    *keptRunning = program.Started();
    QElapsedTimer clock;
    clock.start();
    while (*keptRunning && clock.elapsed() < milliseconds) {
        QTest::qWait(100);
        *keptRunning = program.Running();
    }
    program.Stop();
    return program.Errors();
}

// The lines of `errors` that contain `text`.
int LinesWith(const QByteArray& errors, const QByteArray& text)
{
    int n = 0;
    for (const QByteArray& line : errors.split('\n'))
        if (line.contains(text))
            ++n;
    return n;
}

QProcessEnvironment With(const QString& key, const QString& value)
{
    QProcessEnvironment environment;
    environment.insert(key, value);
    return environment;
}

} // namespace

class HostileEnvironmentTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune");
        store.clear();
        store.setValue("GlobalSetting/ShowHelpOnStartup", false);
        store.sync();
    }

    void unwritableConfigurationFolder_data();
    void unwritableConfigurationFolder();
    void damagedStoreFile();
    void badSoundSettings_data();
    void badSoundSettings();
    void unknownMidiBackEnd();
    void keyboardUnpluggedWhileAnswering();
};

void HostileEnvironmentTest::unwritableConfigurationFolder_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a file where the folder should be") << "file";
    QTest::newRow("store file is a folder") << "store folder";
    QTest::newRow("read-only folder") << "read-only";
}

void HostileEnvironmentTest::unwritableConfigurationFolder()
{
    QFETCH(QString, how);
    QTemporaryDir scratch;
    QString config = scratch.filePath("config");
    if (how == "file") {
        QFile blocker(scratch.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        config = blocker.fileName() + "/config";
    } else if (how == "store folder") {
        QVERIFY(QDir().mkpath(config + "/Quorvex/Ovelune.conf"));
    } else {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QVERIFY(QDir().mkpath(config));
        QVERIFY(QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner));
    }
    QProcessEnvironment environment = With("XDG_CONFIG_HOME", config);
    environment.insert("OVELUNE_START_SESSION", "1"); // a session that cannot be saved
    bool keptRunning = false;
    const QByteArray errors = RunFor(environment, 4000, &keptRunning);
    QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(keptRunning, errors.constData());
    QVERIFY2(LinesWith(errors, "your progress cannot be saved") == 1, errors.constData());
    QVERIFY2(LinesWith(errors, "XDG_CONFIG_HOME") == 1, errors.constData());
}

// A store file that is not a settings file any more: the program starts a fresh session,
// rewrites the file, and says so once.
void HostileEnvironmentTest::damagedStoreFile()
{
    QFile store(StoreFile());
    QVERIFY(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write(QByteArray("\x00\xff[GlobalSetting\nMaturityLevel=3\n\x01\x02garbage=\n[StatsAndQuestions", 55));
    store.close();
    QProcessEnvironment environment = With("OVELUNE_START_SESSION", "1");
    bool keptRunning = false;
    const QByteArray errors = RunFor(environment, 4000, &keptRunning);
    QVERIFY2(keptRunning, errors.constData());
    QVERIFY2(LinesWith(errors, "was damaged") == 1, errors.constData());
    QVERIFY2(LinesWith(errors, "Ovelune:") == 1, errors.constData());
    const QString broken = CheckConsistent(StoreSnapshot::Read(StoreFile()));
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

void HostileEnvironmentTest::badSoundSettings_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("remedy");

    QTest::newRow("missing soundfont") << "OVELUNE_SOUNDFONT" << "/nonexistent/piano.sf2"
                                       << QByteArray("soundfont \"/nonexistent/piano.sf2\"")
                                       << QByteArray("Point OVELUNE_SOUNDFONT");
    QTest::newRow("corrupt soundfont") << "OVELUNE_SOUNDFONT" << "corrupt" << QByteArray("could not be loaded")
                                       << QByteArray("Point OVELUNE_SOUNDFONT");
    QTest::newRow("empty soundfont") << "OVELUNE_SOUNDFONT" << "empty" << QByteArray("could not be loaded")
                                     << QByteArray("Point OVELUNE_SOUNDFONT");
    QTest::newRow("unknown audio driver") << "OVELUNE_AUDIO_DRIVER" << "no-such-driver"
                                          << QByteArray("audio driver \"no-such-driver\"")
                                          << QByteArray("Set OVELUNE_AUDIO_DRIVER to a working");
}

void HostileEnvironmentTest::badSoundSettings()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, remedy);
    QTemporaryDir scratch;
    if (value == "corrupt" || value == "empty") {
        // A file that starts like a soundfont and then is noise, or nothing at all.
        QFile soundfont(scratch.filePath(value + ".sf2"));
        QVERIFY(soundfont.open(QIODevice::WriteOnly));
        if (value == "corrupt") {
            QByteArray bytes("RIFF\xff\xff\x00\x00sfbkLIST", 16);
            for (int i = 0; i < 64 * 1024; ++i)
                bytes.append(static_cast<char>(QRandomGenerator::global()->bounded(256)));
            soundfont.write(bytes);
        }
        value = soundfont.fileName();
    }
    QProcessEnvironment environment = With(variable, value);
    environment.insert("OVELUNE_START_SESSION", "1"); // notes are played
    bool keptRunning = false;
    const QByteArray errors = RunFor(environment, 4000, &keptRunning);
    QVERIFY2(keptRunning, errors.constData());
    QVERIFY2(LinesWith(errors, message) == 1, errors.constData());
    QVERIFY2(LinesWith(errors, remedy) == 1, errors.constData());
    QVERIFY2(LinesWith(errors, "Ovelune:") == 1, errors.constData());
}

void HostileEnvironmentTest::unknownMidiBackEnd()
{
    bool keptRunning = false;
    const QByteArray errors = RunFor(With("OVELUNE_MIDI_API", "coremidi"), 4000, &keptRunning);
    QVERIFY2(keptRunning, errors.constData());
    QVERIFY2(LinesWith(errors, "OVELUNE_MIDI_API=\"coremidi\" is not one of alsa, jack, none") == 1, errors.constData());
    QVERIFY2(LinesWith(errors, "Ovelune:") == 1, errors.constData());
}

// The keyboard goes away right after an answer was played on it, again and again; each time
// it comes back, the program takes it up and its answers count again.
void HostileEnvironmentTest::keyboardUnpluggedWhileAnswering()
{
    const int unplugs = 4;
    std::unique_ptr<TestKeyboard> keyboard(new TestKeyboard(QStringLiteral("Vanishing Keyboard")));
    QVERIFY(keyboard->IsOpen());
    QProcessEnvironment environment = With("OVELUNE_MIDI_API", "jack");
    environment.insert("OVELUNE_START_SESSION", "1");
    Program program(environment);
    QVERIFY(program.Started());

    // Plays the asked note until the store shows it judged.
    auto answer = [&](int timeoutMs) {
        QElapsedTimer clock;
        clock.start();
        StoreSnapshot before = StoreSnapshot::Read(StoreFile());
        while (clock.elapsed() < timeoutMs && program.Running()) {
            const StoreSnapshot now = StoreSnapshot::Read(StoreFile());
            if (!before.present)
                before = now; // the program has just written its first session
            else if (now != before)
                return true;
            if (now.present && now.current < now.Count()) {
                keyboard->NoteOn(static_cast<int>(now.questions[static_cast<size_t>(now.current)]), 90);
                keyboard->NoteOff(static_cast<int>(now.questions[static_cast<size_t>(now.current)]));
            }
            QTest::qWait(100);
        }
        return false;
    };

    for (int i = 0; i < unplugs; ++i) {
        // Taken up: an answer from it is judged (plugged in again takes the detection's 1 s).
        QVERIFY2(answer(20000), program.Errors().constData());
        // Played and gone at once, while the program is judging or about to.
        QTest::qWait(750); // the next question is asked
        const StoreSnapshot asked = StoreSnapshot::Read(StoreFile());
        if (asked.present && asked.current < asked.Count())
            keyboard->NoteOn(static_cast<int>(asked.questions[static_cast<size_t>(asked.current)]), 90);
        keyboard.reset();
        QTRY_VERIFY2_WITH_TIMEOUT(LinesWith(program.Errors(), "has gone away") == i + 1,
                                  program.Errors().constData(), 15000);
        QVERIFY2(program.Running(), program.Errors().constData());
        keyboard.reset(new TestKeyboard(QStringLiteral("Vanishing Keyboard")));
        QVERIFY(keyboard->IsOpen());
    }
    QVERIFY2(answer(20000), program.Errors().constData());
    QVERIFY(program.Running());
    const QByteArray errors = program.Errors();
    QCOMPARE(LinesWith(errors, "has gone away"), unplugs);
    QCOMPARE(LinesWith(errors, "plug the MIDI keyboard in again"), unplugs);
    const QString broken = CheckConsistent(StoreSnapshot::Read(StoreFile()));
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

QTEST_GUILESS_MAIN(HostileEnvironmentTest)
#include "tst_hostile_environment.moc"
