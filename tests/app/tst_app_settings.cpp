#include "app/app_settings.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <ctime>

Q_DECLARE_METATYPE(std::vector<unsigned int>)

namespace {

QSettings* OpenStore()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune");
}

void ClearStore()
{
    QScopedPointer<QSettings> store(OpenStore());
    store->clear();
    store->sync();
}

struct StoredSession
{
    int level = 3;
    int current = 0;
    int correct = 0;
    int incorrect = 0;
    std::vector<unsigned int> stats;
    std::vector<unsigned int> questions;
};

// The notes of the first `level` pitch classes of the level order in seven octaves,
// grouped by pitch class, octaves ascending.
std::vector<unsigned int> TrainedNotes(unsigned int level)
{
    static const unsigned int bases[12] = {24, 26, 28, 29, 31, 33, 35, 25, 27, 30, 32, 34};
    std::vector<unsigned int> notes;
    for (unsigned int i = 0; i < level; ++i)
        for (unsigned int octave = 0; octave < 7; ++octave)
            notes.push_back(bases[i] + 12 * octave);
    return notes;
}

void WriteStore(const StoredSession& s)
{
    QScopedPointer<QSettings> store(OpenStore());
    store->clear();
    store->beginGroup("GlobalSetting");
    store->setValue("CurrentQuestion", s.current);
    store->setValue("MaturityLevel", s.level);
    store->setValue("CorrectStats", s.correct);
    store->setValue("InCorrectStats", s.incorrect);
    store->endGroup();
    store->beginGroup("StatsAndQuestions");
    store->beginWriteArray("stats", static_cast<int>(s.stats.size()));
    for (size_t i = 0; i < s.stats.size(); ++i) {
        store->setArrayIndex(static_cast<int>(i));
        store->setValue("stat", s.stats[i]);
    }
    store->endArray();
    store->beginWriteArray("questions", static_cast<int>(s.questions.size()));
    for (size_t i = 0; i < s.questions.size(); ++i) {
        store->setArrayIndex(static_cast<int>(i));
        store->setValue("question", s.questions[i]);
    }
    store->endArray();
    store->endGroup();
    store->sync();
}

void SetRaw(const QString& key, const QVariant& value)
{
    QScopedPointer<QSettings> store(OpenStore());
    store->setValue(key, value);
    store->sync();
}

QVariant ReadRaw(AppSettings& model, const QString& key)
{
    model.settings->sync();
    QScopedPointer<QSettings> store(OpenStore());
    return store->value(key);
}

std::vector<unsigned int> StoredQuestions(AppSettings& model)
{
    model.settings->sync();
    QScopedPointer<QSettings> store(OpenStore());
    std::vector<unsigned int> result;
    const int size = store->beginReadArray("StatsAndQuestions/questions");
    for (int i = 0; i < size; ++i) {
        store->setArrayIndex(i);
        result.push_back(store->value("question").toUInt());
    }
    store->endArray();
    return result;
}

std::vector<unsigned int> Sorted(std::vector<unsigned int> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// The model's session must be a fresh one at `level`: the trained notes, each once.
void VerifyFreshSession(const AppSettings& model, unsigned int level)
{
    QCOMPARE(model.maturityLevel, level);
    QCOMPARE(model.questionCount, 7 * level);
    QCOMPARE(Sorted(model.questions), Sorted(TrainedNotes(level)));
    QCOMPARE(model.noteStats, std::vector<unsigned int>(level, 0));
    QCOMPARE(model.currentQuestion, 0u);
    QCOMPARE(model.correctCount, 0u);
    QCOMPARE(model.incorrectCount, 0u);
}

std::vector<unsigned int> ShuffledWith(std::vector<unsigned int> list)
{
    for (size_t k = 1; k < list.size(); ++k)
        std::swap(list[k], list[static_cast<size_t>(std::rand()) % (k + 1)]);
    return list;
}

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { ClearStore(); }

    // Must run first: it needs the first regeneration of the process.
    void seedsOncePerProcessAndShufflesWithRand();
    void firstRunWritesEveryKey();
    void questionListPerLevel_data();
    void questionListPerLevel();
    void outOfRangeLevelsBecomeOne();
    void noteIndexFollowsLevelOrder();
    void judgesExactNoteOnly();
    void storeKeepsNextQuestionAfterAnswer();
    void answerPastEndJudgedAgainstFirst();
    void passThresholdAtEveryLevel_data();
    void passThresholdAtEveryLevel();
    void perfectPitchAtLevelTwelve();
    void demotionRule_data();
    void demotionRule();
    void wholeLevelOneSessions();
    void consistentStoreLoadsUnchanged();
    void finishedStoredSessionIsAnalysed_data();
    void finishedStoredSessionIsAnalysed();
    void quitRightAfterLastAnswerKeepsResults();
    void inconsistentStoresAreRegenerated_data();
    void inconsistentStoresAreRegenerated();
    void absurdArraySizesAreNotRead();
    void preferencesAndCarriedValuesSurvive();
};

