// Whole training sessions through the bridge, answered on the on-screen keyboard.
#include "app_test_support.h"

#include "app/app_settings.h"
#include "app/qml_messenger.h"
#include "keyboard/keyboard.h"

#include <QQmlExpression>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include <thread>

namespace {

const char* const CurrentNote = "onCurrentNote";
const char* const Answer = "onAnswerRecieved";
const char* const LevelChanged = "onMaturityLevelChanged";
const char* const PerfectPitch = "onPerfectPitchAcquired";

QVariant RootProperty(Application* app, const char* name)
{
    return app->GetView().rootObject()->property(name);
}

// A wrong key of the same pitch class in another octave.
int OtherOctaveKey(unsigned int note)
{
    return static_cast<int>(note >= 36 ? note - 12 : note + 12) - 21;
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearStore();
        SkipHelpOnStartup();
    }

    void startsIdleAndClicksOnlySound();
    void levelOneSessionClickedToLevelTwo();
    void fourRightStaysAtLevelOne();
    void unansweredNoteAwaitsAnswer();
    void answersOutsideQuestionsAreIgnored();
    void replayDuringAnswerDisplayAsksAgain();
    void staleEndOfPlaybackKeepsNewerQuestion();
    void perfectPitchStartsNothing();
    void outOfRangeLevelsStartLevelOne();
    void progressContinuesInNextRun();
    void continueWithoutSessionStartsStoredLevel();
    void preferencesFromInterfaceAreStored();
    void quitFromInterfaceWhileAnswerShown();
};

void TestSession::startsIdleAndClicksOnlySound()
{
    AppUnderTest t;
    Application* app = t.app;
    QCOMPARE(app->GetState(), Application::Idle);
    QVERIFY(app->GetView().isVisible());
    QVERIFY(app->GetKeyboard());
    QCOMPARE(app->GetKeyboard()->objectName(), QString("Keyboard"));
    QCOMPARE(DeviceLine(app), QStringList{"No MIDI found"});
    QCOMPARE(app->GetView().resizeMode(), QQuickView::SizeRootObjectToView);
    // The interface fills the window.
    QQuickItem* root = app->GetView().rootObject();
    QTRY_COMPARE(QSizeF(root->width(), root->height()), QSizeF(app->GetView().size()));

    const unsigned int before = StoredValue(app, "GlobalSetting/CurrentQuestion");
    ClickKey(app, 39);
    QTest::qWait(100);
    QCOMPARE(app->GetState(), Application::Idle);
    QCOMPARE(t.recorder->calls.size(), 0);
    QCOMPARE(app->GetAppSettings()->correctCount + app->GetAppSettings()->incorrectCount, 0u);
    QCOMPARE(StoredValue(app, "GlobalSetting/CurrentQuestion"), before);
    QVERIFY(KeysWithHighlight(app, 1).isEmpty());
}

