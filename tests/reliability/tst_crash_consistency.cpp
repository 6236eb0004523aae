// Crash consistency: the real program runs headless and answers come from a test MIDI
// keyboard on the test's JACK server, read off the store as the asked notes; the program is
// killed (SIGKILL) at random moments and started again, over and over. Every state of the
// store seen on the way, and after every kill, must be a consistent session that keeps
// every answer seen before; the level changes only after a finished session.
//
// OVELUNE_CRASH_SEED repeats a run; OVELUNE_CRASH_KILLS changes the number of kills.
#include "store_snapshot.h"

#include "support/test_keyboard.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

const int DefaultKills = 50;
const int RunTimeLimitMs = 170000;
const int PollMs = 25;
// An answer not judged within this long was dropped (a late JACK cycle, or the program was
// not yet taking answers): it is played again.
const int ResendAfterMs = 100;

QString StoreFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune").fileName();
}

struct Tally
{
    int kills = 0;
    int killsInStartUp = 0; // within 400 ms of the start
    int answers = 0;
    int rightAnswers = 0;
    int sessionsFinished = 0;
    int finishedSessionsKilled = 0; // killed with every question answered, before the analysis
    int levelChanges = 0;
    int highestLevel = 1;
    int answersInFlightAtKill = 0; // judged but first seen after the kill
};

} // namespace

class CrashConsistencyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        keyboard.reset(new TestKeyboard(QStringLiteral("Crash Keyboard")));
        QVERIFY(keyboard->IsOpen());
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune");
        store.clear();
        store.setValue("GlobalSetting/ShowHelpOnStartup", false);
        store.sync();
        seed = qEnvironmentVariableIsSet("OVELUNE_CRASH_SEED")
                   ? static_cast<quint32>(qEnvironmentVariableIntValue("OVELUNE_CRASH_SEED"))
                   : QRandomGenerator::global()->generate();
        random.seed(seed);
        qInfo("seed %u (OVELUNE_CRASH_SEED repeats this run)", seed);
    }

    void killedAtRandomMomentsLosesNothing();

private:
    std::unique_ptr<QProcess> Start(int run);
    // Answers questions until `killAtMs` after the start; false with a message on failure.
    bool AnswerUntil(QProcess& program, qint64 killAtMs, QString& failure);
    // Reads the store and checks it against the last state seen; false on a violation.
    bool Observe(QString& failure, const char* moment);
    int ChoiceFor(const StoreSnapshot& s);

    std::unique_ptr<TestKeyboard> keyboard;
    quint32 seed = 0;
    QRandomGenerator random;
    StoreSnapshot seen;
    // The note chosen for each question of each list, so every resend plays the same one.
    QHash<QString, bool> answerRight;
    Tally tally;
    QString stderrFile;
};

std::unique_ptr<QProcess> CrashConsistencyTest::Start(int run)
{
    std::unique_ptr<QProcess> program(new QProcess);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("OVELUNE_MIDI_API", "jack");
    environment.insert("OVELUNE_START_SESSION", "1");
    program->setProcessEnvironment(environment);
    stderrFile = QDir::temp().filePath(QStringLiteral("ovelune-crash-%1-%2.log").arg(QCoreApplication::applicationPid()).arg(run));
    program->setStandardOutputFile(QProcess::nullDevice());
    program->setStandardErrorFile(stderrFile);
    program->start(QStringLiteral(OVELUNE_BINARY), QStringList());
    return program;
}

int CrashConsistencyTest::ChoiceFor(const StoreSnapshot& s)
{
    QString key;
    for (unsigned int q : s.questions)
        key += QString::number(q) + ',';
    key += QString::number(s.current);
    if (!answerRight.contains(key)) {
        // Right often enough to climb and fail at times, so levels rise, stay and fall; kept
        // below level 12, where a passed session waits for the learner.
        const double rightShare = s.level <= 2 ? 0.8 : (s.level >= 5 ? 0.3 : 0.6);
        answerRight.insert(key, random.generateDouble() < rightShare);
    }
    return answerRight.value(key) ? 1 : 0;
}

bool CrashConsistencyTest::Observe(QString& failure, const char* moment)
{
    const StoreSnapshot now = StoreSnapshot::Read(StoreFile());
    if (!now.present && !seen.present)
        return true; // before the first start has written it
    if (now == seen)
        return true;
    const int expect = seen.present && !seen.Finished() ? ChoiceFor(seen) : -1;
    const QString broken = CheckTransition(seen, now, expect);
    if (!broken.isEmpty()) {
        failure = QStringLiteral("%1 (%2):\n  before: %3\n  after:  %4")
                      .arg(broken, QString::fromLatin1(moment), seen.Describe(), now.Describe());
        return false;
    }
    if (seen.present) {
        if (now.SameSession(seen) && now.current == seen.current + 1) {
            ++tally.answers;
            tally.rightAnswers += now.correct - seen.correct;
        } else if (!now.SameSession(seen) && !(seen.Fresh() && now.Fresh())) {
            if (!seen.Finished())
                ++tally.answers; // the last answer and the analysis in one step
            ++tally.sessionsFinished;
            if (now.level != seen.level)
                ++tally.levelChanges;
        }
    }
    tally.highestLevel = std::max(tally.highestLevel, now.level);
    seen = now;
    return true;
}