void TestAppSettings::seedsOncePerProcessAndShufflesWithRand()
{
    const time_t before = std::time(nullptr);
    AppSettings model; // empty store: the first list of this process
    const time_t after = std::time(nullptr);
    const std::vector<unsigned int> first = model.questions;
    model.SetMaturity(12);
    const std::vector<unsigned int> second = model.questions;

    bool reproduced = false;
    for (time_t seed = before; seed <= after && !reproduced; ++seed) {
        std::srand(static_cast<unsigned int>(seed));
        const std::vector<unsigned int> expectFirst = ShuffledWith(TrainedNotes(1));
        const std::vector<unsigned int> expectSecond = ShuffledWith(TrainedNotes(12));
        reproduced = expectFirst == first && expectSecond == second;
    }
    QVERIFY2(reproduced, "the lists are not the time-seeded rand() shuffle continued from one seed");
}

void TestAppSettings::firstRunWritesEveryKey()
{
    AppSettings model;
    VerifyFreshSession(model, 1);
    QVERIFY(model.showHelpOnStartup);
    QVERIFY(model.showColorMap);
    QVERIFY(model.inputDevice.isEmpty());
    QCOMPARE(int(model.midiInstrument), 0);

    model.settings->sync();
    QScopedPointer<QSettings> store(OpenStore());
    QStringList keys = store->allKeys();
    keys.sort();
    QStringList expected{"GlobalSetting/CorrectStats",     "GlobalSetting/CurrentQuestion",
                         "GlobalSetting/InCorrectStats",   "GlobalSetting/InputDevice",
                         "GlobalSetting/MaturityLevel",    "GlobalSetting/MidiInstrument",
                         "GlobalSetting/ShowColorMap",     "GlobalSetting/ShowHelpOnStartup",
                         "StatsAndQuestions/stats/size",   "StatsAndQuestions/stats/1/stat",
                         "StatsAndQuestions/questions/size"};
    for (int i = 1; i <= 7; ++i)
        expected << QString("StatsAndQuestions/questions/%1/question").arg(i);
    expected.sort();
    QCOMPARE(keys, expected);
    QCOMPARE(store->value("GlobalSetting/MaturityLevel").toInt(), 1);
    QCOMPARE(store->value("GlobalSetting/CurrentQuestion").toInt(), 0);
    QCOMPARE(store->value("GlobalSetting/ShowHelpOnStartup").toBool(), true);
    QCOMPARE(store->value("GlobalSetting/ShowColorMap").toBool(), true);
    QCOMPARE(store->value("StatsAndQuestions/stats/size").toInt(), 1);
    QCOMPARE(store->value("StatsAndQuestions/stats/1/stat").toInt(), 0);
    QCOMPARE(StoredQuestions(model), model.questions);
}

void TestAppSettings::questionListPerLevel_data()
{
    QTest::addColumn<unsigned int>("level");
    for (unsigned int level = 1; level <= 12; ++level)
        QTest::addRow("level %u", level) << level;
}

void TestAppSettings::questionListPerLevel()
{
    QFETCH(unsigned int, level);
    AppSettings model;
    model.SetMaturity(level);
    VerifyFreshSession(model, level);
    QCOMPARE(StoredQuestions(model), model.questions);
    QCOMPARE(ReadRaw(model, "GlobalSetting/MaturityLevel").toUInt(), level);
    if (level == 1)
        QCOMPARE(Sorted(model.questions), (std::vector<unsigned int>{24, 36, 48, 60, 72, 84, 96}));
    if (level == 12) {
        std::vector<unsigned int> all;
        for (unsigned int note = 24; note <= 107; ++note)
            all.push_back(note);
        QCOMPARE(Sorted(model.questions), all);
    }
}