void TestSession::levelOneSessionClickedToLevelTwo()
{
    AppUnderTest t;
    Application* app = t.app;
    AppSettings* model = app->GetAppSettings();
    InterfaceRecorder& rec = *t.recorder;

    // The first question of the run plays at once.
    messenger->startNewSession(1);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QCOMPARE(rec.Count(CurrentNote), 1);
    QCOMPARE(rec.Last(CurrentNote).args[0].toUInt(), 0u); // C is index 0 of the level order
    QCOMPARE(RootProperty(app, "currentNote").toInt(), 0);
    QCOMPARE(model->questionCount, 7u);

    // 5 of 7 right: the first answer is right, the second is the right pitch class in the
    // wrong octave, the third a neighbouring key; the rest right.
    for (unsigned int i = 0; i < 7; ++i) {
        QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
        QCOMPARE(model->currentQuestion, i);
        const unsigned int asked = AskedNote(app);
        const int askedKey = static_cast<int>(asked) - 21;
        int clicked = askedKey;
        if (i == 1)
            clicked = OtherOctaveKey(asked);
        else if (i == 2)
            clicked = askedKey + 1;
        const bool right = clicked == askedKey;

        const int answersBefore = rec.Count(Answer);
        ClickKey(app, clicked);
        QCOMPARE(rec.Count(Answer), answersBefore + 1);
        const qint64 answeredAt = rec.Last(Answer).atMs;
        QCOMPARE(rec.Last(Answer).args[0].toBool(), right);
        QCOMPARE(rec.Last(Answer).args[1].toUInt(), i);
        QCOMPARE(app->GetState(), Application::ShowingAnswer);

        // The asked key green; a wrong choice red besides.
        QCOMPARE(KeysWithHighlight(app, 1), QVector<int>{askedKey});
        QCOMPARE(KeysWithHighlight(app, 3), right ? QVector<int>{} : QVector<int>{clicked});

        // Saved at once, one question ahead.
        QCOMPARE(StoredValue(app, "GlobalSetting/CurrentQuestion"), i + 1);
        QCOMPARE(StoredValue(app, "GlobalSetting/CorrectStats"), model->correctCount);
        QCOMPARE(StoredValue(app, "GlobalSetting/InCorrectStats"), model->incorrectCount);
        QCOMPARE(RootProperty(app, "sessionCorrecAnswers").toUInt(), model->correctCount);
        QCOMPARE(RootProperty(app, "sessionIncorrectAnswers").toUInt(), model->incorrectCount);

        if (i == 6)
            break;
        // The next note sounds 400 + 300 ms after the answer and clears the highlights.
        const int notesBefore = rec.Count(CurrentNote);
        QTRY_COMPARE_WITH_TIMEOUT(rec.Count(CurrentNote), notesBefore + 1, 5000);
        const qint64 delay = rec.Last(CurrentNote).atMs - answeredAt;
        // The 400 ms timer is a coarse one: it may fire up to 5 % early.
        QVERIFY2(delay >= 650 && delay < 3000, qPrintable(QString("next question after %1 ms").arg(delay)));
        qInfo("next question %lld ms after the answer", delay);
        QVERIFY(KeysWithHighlight(app, 1).isEmpty());
        QVERIFY(KeysWithHighlight(app, 3).isEmpty());
    }

    // The session is analysed 400 ms after the last answer: level 2. The window starts the
    // new session itself, so the first question of the level-2 list starts twice.
    QTRY_COMPARE_WITH_TIMEOUT(rec.Count(LevelChanged), 1, 5000);
    QCOMPARE(rec.Last(LevelChanged).args[0].toUInt(), 2u);
    QCOMPARE(model->maturityLevel, 2u);
    QCOMPARE(model->questionCount, 14u);
    QCOMPARE(RootProperty(app, "difficultyLevel").toInt(), 2);
    QCOMPARE(StoredValue(app, "GlobalSetting/MaturityLevel"), 2u);
    QCOMPARE(StoredValue(app, "GlobalSetting/CurrentQuestion"), 0u);
    const int notesBefore = rec.Count(CurrentNote);
    QTRY_COMPARE_WITH_TIMEOUT(rec.Count(CurrentNote), notesBefore + 2, 5000);
    const InterfaceRecorder::Call a = rec.calls[rec.calls.size() - 2];
    const InterfaceRecorder::Call b = rec.calls.last();
    QCOMPARE(a.function, QString(CurrentNote));
    QCOMPARE(b.args[0], a.args[0]);
    QCOMPARE(b.args[0].toUInt(), model->GetIndexForNote(model->questions[0]));
    QCOMPARE(model->currentQuestion, 0u);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QCOMPARE(rec.Count(PerfectPitch), 0);
}

