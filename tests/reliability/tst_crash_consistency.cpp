// Crash consistency: the real program answers questions played on a MIDI keyboard on the
// test's JACK server (the asked notes are read off the store) and is killed (SIGKILL) at
// random moments, over and over. Every state of the store seen on the way and after each kill
// must be a session the program could have written that keeps every answer seen before, and a
// finished session must lead to the level its results earn.
// OVELUNE_CRASH_SEED repeats a run.
#include "support/test_keyboard.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <numeric>

namespace {

const unsigned int Bases[12] = {24, 26, 28, 29, 31, 33, 35, 25, 27, 30, 32, 34};
const int Kills = 40;

QString StoreFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune").fileName();
}

struct Snapshot
{
    int level = 0, current = 0, correct = 0, incorrect = 0;
    std::vector<unsigned int> stats, questions;

    int Count() const { return int(questions.size()); }
    bool Finished() const { return level > 0 && current == Count(); }
    bool Fresh() const { return current + correct + incorrect == 0; }
    bool operator==(const Snapshot& o) const { return Describe() == o.Describe() && stats == o.stats; }
    // Names the question being asked, too.
    QString Describe() const
    {
        QString text = QString("level %1, question %2, %3 right, %4 wrong:").arg(level).arg(current).arg(correct).arg(incorrect);
        for (unsigned int q : questions)
            text += ' ' + QString::number(q);
        return text;
    }
};

// The store as it is on disk now, read from a copy so that no cache stands in for the file.
Snapshot Read()
{
    QTemporaryDir dir;
    QFile::copy(StoreFile(), dir.filePath("copy.conf"));
    QSettings store(dir.filePath("copy.conf"), QSettings::IniFormat);
    store.beginGroup("GlobalSetting");
    Snapshot s{store.value("MaturityLevel").toInt(), store.value("CurrentQuestion").toInt(),
               store.value("CorrectStats").toInt(), store.value("InCorrectStats").toInt(), {}, {}};
    store.endGroup();
    const auto read = [&store](const char* array, const char* key, std::vector<unsigned int>& values) {
        const int size = std::min(store.beginReadArray(QString("StatsAndQuestions/") + array), 1000);
        for (int i = 0; i < size; ++i) {
            store.setArrayIndex(i);
            values.push_back(store.value(key).toUInt());
        }
        store.endArray();
    };
    read("stats", "stat", s.stats);
    read("questions", "question", s.questions);
    return s;
}

// Empty when `s` is a session the program could have written (no replays happen here).
QString Broken(const Snapshot& s)
{
    std::vector<unsigned int> trained, asked = s.questions;
    for (int i = 0; i < s.level && i < 12; ++i)
        for (unsigned int octave = 0; octave < 7; ++octave)
            trained.push_back(Bases[i] + 12 * octave);
    std::sort(trained.begin(), trained.end());
    std::sort(asked.begin(), asked.end());
    if (s.level < 1 || s.level > 12 || asked != trained || int(s.stats.size()) != s.level)
        return "not a session of the trained notes";
    if (std::accumulate(s.stats.begin(), s.stats.end(), 0) != s.correct || s.correct + s.incorrect != s.current
        || s.current > s.Count())
        return "the counts do not add up";
    return QString();
}

Snapshot WithAnswer(Snapshot s, bool right)
{
    if (right) {
        ++s.correct;
        for (int i = 0; i < 12; ++i)
            if (Bases[i] == 24 + s.questions.at(size_t(s.current)) % 12)
                ++s.stats.at(size_t(i));
    } else {
        ++s.incorrect;
    }
    ++s.current;
    return s;
}

int NextLevel(const Snapshot& s)
{
    if (s.correct >= 0.65 * s.Count())
        return std::min(s.level + 1, 12);
    const auto newest = s.stats.at(size_t(s.level - 1));
    const bool ahead = std::any_of(s.stats.begin(), s.stats.end() - 1, [&](unsigned int v) { return newest > v; });
    return ahead && s.level > 2 ? s.level - 1 : s.level;
}