void TestAppSettings::outOfRangeLevelsBecomeOne()
{
    AppSettings model;
    for (unsigned int level : {0u, 13u, 100u, 0xFFFFFFFFu}) {
        model.SetMaturity(5);
        model.SetMaturity(level);
        VerifyFreshSession(model, 1);
    }
}

void TestAppSettings::noteIndexFollowsLevelOrder()
{
    AppSettings model;
    const char* names[12] = {"C", "D", "E", "F", "G", "A", "B", "C#", "D#", "F#", "G#", "A#"};
    const int chromatic[12] = {0, 2, 4, 5, 7, 9, 11, 1, 3, 6, 8, 10};
    for (unsigned int index = 0; index < 12; ++index)
        for (unsigned int octave = 2; octave <= 8; ++octave) {
            const unsigned int note = 12 * octave + static_cast<unsigned int>(chromatic[index]);
            QVERIFY2(model.GetIndexForNote(note) == index, names[index]);
        }
}

void TestAppSettings::judgesExactNoteOnly()
{
    AppSettings model;
    model.SetMaturity(3);
    const unsigned int first = model.questions[0];
    unsigned int asked = 0;

    QVERIFY(model.ProcessAnswer(first, asked));
    QCOMPARE(asked, first);
    QCOMPARE(model.correctCount, 1u);
    QCOMPARE(model.incorrectCount, 0u);
    std::vector<unsigned int> stats(3, 0);
    stats[model.GetIndexForNote(first)] = 1;
    QCOMPARE(model.noteStats, stats);

    // The same pitch class an octave away is wrong, and so is a neighbour.
    const unsigned int octaveAway = first >= 36 ? first - 12 : first + 12;
    QVERIFY(!model.ProcessAnswer(octaveAway, asked));
    QCOMPARE(asked, first);
    QVERIFY(!model.ProcessAnswer(first + 1, asked));
    QCOMPARE(model.correctCount, 1u);
    QCOMPARE(model.incorrectCount, 2u);
    QCOMPARE(model.noteStats, stats);
    QCOMPARE(ReadRaw(model, "GlobalSetting/InCorrectStats").toUInt(), 2u);
    QCOMPARE(ReadRaw(model, "GlobalSetting/CorrectStats").toUInt(), 1u);
    QCOMPARE(ReadRaw(model, QString("StatsAndQuestions/stats/%1/stat").arg(model.GetIndexForNote(first) + 1)).toUInt(),
             1u);
}

void TestAppSettings::storeKeepsNextQuestionAfterAnswer()
{
    AppSettings model;
    model.SetMaturity(2);
    unsigned int asked = 0;
    for (unsigned int i = 0; i < 5; ++i) {
        model.currentQuestion = i;
        model.ProcessAnswer(model.questions[i], asked);
        QCOMPARE(asked, model.questions[i]);
        QCOMPARE(model.currentQuestion, i);
        QCOMPARE(ReadRaw(model, "GlobalSetting/CurrentQuestion").toUInt(), i + 1);
    }
    // A fresh model picks up the session where it stopped.
    AppSettings reloaded;
    QCOMPARE(reloaded.currentQuestion, 5u);
    QCOMPARE(reloaded.questions, model.questions);
    QCOMPARE(reloaded.correctCount, 5u);
    QCOMPARE(reloaded.noteStats, model.noteStats);
}

void TestAppSettings::answerPastEndJudgedAgainstFirst()
{
    AppSettings model;
    model.currentQuestion = 7;
    unsigned int asked = 0;
    QVERIFY(model.ProcessAnswer(model.questions[0], asked));
    QCOMPARE(asked, model.questions[0]);
    QCOMPARE(model.currentQuestion, 7u);
}

void TestAppSettings::passThresholdAtEveryLevel_data()
{
    QTest::addColumn<unsigned int>("level");
    QTest::addColumn<unsigned int>("needed");
    const unsigned int needed[12] = {5, 10, 14, 19, 23, 28, 32, 37, 41, 46, 51, 55};
    for (unsigned int level = 1; level <= 12; ++level)
        QTest::addRow("level %u", level) << level << needed[level - 1];
}