void TestSession::fourRightStaysAtLevelOne()
{
    AppUnderTest t;
    Application* app = t.app;
    messenger->startNewSession(1);
    for (unsigned int i = 0; i < 7; ++i) {
        QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
        const int askedKey = static_cast<int>(AskedNote(app)) - 21;
        emit app->GetKeyboard()->keyPressed(i < 4 ? askedKey : askedKey + 2);
    }
    QTRY_COMPARE_WITH_TIMEOUT(t.recorder->Count(LevelChanged), 1, 5000);
    QCOMPARE(t.recorder->Last(LevelChanged).args[0].toUInt(), 1u);
    QCOMPARE(app->GetAppSettings()->maturityLevel, 1u);
    QCOMPARE(app->GetAppSettings()->correctCount, 0u);
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
}

void TestSession::unansweredNoteAwaitsAnswer()
{
    AppUnderTest t;
    Application* app = t.app;
    messenger->startNewSession(1);
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(4000);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::AwaitingAnswer, 10000);
    const qint64 took = clock.elapsed();
    QVERIFY2(took >= 4900 && took < 9000, qPrintable(QString("awaiting after %1 ms").arg(took)));
    qInfo("awaiting the answer %lld ms after the note started", took);

    // An answer is still taken after the note has ended.
    emit app->GetKeyboard()->keyPressed(static_cast<int>(AskedNote(app)) - 21);
    QCOMPARE(app->GetState(), Application::ShowingAnswer);
    QCOMPARE(t.recorder->Last(Answer).args[0].toBool(), true);
}

void TestSession::answersOutsideQuestionsAreIgnored()
{
    AppUnderTest t;
    Application* app = t.app;
    AppSettings* model = app->GetAppSettings();
    messenger->startNewSession(1);
    const unsigned int asked = AskedNote(app);
    const unsigned char note = static_cast<unsigned char>(asked);

    // Releases and silent note-ons are no answers; nor is anything without a key going down.
    app->processMidiEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOn, 0, note, 0), 0, 0.0));
    app->processMidiEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOff, 0, note, 64), 0, 0.0));
    app->processMidiEvent(Core::MidiEvent(Core::MidiMessage(Core::ControlChange, 0, 64, 127), 0, 0.0));
    QTest::qWait(50);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QCOMPARE(t.recorder->Count(Answer), 0);

    // Any channel counts.
    app->processMidiEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOn, 9, note, 80), 0, 0.0));
    QCOMPARE(t.recorder->Count(Answer), 1);
    QCOMPARE(model->correctCount, 1u);

    // While the answer is shown, clicks and MIDI notes change nothing.
    emit app->GetKeyboard()->keyPressed(0);
    app->processMidiEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOn, 0, 30, 80), 0, 0.0));
    app->ProvideMidiAnswer(30); // a second answer that was queued behind the first
    QCOMPARE(t.recorder->Count(Answer), 1);
    QCOMPARE(model->incorrectCount, 0u);
    QCOMPARE(app->GetState(), Application::ShowingAnswer);
    QCOMPARE(KeysWithHighlight(app, 1), QVector<int>{static_cast<int>(asked) - 21});
    QVERIFY(KeysWithHighlight(app, 3).isEmpty());

    // Bad key indexes from the item are dropped.
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
    emit app->GetKeyboard()->keyPressed(-1);
    emit app->GetKeyboard()->keyPressed(88);
    QCOMPARE(t.recorder->Count(Answer), 1);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
}

void TestSession::replayDuringAnswerDisplayAsksAgain()
{
    AppUnderTest t;
    Application* app = t.app;
    AppSettings* model = app->GetAppSettings();
    messenger->startNewSession(1);
    const unsigned int asked = AskedNote(app);
    emit app->GetKeyboard()->keyPressed(static_cast<int>(asked) - 21 + 1);
    QCOMPARE(app->GetState(), Application::ShowingAnswer);

    messenger->replayQuestion();
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QCOMPARE(t.recorder->Count(CurrentNote), 2);
    QVERIFY(KeysWithHighlight(app, 1).isEmpty());
    QTest::qWait(1000); // the cancelled move to the next question never comes
    QCOMPARE(model->currentQuestion, 0u);
    QCOMPARE(t.recorder->Count(CurrentNote), 2);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);

    // The same question is judged and recorded again.
    emit app->GetKeyboard()->keyPressed(static_cast<int>(asked) - 21);
    QCOMPARE(t.recorder->Last(Answer).args[0].toBool(), true);
    QCOMPARE(t.recorder->Last(Answer).args[1].toUInt(), 0u);
    QCOMPARE(model->correctCount, 1u);
    QCOMPARE(model->incorrectCount, 1u);
    QTRY_COMPARE_WITH_TIMEOUT(model->currentQuestion, 1u, 5000);
}

