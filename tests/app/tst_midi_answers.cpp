// Answers played on a MIDI keyboard: a virtual port "Test Keyboard" on the test's private
// JACK server stands for the instrument.
#include "app_test_support.h"

#include "app/app_settings.h"
#include "app/qml_messenger.h"
#include "keyboard/keyboard.h"

#include <RtMidi.h>

#include <QtTest>

#include <memory>

namespace {

const char* const Answer = "onAnswerRecieved";

class TestKeyboard
{
public:
    TestKeyboard() : out(new RtMidiOut(RtMidi::UNIX_JACK, "Ovelune Test Player"))
    {
        out->openVirtualPort("Test Keyboard");
    }

    void Send(unsigned char status, unsigned char data1, unsigned char data2)
    {
        std::vector<unsigned char> message{status, data1, data2};
        out->sendMessage(&message);
    }
    void NoteOn(unsigned int note, unsigned char velocity = 90) { Send(0x90, static_cast<unsigned char>(note), velocity); }

private:
    std::unique_ptr<RtMidiOut> out;
};

bool NamesTestKeyboard(const QStringList& line)
{
    return line.size() == 1 && line[0].startsWith("Using the ") && line[0].contains("Test Keyboard") &&
           line[0].endsWith(" keyboard device");
}

} // namespace

class TestMidiAnswers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("OVELUNE_MIDI_API", "jack"); }
    void init()
    {
        ClearStore();
        SkipHelpOnStartup();
    }

    void keyboardPresentAtStartUp();
    void keyboardPluggedInAfterStartUp();
};

void TestMidiAnswers::keyboardPresentAtStartUp()
{
    TestKeyboard player;
    AppUnderTest t;
    Application* app = t.app;
    AppSettings* model = app->GetAppSettings();
    InterfaceRecorder& rec = *t.recorder;
    QVERIFY2(NamesTestKeyboard(DeviceLine(app)), qPrintable(DeviceLine(app).join('|')));

    // Before a session, notes from the keyboard are no answers.
    player.NoteOn(60);
    QTest::qWait(300);
    QCOMPARE(app->GetState(), Application::Idle);
    QCOMPARE(rec.Count(Answer), 0);

    messenger->startNewSession(1);
    unsigned int asked = AskedNote(app);
    // Releases and silent note-ons are no answers.
    player.Send(0x80, static_cast<unsigned char>(asked), 64);
    player.NoteOn(asked, 0);
    QTest::qWait(300);
    QCOMPARE(rec.Count(Answer), 0);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);

    // A right answer on another channel.
    player.Send(0x93, static_cast<unsigned char>(asked), 100);
    QTRY_COMPARE_WITH_TIMEOUT(rec.Count(Answer), 1, 3000);
    QCOMPARE(rec.Last(Answer).args[0].toBool(), true);
    QCOMPARE(app->GetState(), Application::ShowingAnswer);
    QCOMPARE(KeysWithHighlight(app, 1), QVector<int>{static_cast<int>(asked) - 21});
    QCOMPARE(StoredValue(app, "GlobalSetting/CurrentQuestion"), 1u);

    // Two notes in quick succession: the first is judged, the second dropped.
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
    asked = AskedNote(app);
    const unsigned int wrong = asked + 12;
    player.NoteOn(wrong);
    player.NoteOn(asked);
    QTRY_COMPARE_WITH_TIMEOUT(rec.Count(Answer), 2, 3000);
    QTest::qWait(200);
    QCOMPARE(rec.Count(Answer), 2);
    QCOMPARE(rec.Last(Answer).args[0].toBool(), false);
    QCOMPARE(model->correctCount, 1u);
    QCOMPARE(model->incorrectCount, 1u);
    QCOMPARE(KeysWithHighlight(app, 1), QVector<int>{static_cast<int>(asked) - 21});
    QCOMPARE(KeysWithHighlight(app, 3), QVector<int>{static_cast<int>(wrong) - 21});
}

void TestMidiAnswers::keyboardPluggedInAfterStartUp()
{
    AppUnderTest t;
    Application* app = t.app;
    InterfaceRecorder& rec = *t.recorder;
    QCOMPARE(DeviceLine(app), QStringList{"No MIDI found"});
    messenger->startNewSession(1);

    std::unique_ptr<TestKeyboard> player(new TestKeyboard);
    QTRY_VERIFY_WITH_TIMEOUT(NamesTestKeyboard(DeviceLine(app)), 15000);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    player->NoteOn(AskedNote(app));
    QTRY_COMPARE_WITH_TIMEOUT(rec.Count(Answer), 1, 3000);
    QCOMPARE(rec.Last(Answer).args[0].toBool(), true);

    // Unplugged: the line says so and the on-screen keyboard still answers.
    player.reset();
    QTRY_COMPARE_WITH_TIMEOUT(DeviceLine(app), QStringList{"No MIDI found"}, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
    emit app->GetKeyboard()->keyPressed(static_cast<int>(AskedNote(app)) - 21);
    QCOMPARE(rec.Count(Answer), 2);

    // Plugged back in: answers from it work again.
    player.reset(new TestKeyboard);
    QTRY_VERIFY_WITH_TIMEOUT(NamesTestKeyboard(DeviceLine(app)), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
    const unsigned int asked = AskedNote(app);
    player->NoteOn(asked + 1);
    QTRY_COMPARE_WITH_TIMEOUT(rec.Count(Answer), 3, 3000);
    QCOMPARE(rec.Last(Answer).args[0].toBool(), false);
    QCOMPARE(KeysWithHighlight(app, 3), QVector<int>{static_cast<int>(asked) + 1 - 21});
}

QTEST_APPLESS_MAIN(TestMidiAnswers)
#include "tst_midi_answers.moc"