void TestAppSettings::passThresholdAtEveryLevel()
{
    QFETCH(unsigned int, level);
    QFETCH(unsigned int, needed);
    AppSettings model;

    model.SetMaturity(level);
    model.correctCount = needed;
    model.incorrectCount = 7 * level - needed;
    const bool perfect = model.AnalyzeStatsAndApplyMaturity();
    QCOMPARE(perfect, level == 12);
    VerifyFreshSession(model, level == 12 ? 12 : level + 1);

    // One answer fewer fails; with equal statistics the level stays.
    model.SetMaturity(level);
    model.correctCount = needed - 1;
    model.incorrectCount = 7 * level - needed + 1;
    QVERIFY(!model.AnalyzeStatsAndApplyMaturity());
    VerifyFreshSession(model, level);
    QCOMPARE(ReadRaw(model, "GlobalSetting/MaturityLevel").toUInt(), level);
}

void TestAppSettings::perfectPitchAtLevelTwelve()
{
    AppSettings model;
    model.SetMaturity(12);
    const std::vector<unsigned int> played = model.questions;
    model.correctCount = 84;
    QVERIFY(model.AnalyzeStatsAndApplyMaturity());
    VerifyFreshSession(model, 12);
}

void TestAppSettings::demotionRule_data()
{
    QTest::addColumn<unsigned int>("level");
    QTest::addColumn<std::vector<unsigned int>>("stats");
    QTest::addColumn<unsigned int>("next");
    QTest::newRow("E ahead of C and D at 3") << 3u << std::vector<unsigned int>{1, 1, 4} << 2u;
    QTest::newRow("newest ahead of one older note") << 5u << std::vector<unsigned int>{3, 0, 3, 3, 1} << 4u;
    QTest::newRow("newest level with the rest") << 4u << std::vector<unsigned int>{2, 2, 2, 2} << 4u;
    QTest::newRow("newest behind") << 6u << std::vector<unsigned int>{3, 3, 3, 3, 3, 0} << 6u;
    QTest::newRow("level 2 never lowered") << 2u << std::vector<unsigned int>{0, 6} << 2u;
    QTest::newRow("level 1 stays") << 1u << std::vector<unsigned int>{4} << 1u;
    QTest::newRow("level 12 lowered") << 12u << std::vector<unsigned int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7} << 11u;
}

void TestAppSettings::demotionRule()
{
    QFETCH(unsigned int, level);
    QFETCH(std::vector<unsigned int>, stats);
    QFETCH(unsigned int, next);
    AppSettings model;
    model.SetMaturity(level);
    model.noteStats = stats;
    unsigned int right = 0;
    for (unsigned int s : stats)
        right += s;
    model.correctCount = right;
    model.incorrectCount = 7 * level - right;
    QVERIFY(!model.AnalyzeStatsAndApplyMaturity());
    VerifyFreshSession(model, next);
}

void TestAppSettings::wholeLevelOneSessions()
{
    for (unsigned int right : {5u, 4u}) {
        AppSettings model;
        model.SetMaturity(1);
        unsigned int asked = 0;
        for (unsigned int i = 0; i < 7; ++i) {
            model.currentQuestion = i;
            const unsigned int answer = i < right ? model.questions[i] : model.questions[i] + 1;
            QCOMPARE(model.ProcessAnswer(answer, asked), i < right);
        }
        QCOMPARE(model.correctCount, right);
        QCOMPARE(model.noteStats, std::vector<unsigned int>{right});
        QVERIFY(!model.AnalyzeStatsAndApplyMaturity());
        VerifyFreshSession(model, right == 5 ? 2 : 1);
    }
}

void TestAppSettings::consistentStoreLoadsUnchanged()
{
    StoredSession s;
    s.level = 3;
    s.current = 20;
    s.correct = 12;
    s.incorrect = 8;
    s.stats = {5, 4, 3};
    s.questions = TrainedNotes(3);
    std::reverse(s.questions.begin(), s.questions.end());
    WriteStore(s);

    AppSettings model;
    QCOMPARE(model.maturityLevel, 3u);
    QCOMPARE(model.currentQuestion, 20u);
    QCOMPARE(model.questionCount, 21u);
    QCOMPARE(model.questions, s.questions);
    QCOMPARE(model.noteStats, s.stats);
    QCOMPARE(model.correctCount, 12u);
    QCOMPARE(model.incorrectCount, 8u);
    QVERIFY(model.HasQuestionsLeft());
}