void TestSession::staleEndOfPlaybackKeepsNewerQuestion()
{
    AppUnderTest t;
    Application* app = t.app;
    messenger->startNewSession(1);
    // An end of playback that overtook this question (the old stream ended just as the
    // new one started) arrives from the timer thread.
    std::thread timerLike([app] { app->OnPlaybackComplete(); });
    timerLike.join();
    QTest::qWait(100);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
}

void TestSession::perfectPitchStartsNothing()
{
    AppUnderTest t;
    Application* app = t.app;
    AppSettings* model = app->GetAppSettings();
    messenger->startNewSession(12);
    QCOMPARE(model->questionCount, 84u);
    // Jump to the last question with 54 right so far: one more makes 55 of 84.
    model->currentQuestion = 83;
    model->correctCount = 54;
    model->incorrectCount = 29;
    messenger->replayQuestion();
    emit app->GetKeyboard()->keyPressed(static_cast<int>(AskedNote(app)) - 21);
    QTRY_COMPARE_WITH_TIMEOUT(t.recorder->Count(PerfectPitch), 1, 5000);
    QCOMPARE(t.recorder->Last(PerfectPitch).args[0].toUInt(), 12u);
    QCOMPARE(app->GetState(), Application::ShowingResults);
    const int notes = t.recorder->Count(CurrentNote);
    QTest::qWait(1500);
    QCOMPARE(t.recorder->Count(CurrentNote), notes);
    QCOMPARE(t.recorder->Count(LevelChanged), 0);
    QCOMPARE(app->GetState(), Application::ShowingResults);
    QCOMPARE(model->maturityLevel, 12u);
    QCOMPARE(model->currentQuestion, 0u);
    QCOMPARE(model->correctCount, 0u);

    // A replay asks the first question of the fresh list.
    messenger->replayQuestion();
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QCOMPARE(t.recorder->Last(CurrentNote).args[0].toUInt(), model->GetIndexForNote(model->questions[0]));
}

void TestSession::outOfRangeLevelsStartLevelOne()
{
    AppUnderTest t;
    for (uint level : {0u, 13u}) {
        messenger->startNewSession(5);
        messenger->startNewSession(level);
        QCOMPARE(t.app->GetAppSettings()->maturityLevel, 1u);
        QCOMPARE(t.app->GetAppSettings()->questionCount, 7u);
    }
    messenger->setMaturityLevel(-4);
    QCOMPARE(messenger->getMaturityLevel(), 1);
    messenger->setMaturityLevel(7);
    QCOMPARE(messenger->getMaturityLevel(), 7);
    QCOMPARE(StoredValue(t.app, "GlobalSetting/MaturityLevel"), 7u);
}

