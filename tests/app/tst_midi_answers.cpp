// Answers played on a MIDI keyboard: a virtual port "Test Keyboard" on the test's private
// JACK server stands for the instrument.
#include "app_test_support.h"

#include "app/app_settings.h"
#include "app/qml_messenger.h"
#include "keyboard/keyboard.h"

#include "support/test_keyboard.h"

#include <QtTest>

#include <jack/jack.h>

#include <atomic>
#include <cstring>
#include <memory>

namespace {

const char* const Answer = "onAnswerRecieved";

bool NamesTestKeyboard(const QStringList& line, const TestKeyboard& player)
{
    const QString prefix = "Using the ", suffix = " keyboard device";
    return line.size() == 1 && line[0].startsWith(prefix) && line[0].endsWith(suffix) &&
           player.Names(line[0].mid(prefix.size(), line[0].size() - prefix.size() - suffix.size()));
}

std::vector<unsigned char> NoteOnBytes(unsigned int note, int channel = 0)
{
    return {static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(note), 90};
}

// Plays the messages until the application has judged one more answer: JACK may drop the
// MIDI of a late cycle on a loaded machine.
bool PlayAnswer(TestKeyboard& player, const InterfaceRecorder& rec, const std::vector<unsigned char>& bytes)
{
    const int before = rec.Count(Answer);
    return player.SendUntil(bytes, [&](unsigned long ms) {
        return QTest::qWaitFor([&] { return rec.Count(Answer) > before; }, static_cast<int>(ms));
    }, 5);
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
    void keyboardPluggedInWhileADetectionGivesUp();
};

void TestMidiAnswers::keyboardPresentAtStartUp()
{
    std::unique_ptr<TestKeyboard> player(new TestKeyboard);
    QVERIFY(player->IsOpen());
    AppUnderTest t;
    Application* app = t.app;
    AppSettings* model = app->GetAppSettings();
    InterfaceRecorder& rec = *t.recorder;
    QVERIFY2(NamesTestKeyboard(DeviceLine(app), *player), qPrintable(DeviceLine(app).join('|')));

    // Before a session, notes from the keyboard are no answers.
    player->NoteOn(60, 90);
    QTest::qWait(300);
    QCOMPARE(app->GetState(), Application::Idle);
    QCOMPARE(rec.Count(Answer), 0);

    messenger->startNewSession(1);
    unsigned int asked = AskedNote(app);
    // Releases and silent note-ons are no answers.
    player->NoteOff(static_cast<int>(asked), 64);
    player->NoteOn(static_cast<int>(asked), 0);
    QTest::qWait(300);
    QCOMPARE(rec.Count(Answer), 0);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);

    // A right answer on another channel.
    QVERIFY(PlayAnswer(*player, rec, NoteOnBytes(asked, 3)));
    QCOMPARE(rec.Count(Answer), 1);
    QCOMPARE(rec.Last(Answer).args[0].toBool(), true);
    QCOMPARE(app->GetState(), Application::ShowingAnswer);
    QCOMPARE(KeysWithHighlight(app, 1), QVector<int>{static_cast<int>(asked) - 21});
    QCOMPARE(StoredValue(app, "GlobalSetting/CurrentQuestion"), 1u);

    // Two notes in quick succession: the first is judged, the second dropped.
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
    asked = AskedNote(app);
    const unsigned int wrong = asked + 12;
    bool arrived = false;
    for (int attempt = 0; attempt < 5 && !arrived; ++attempt) {
        player->Send(NoteOnBytes(wrong));
        player->Send(NoteOnBytes(asked));
        arrived = QTest::qWaitFor([&] { return rec.Count(Answer) == 2; }, 1000);
    }
    QVERIFY(arrived);
    QTest::qWait(300);
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
    QVERIFY(player->IsOpen());
    QTRY_VERIFY_WITH_TIMEOUT(NamesTestKeyboard(DeviceLine(app), *player), 15000);
    QCOMPARE(app->GetState(), Application::PlayingQuestion);
    QVERIFY(PlayAnswer(*player, rec, NoteOnBytes(AskedNote(app))));
    QCOMPARE(rec.Count(Answer), 1);
    QCOMPARE(rec.Last(Answer).args[0].toBool(), true);

    // Unplugged: the line says so and the on-screen keyboard still answers.
    player.reset();
    QTRY_COMPARE_WITH_TIMEOUT(DeviceLine(app), QStringList{"No MIDI found"}, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
    emit app->GetKeyboard()->keyPressed(static_cast<int>(AskedNote(app)) - 21);
    QCOMPARE(rec.Count(Answer), 2);

    // Plugged back in: answers from it work again.
    player.reset(new TestKeyboard);
    QVERIFY(player->IsOpen());
    QTRY_VERIFY_WITH_TIMEOUT(NamesTestKeyboard(DeviceLine(app), *player), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
    const unsigned int asked = AskedNote(app);
    QVERIFY(PlayAnswer(*player, rec, NoteOnBytes(asked + 1)));
    QCOMPARE(rec.Count(Answer), 3);
    QCOMPARE(rec.Last(Answer).args[0].toBool(), false);
    QCOMPARE(KeysWithHighlight(app, 3), QVector<int>{static_cast<int>(asked) + 1 - 21});
}

// Counts the JACK clients the application opens to list the ports: one per look of a
// device detection once nothing else is happening.
class ListingCounter
{
public:
    ListingCounter() : client(jack_client_open("Listing Counter", JackNoStartServer, nullptr))
    {
        if (client) {
            jack_set_client_registration_callback(client, OnClient, this);
            jack_activate(client);
        }
    }
    ~ListingCounter()
    {
        if (client)
            jack_client_close(client);
    }
    bool IsOpen() const { return client != nullptr; }
    int Count() const { return listings.load(); }

private:
    // JACK's notification thread.
    static void OnClient(const char* name, int registered, void* arg)
    {
        if (registered && name && std::strncmp(name, "RtMidi Input Client", 19) == 0)
            ++static_cast<ListingCounter*>(arg)->listings;
    }

    jack_client_t* client;
    std::atomic<int> listings{0};
};

// A loose cable: the keyboard comes and goes at once, so the detection that follows finds
// nothing and looks once a second, nine times; the keyboard comes back after its last look,
// before it gives up.
void TestMidiAnswers::keyboardPluggedInWhileADetectionGivesUp()
{
    AppUnderTest t;
    Application* app = t.app;
    QCOMPARE(DeviceLine(app), QStringList{"No MIDI found"});
    ListingCounter listings;
    QVERIFY(listings.IsOpen());

    std::unique_ptr<TestKeyboard> player(new TestKeyboard);
    QVERIFY(player->IsOpen());
    QTest::qWait(200);
    player.reset();
    QTest::qWait(600); // the set-up checks are over; the first look comes 1 s after the plug
    const int before = listings.Count();
    QTRY_VERIFY_WITH_TIMEOUT(listings.Count() - before >= 9, 30000);
    player.reset(new TestKeyboard);
    QVERIFY(player->IsOpen());
    QTRY_VERIFY_WITH_TIMEOUT(NamesTestKeyboard(DeviceLine(app), *player), 8000);
}

QTEST_APPLESS_MAIN(TestMidiAnswers)
#include "tst_midi_answers.moc"