bool CrashConsistencyTest::AnswerUntil(QProcess& program, qint64 killAtMs, QString& failure)
{
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceSend;
    int sentFor = -1;
    StoreSnapshot sentIn;
    while (clock.elapsed() < killAtMs) {
        if (program.state() != QProcess::Running) {
            failure = QStringLiteral("the program ended by itself (%1 %2)")
                          .arg(program.exitStatus() == QProcess::CrashExit ? "signal" : "exit code")
                          .arg(program.exitCode());
            return false;
        }
        const bool wasFinished = seen.Finished();
        if (!Observe(failure, "while answering"))
            return false;
        // Half the time a session's last answer has just been saved, the kill comes before
        // the analysis that follows 400 ms later: the results must count all the same.
        if (!wasFinished && seen.Finished() && random.bounded(2) == 0)
            return true;
        if (seen.present && !seen.Finished()) {
            const bool newQuestion = sentFor != seen.current || !sentIn.SameSession(seen);
            if (newQuestion || sinceSend.elapsed() > ResendAfterMs) {
                const unsigned int asked = seen.questions.at(static_cast<size_t>(seen.current));
                const unsigned int note = ChoiceFor(seen) == 1 ? asked : asked + 1;
                keyboard->NoteOn(static_cast<int>(note), 90);
                keyboard->NoteOff(static_cast<int>(note));
                sentFor = seen.current;
                sentIn = seen;
                sinceSend.start();
            }
        }
        QTest::qWait(PollMs);
    }
    return true;
}

void CrashConsistencyTest::killedAtRandomMomentsLosesNothing()
{
    const int kills = qEnvironmentVariableIsSet("OVELUNE_CRASH_KILLS") ? qEnvironmentVariableIntValue("OVELUNE_CRASH_KILLS")
                                                                       : DefaultKills;
    QElapsedTimer total;
    total.start();
    QString failure;
    for (int run = 0; run < kills; ++run) {
        QVERIFY2(total.elapsed() < RunTimeLimitMs, qPrintable(QStringLiteral("only %1 kills in time").arg(run)));
        std::unique_ptr<QProcess> program = Start(run);
        QVERIFY2(program->waitForStarted(10000), qPrintable(program->errorString()));
        // A fifth of the kills land in start-up, while the store is read and repaired.
        const qint64 killAt = random.bounded(5) == 0 ? random.bounded(400) : 300 + random.bounded(3700);
        const bool ok = AnswerUntil(*program, killAt, failure);
        const bool finishedBeforeKill = seen.Finished();
        program->kill();
        program->waitForFinished(10000);
        ++tally.kills;
        if (killAt < 400)
            ++tally.killsInStartUp;
        if (!ok) {
            QFile log(stderrFile);
            log.open(QIODevice::ReadOnly);
            QFAIL(qPrintable(QStringLiteral("run %1, seed %2: %3\nprogram's standard error:\n%4")
                                 .arg(run)
                                 .arg(seed)
                                 .arg(failure, QString::fromLocal8Bit(log.readAll().right(3000)))));
        }
        const int answersBefore = tally.answers;
        QVERIFY2(Observe(failure, "after the kill"), qPrintable(QStringLiteral("run %1, seed %2: %3").arg(run).arg(seed).arg(failure)));
        tally.answersInFlightAtKill += tally.answers - answersBefore;
        if (seen.Finished() || finishedBeforeKill)
            ++tally.finishedSessionsKilled;
        QFile::remove(stderrFile);
    }
    // One last start shows that the final store loads, and nothing is lost on the way.
    std::unique_ptr<QProcess> program = Start(kills);
    QVERIFY(program->waitForStarted(10000));
    QVERIFY2(AnswerUntil(*program, 1500, failure), qPrintable(failure));
    program->kill();
    program->waitForFinished(10000);
    QFile::remove(stderrFile);

    qInfo("%d kills (%d in start-up) in %lld s; %d answers seen (%d right, %d judged just before a "
          "kill); %d sessions finished, %d killed between a session's last answer and its analysis; "
          "%d level changes, highest level %d",
          tally.kills, tally.killsInStartUp, static_cast<long long>(total.elapsed() / 1000), tally.answers,
          tally.rightAnswers, tally.answersInFlightAtKill, tally.sessionsFinished, tally.finishedSessionsKilled,
          tally.levelChanges, tally.highestLevel);
    QVERIFY2(tally.answers >= kills / 2, "too few answers reached the program to prove anything");
    QVERIFY(tally.sessionsFinished >= 2);
}

QTEST_GUILESS_MAIN(CrashConsistencyTest)
#include "tst_crash_consistency.moc"