void TestAppSettings::finishedStoredSessionIsAnalysed_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("incorrect");
    QTest::addColumn<std::vector<unsigned int>>("stats");
    QTest::addColumn<unsigned int>("expectedLevel");

    QTest::newRow("passed level 1") << 1 << 5 << 2 << std::vector<unsigned int>{5} << 2u;
    QTest::newRow("failed level 1") << 1 << 4 << 3 << std::vector<unsigned int>{4} << 1u;
    QTest::newRow("failed level 3, E ahead") << 3 << 6 << 15 << std::vector<unsigned int>{1, 1, 4} << 2u;
    QTest::newRow("failed level 3, E behind") << 3 << 6 << 15 << std::vector<unsigned int>{3, 3, 0} << 3u;
    // A replay during the answer display records a question twice.
    QTest::newRow("one answer recorded twice") << 1 << 5 << 3 << std::vector<unsigned int>{5} << 2u;
    // Level 12 passed is perfect pitch: the level stays and a fresh round begins.
    QTest::newRow("passed level 12") << 12 << 55 << 29
                                     << std::vector<unsigned int>{5, 5, 5, 5, 5, 5, 5, 4, 4, 4, 4, 4} << 12u;
    QTest::newRow("failed level 12, A# ahead")
        << 12 << 10 << 74 << std::vector<unsigned int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10} << 11u;
}

// The program stopped after a session's last answer but before its analysis: the stored
// current question equals the question count. The session's results must count.
void TestAppSettings::finishedStoredSessionIsAnalysed()
{
    QFETCH(int, level);
    QFETCH(int, correct);
    QFETCH(int, incorrect);
    QFETCH(std::vector<unsigned int>, stats);
    QFETCH(unsigned int, expectedLevel);
    StoredSession s;
    s.level = level;
    s.current = 7 * level;
    s.correct = correct;
    s.incorrect = incorrect;
    s.stats = stats;
    s.questions = TrainedNotes(static_cast<unsigned int>(level));
    WriteStore(s);

    AppSettings model;
    VerifyFreshSession(model, expectedLevel);
    QCOMPARE(ReadRaw(model, "GlobalSetting/MaturityLevel").toUInt(), expectedLevel);
    QCOMPARE(ReadRaw(model, "GlobalSetting/CurrentQuestion").toUInt(), 0u);
    QCOMPARE(StoredQuestions(model), model.questions);
}

void TestAppSettings::quitRightAfterLastAnswerKeepsResults()
{
    std::vector<unsigned int> played;
    {
        AppSettings model;
        model.SetMaturity(1);
        played = model.questions;
        unsigned int asked = 0;
        for (unsigned int i = 0; i < 7; ++i) {
            model.currentQuestion = i;
            model.ProcessAnswer(i < 6 ? model.questions[i] : model.questions[i] + 12, asked);
        }
        // Quit within the answer display: the state machine never advanced past the last.
    }
    AppSettings reloaded;
    VerifyFreshSession(reloaded, 2);
    QCOMPARE(ReadRaw(reloaded, "GlobalSetting/MaturityLevel").toUInt(), 2u);
    // And the results are not counted twice: the next run keeps the fresh level-2 list.
    const std::vector<unsigned int> fresh = reloaded.questions;
    AppSettings again;
    QCOMPARE(again.maturityLevel, 2u);
    QCOMPARE(again.questions, fresh);
}