// Empty when `next` may follow `prev` with nothing lost; `right` is how the asked note was played.
QString Lost(const Snapshot& prev, const Snapshot& next, bool right)
{
    if (next.level == prev.level && next.questions == prev.questions && !prev.Finished())
        return next == WithAnswer(prev, right) ? QString() : "the answer was not recorded as given";
    // A new list: only after a finished session (whose last answer may come in the same step).
    const Snapshot done = prev.Finished() || prev.current + 1 < prev.Count() ? prev : WithAnswer(prev, right);
    if (next.Fresh() && ((done.Finished() && next.level == NextLevel(done)) || (prev.Fresh() && next.level == prev.level)))
        return QString();
    return "answers were lost or the level changed without a finished session";
}

} // namespace

class CrashConsistencyTest : public QObject
{
    Q_OBJECT

private slots:
    void killedAtRandomMomentsLosesNothing()
    {
        TestKeyboard keyboard(QStringLiteral("Crash Keyboard"));
        QVERIFY(keyboard.IsOpen());
        QSettings(StoreFile(), QSettings::IniFormat).setValue("GlobalSetting/ShowHelpOnStartup", false);
        const quint32 seed = qEnvironmentVariableIsSet("OVELUNE_CRASH_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("OVELUNE_CRASH_SEED"))
                                 : QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        // Right or wrong per question, the same at every resend: levels rise, stay and fall, below 12.
        const auto choice = [seed](const Snapshot& s) {
            return qHash(s.Describe(), seed) % 10 < uint(s.level <= 2 ? 8 : s.level >= 5 ? 3 : 6);
        };
        Snapshot seen;
        int answers = 0, sessions = 0;
        const auto observe = [&](int run, const char* when) {
            const Snapshot now = Read();
            if (now.level == 0 || now == seen)
                return QString();
            QString why = Broken(now);
            if (why.isEmpty() && seen.level > 0)
                why = Lost(seen, now, seen.Finished() || choice(seen));
            if (!why.isEmpty())
                return QString("run %1 %2, seed %3: %4\n  before: %5\n  after:  %6")
                    .arg(run).arg(when).arg(seed).arg(why, seen.Describe(), now.Describe());
            answers += now.current > seen.current ? 1 : 0;
            sessions += seen.level > 0 && now.questions != seen.questions ? 1 : 0;
            seen = now;
            return QString();
        };

        for (int run = 0; run < Kills; ++run) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("OVELUNE_MIDI_API", "jack");
            environment.insert("OVELUNE_START_SESSION", "1");
            program.setProcessEnvironment(environment);
            program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            program.start(QStringLiteral(OVELUNE_BINARY), QStringList());
            QVERIFY(program.waitForStarted(10000));
            // A fifth of the kills land in start-up, while the store is read and repaired.
            const qint64 killAt = random.bounded(5) == 0 ? random.bounded(400) : 300 + random.bounded(3700);
            QElapsedTimer clock, sinceSend;
            clock.start();
            QString sentFor;
            while (clock.elapsed() < killAt) {
                QVERIFY2(program.state() == QProcess::Running, "the program ended by itself");
                const bool wasFinished = seen.Finished();
                const QString failure = observe(run, "while answering");
                QVERIFY2(failure.isEmpty(), qPrintable(failure));
                // Half the time a session's last answer is saved, kill before its analysis.
                if (!wasFinished && seen.Finished() && random.bounded(2) == 0)
                    break;
                if (seen.level > 0 && !seen.Finished() && (sentFor != seen.Describe() || sinceSend.elapsed() > 100)) {
                    const int note = int(seen.questions.at(size_t(seen.current))) + (choice(seen) ? 0 : 1);
                    keyboard.NoteOn(note, 90);
                    keyboard.NoteOff(note);
                    sentFor = seen.Describe();
                    sinceSend.start();
                }
                QTest::qWait(25);
            }
            program.kill();
            program.waitForFinished(10000);
            const QString failure = observe(run, "after the kill");
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
        qInfo("%d kills, %d answers seen, %d sessions ended", Kills, answers, sessions);
        QVERIFY2(answers >= Kills / 2 && sessions >= 2, "too little happened to prove anything");
    }
};

QTEST_GUILESS_MAIN(CrashConsistencyTest)
#include "tst_crash_consistency.moc"
