// Answers played on a MIDI keyboard: a virtual port on the test's private JACK server stands
// for the instrument, present at start-up, unplugged and plugged in again.
#include "app_harness.h"

#include "support/test_keyboard.h"

namespace {

const char* const Answered = "onAnswerRecieved";

// The row of the device list that names the keyboard, -1 when none does.
int Row(const QStringList& line, const TestKeyboard& keyboard)
{
    const QString prefix = "Using the ", suffix = " keyboard device";
    for (int row = 0; row < line.size(); ++row)
        if (line[row].startsWith(prefix) && line[row].endsWith(suffix)
            && keyboard.Names(line[row].mid(prefix.size(), line[row].size() - prefix.size() - suffix.size())))
            return row;
    return -1;
}

// Plays the note once; true when one more answer is judged.
bool Answer(TestKeyboard& keyboard, const Recorder& rec, unsigned int note, int channel = 0)
{
    const int before = rec.Count(Answered);
    const std::vector<unsigned char> noteOn{static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(note), 90};
    return keyboard.SendOnce(noteOn, [&](unsigned long ms) {
        return QTest::qWaitFor([&] { return rec.Count(Answered) > before; }, int(ms));
    });
}

} // namespace

class TestMidiAnswers : public QObject
{
    Q_OBJECT

private slots:
    // Two keyboards: the chosen one alone answers, at every start and whenever it comes
    // back; while it is away input 0 answers and its name stays stored; with none, the mouse.
    void chosenKeyboardAnswers()
    {
        qputenv("OVELUNE_MIDI_API", "jack");
        ResetStore();
        std::unique_ptr<TestKeyboard> first(new TestKeyboard("First")), second(new TestKeyboard("Second"));
        QVERIFY(first->IsOpen() && second->IsOpen());
        QString chosen;
        {
            AppUnderTest t;
            QCOMPARE(t.DeviceLine().size(), 2);
            QCOMPARE(t.Window("mdev", "currentIndex").toInt(), 0);
            messenger->selectInputDevice(Row(t.DeviceLine(), *second));
            QCOMPARE(t.Window("mdev", "currentIndex").toInt(), Row(t.DeviceLine(), *second));
            QTRY_VERIFY(OnDisk("GlobalSetting/InputDevice").toString().endsWith(":Second"));
            chosen = OnDisk("GlobalSetting/InputDevice").toString();
            messenger->startNewSession(1);
            first->Send({0x90, static_cast<unsigned char>(t.Asked() + 1), 90}); // not listened to
            QTest::qWait(300);
            QVERIFY(Answer(*second, *t.rec, t.Asked(), 3));
            QCOMPARE(t.rec->Count(Answered), 1);
            QCOMPARE(t.rec->Last(Answered).args[0], QVariant(true));
        }
        AppUnderTest t;
        QVERIFY(Row(t.DeviceLine(), *second) >= 0);
        QCOMPARE(t.Window("mdev", "currentIndex").toInt(), Row(t.DeviceLine(), *second));
        messenger->startNewSession(1);
        QVERIFY(Answer(*second, *t.rec, t.Asked()));

        second.reset();
        // An enumeration may catch the second still closing: wait for the set to settle.
        QTRY_VERIFY_WITH_TIMEOUT(t.DeviceLine().size() == 1 && Row(t.DeviceLine(), *first) == 0, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
        QVERIFY(Answer(*first, *t.rec, t.Asked()));
        QCOMPARE(OnDisk("GlobalSetting/InputDevice").toString(), chosen);

        second.reset(new TestKeyboard("Second"));
        QTRY_VERIFY_WITH_TIMEOUT(t.DeviceLine().size() == 2 && Row(t.DeviceLine(), *second) >= 0, 15000);
        QCOMPARE(t.Window("mdev", "currentIndex").toInt(), Row(t.DeviceLine(), *second));
        QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
        const unsigned int wrong = t.Asked() + 1;
        QVERIFY(Answer(*second, *t.rec, wrong));
        QCOMPARE(t.rec->Last(Answered).args[0], QVariant(false));
        QCOMPARE(t.Lit(3), QVector<int>{int(wrong) - 21});

        first.reset();
        second.reset();
        QTRY_COMPARE_WITH_TIMEOUT(t.DeviceLine(), QStringList{"No MIDI found"}, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
        const int answers = t.rec->Count(Answered);
        t.Click(int(t.Asked()) - 21);
        QCOMPARE(t.rec->Count(Answered), answers + 1);
    }
};

QTEST_APPLESS_MAIN(TestMidiAnswers)
#include "tst_midi_answers.moc"