void TestAppSettings::inconsistentStoresAreRegenerated_data()
{
    QTest::addColumn<QVariant>("level");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("correct");
    QTest::addColumn<std::vector<unsigned int>>("stats");
    QTest::addColumn<std::vector<unsigned int>>("questions");
    QTest::addColumn<unsigned int>("expectedLevel");

    const std::vector<unsigned int> three = TrainedNotes(3);
    const std::vector<unsigned int> stats3{1, 2, 3};
    QTest::newRow("at the end without answers") << QVariant(3) << 21 << 0 << stats3 << three << 3u;
    QTest::newRow("finished, statistics not adding up") << QVariant(1) << 7 << 7 << std::vector<unsigned int>{3}
                                                        << TrainedNotes(1) << 1u;
    QTest::newRow("past the end") << QVariant(3) << 22 << 21 << std::vector<unsigned int>{7, 7, 7} << three << 3u;
    QTest::newRow("negative current question") << QVariant(3) << -1 << 0 << stats3 << three << 3u;
    QTest::newRow("14 questions at level 3") << QVariant(3) << 0 << 0 << stats3 << TrainedNotes(2) << 3u;
    QTest::newRow("stats shorter than level") << QVariant(3) << 0 << 0 << std::vector<unsigned int>{1, 2} << three
                                              << 3u;
    QTest::newRow("stats longer than level") << QVariant(3) << 0 << 0 << std::vector<unsigned int>{1, 2, 3, 4}
                                             << three << 3u;
    std::vector<unsigned int> foreign = three;
    foreign[5] = 29; // F is not trained at level 3
    QTest::newRow("untrained pitch class") << QVariant(3) << 0 << 0 << stats3 << foreign << 3u;
    std::vector<unsigned int> twice = three;
    twice[1] = twice[0];
    QTest::newRow("note asked twice") << QVariant(3) << 0 << 0 << stats3 << twice << 3u;
    std::vector<unsigned int> outside = three;
    outside[0] = 500;
    QTest::newRow("note out of range") << QVariant(3) << 0 << 0 << stats3 << outside << 3u;
    QTest::newRow("negative count") << QVariant(3) << 0 << -4 << stats3 << three << 3u;

    std::vector<unsigned int> thirteen = TrainedNotes(12);
    for (int i = 0; i < 7; ++i)
        thirteen.push_back(24);
    QTest::newRow("level 13 with 91 questions") << QVariant(13) << 0 << 0 << std::vector<unsigned int>(13, 0)
                                                << thirteen << 1u;
    QTest::newRow("level 0") << QVariant(0) << 0 << 0 << std::vector<unsigned int>{} << std::vector<unsigned int>{}
                             << 1u;
    QTest::newRow("negative level") << QVariant(-2) << 0 << 0 << std::vector<unsigned int>{}
                                    << std::vector<unsigned int>{} << 1u;
    QTest::newRow("level not a number") << QVariant("three") << 0 << 0 << stats3 << three << 1u;
}

void TestAppSettings::inconsistentStoresAreRegenerated()
{
    QFETCH(QVariant, level);
    QFETCH(int, current);
    QFETCH(int, correct);
    QFETCH(std::vector<unsigned int>, stats);
    QFETCH(std::vector<unsigned int>, questions);
    QFETCH(unsigned int, expectedLevel);

    StoredSession s;
    s.current = current;
    s.correct = correct;
    s.stats = stats;
    s.questions = questions;
    WriteStore(s);
    SetRaw("GlobalSetting/MaturityLevel", level);

    AppSettings model;
    VerifyFreshSession(model, expectedLevel);
    // The repaired session is saved at once.
    QCOMPARE(StoredQuestions(model), model.questions);
    QCOMPARE(ReadRaw(model, "GlobalSetting/MaturityLevel").toUInt(), expectedLevel);
    QCOMPARE(ReadRaw(model, "StatsAndQuestions/stats/size").toUInt(), expectedLevel);
}

void TestAppSettings::absurdArraySizesAreNotRead()
{
    StoredSession s;
    s.level = 2;
    s.stats = {0, 0};
    s.questions = TrainedNotes(2);
    for (const char* key : {"StatsAndQuestions/questions/size", "StatsAndQuestions/stats/size"}) {
        WriteStore(s);
        SetRaw(key, 400000000);
        QElapsedTimer clock;
        clock.start();
        AppSettings model;
        QVERIFY2(clock.elapsed() < 5000, key);
        VerifyFreshSession(model, 2);
    }
}

void TestAppSettings::preferencesAndCarriedValuesSurvive()
{
    SetRaw("GlobalSetting/InputDevice", "Studio Keys");
    SetRaw("GlobalSetting/MidiInstrument", -5);
    {
        AppSettings model;
        QCOMPARE(model.inputDevice, QString("Studio Keys"));
        QCOMPARE(int(model.midiInstrument), -5);
        model.showColorMap = false;
        model.showHelpOnStartup = false;
        model.SaveState();
    }
    AppSettings reloaded;
    QVERIFY(!reloaded.showColorMap);
    QVERIFY(!reloaded.showHelpOnStartup);
    QCOMPARE(reloaded.inputDevice, QString("Studio Keys"));
    QCOMPARE(int(reloaded.midiInstrument), -5);
    QCOMPARE(ReadRaw(reloaded, "GlobalSetting/MidiInstrument").toInt(), -5);
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_app_settings.moc"
