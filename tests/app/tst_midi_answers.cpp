// Answers played on a MIDI keyboard: a virtual port on the test's private JACK server stands
// for the instrument, present at start-up, unplugged and plugged in again.
#include "app_harness.h"

#include "support/test_keyboard.h"

namespace {

bool Names(const QStringList& line, const TestKeyboard& keyboard)
{
    const QString prefix = "Using the ", suffix = " keyboard device";
    return line.size() == 1 && line[0].startsWith(prefix) && line[0].endsWith(suffix)
           && keyboard.Names(line[0].mid(prefix.size(), line[0].size() - prefix.size() - suffix.size()));
}

// Plays until one more answer is judged: JACK drops a late cycle's MIDI on a loaded machine.
bool Answer(TestKeyboard& keyboard, const Recorder& rec, unsigned int note, int channel = 0)
{
    const int before = rec.Count("onAnswerRecieved");
    const std::vector<unsigned char> noteOn{static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(note), 90};
    return keyboard.SendUntil(noteOn, [&](unsigned long ms) {
        return QTest::qWaitFor([&] { return rec.Count("onAnswerRecieved") > before; }, int(ms));
    });
}

} // namespace

class TestMidiAnswers : public QObject
{
    Q_OBJECT

private slots:
    void keyboardComesAndGoes()
    {
        qputenv("OVELUNE_MIDI_API", "jack");
        ResetStore();
        std::unique_ptr<TestKeyboard> keyboard(new TestKeyboard);
        QVERIFY(keyboard->IsOpen());
        AppUnderTest t;
        QVERIFY2(Names(t.DeviceLine(), *keyboard), qPrintable(t.DeviceLine().join('|')));
        messenger->startNewSession(1);
        QVERIFY(Answer(*keyboard, *t.rec, t.Asked(), 3));
        QCOMPARE(t.rec->Last("onAnswerRecieved").args[0], QVariant(true));

        // Unplugged: the line says so, and the mouse still answers.
        keyboard.reset();
        QTRY_COMPARE_WITH_TIMEOUT(t.DeviceLine(), QStringList{"No MIDI found"}, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
        t.Click(int(t.Asked()) - 21);
        QCOMPARE(t.rec->Count("onAnswerRecieved"), 2);

        // Plugged in again: named again, and its notes answer again.
        keyboard.reset(new TestKeyboard);
        QVERIFY(keyboard->IsOpen());
        QTRY_VERIFY_WITH_TIMEOUT(Names(t.DeviceLine(), *keyboard), 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
        const unsigned int wrong = t.Asked() + 1;
        QVERIFY(Answer(*keyboard, *t.rec, wrong));
        QCOMPARE(t.rec->Last("onAnswerRecieved").args[0], QVariant(false));
        QCOMPARE(t.Lit(3), QVector<int>{int(wrong) - 21});
    }
};

QTEST_APPLESS_MAIN(TestMidiAnswers)
#include "tst_midi_answers.moc"