void TestSession::progressContinuesInNextRun()
{
    std::vector<unsigned int> questions;
    {
        AppUnderTest t;
        Application* app = t.app;
        messenger->startNewSession(3);
        questions = app->GetAppSettings()->questions;
        for (unsigned int i = 0; i < 3; ++i) {
            QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
            const int askedKey = static_cast<int>(AskedNote(app)) - 21;
            emit app->GetKeyboard()->keyPressed(i == 1 ? askedKey + 1 : askedKey);
        }
        QCOMPARE(t.recorder->Count(Answer), 3);
    } // closed while the last answer is shown

    AppUnderTest t;
    Application* app = t.app;
    QCOMPARE(messenger->property("correctCount").toInt(), 2);
    QCOMPARE(messenger->property("incorrectCount").toInt(), 1);
    QCOMPARE(messenger->property("maturityLevel").toInt(), 3);
    QCOMPARE(app->GetState(), Application::Idle);

    messenger->continueSession();
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QCOMPARE(app->GetAppSettings()->questions, questions);
    QCOMPARE(app->GetAppSettings()->currentQuestion, 3u);
    QCOMPARE(t.recorder->Last(CurrentNote).args[0].toUInt(), app->GetAppSettings()->GetIndexForNote(questions[3]));
    // The window shows the resumed score.
    QCOMPARE(RootProperty(app, "difficultyLevel").toInt(), 3);

    emit app->GetKeyboard()->keyPressed(static_cast<int>(questions[3]) - 21);
    QCOMPARE(t.recorder->Last(Answer).args[1].toUInt(), 3u);
    QCOMPARE(messenger->property("correctCount").toInt(), 3);
    QCOMPARE(StoredValue(app, "GlobalSetting/CurrentQuestion"), 4u);
}

void TestSession::continueWithoutSessionStartsStoredLevel()
{
    {
        QScopedPointer<QSettings> store(OpenStore());
        store->setValue("GlobalSetting/MaturityLevel", 4); // no questions stored
        store->sync();
    }
    AppUnderTest t;
    QCOMPARE(messenger->property("maturityLevel").toInt(), 4);
    messenger->continueSession();
    QCOMPARE(t.app->GetState(), Application::PlayingQuestion);
    QCOMPARE(t.app->GetAppSettings()->maturityLevel, 4u);
    QCOMPARE(t.app->GetAppSettings()->questionCount, 28u);
    QCOMPARE(t.app->GetAppSettings()->currentQuestion, 0u);
    QCOMPARE(messenger->property("correctCount").toInt(), 0);
}

void TestSession::preferencesFromInterfaceAreStored()
{
    {
        AppUnderTest t;
        QVERIFY(messenger->property("showColorMap").toBool());
        QVERIFY(!messenger->property("showHelpOnStart").toBool());
        QVERIFY(messenger->setProperty("showColorMap", false));
        QVERIFY(messenger->setProperty("showHelpOnStart", true));
        QCOMPARE(StoredValue(t.app, "GlobalSetting/ShowColorMap"), 0u);
        // Out-of-range cursor shapes from the interface are refused quietly.
        messenger->changeCursor(QVariant(int(Qt::PointingHandCursor)));
        QCOMPARE(t.app->GetView().cursor().shape(), Qt::PointingHandCursor);
        messenger->changeCursor(QVariant(5000));
        messenger->changeCursor(QVariant("hand"));
        QCOMPARE(t.app->GetView().cursor().shape(), Qt::PointingHandCursor);
    }
    AppUnderTest t;
    QVERIFY(!messenger->property("showColorMap").toBool());
    QVERIFY(messenger->property("showHelpOnStart").toBool());
}

void TestSession::quitFromInterfaceWhileAnswerShown()
{
    std::unique_ptr<AppUnderTest> t(new AppUnderTest);
    Application* app = t->app;
    messenger->startNewSession(1);
    emit app->GetKeyboard()->keyPressed(static_cast<int>(AskedNote(app)) - 21);
    QCOMPARE(app->GetState(), Application::ShowingAnswer);
    // The window's close button: Qt.quit() ends the event loop; the pending move to the
    // next question dies with the application.
    QTimer::singleShot(100, app->GetView().rootObject(), [app] {
        QQmlExpression quit(app->GetView().rootContext(), app->GetView().rootObject(), "Qt.quit()");
        quit.evaluate();
    });
    QCOMPARE(app->exec(), 0);
    QCOMPARE(app->GetState(), Application::ShowingAnswer);
    t.reset();

    AppUnderTest next;
    QCOMPARE(next.app->GetAppSettings()->currentQuestion, 1u);
    QCOMPARE(next.app->GetAppSettings()->correctCount, 1u);
}

QTEST_APPLESS_MAIN(TestSession)
#include "tst_session.moc"
