// What the learner hears: the built-in synthesizer is rendered offline while a session
// runs, and the pitch heard must be the note asked (or the key clicked).
#include "app_test_support.h"

#include "app/app_settings.h"
#include "app/qml_messenger.h"
#include "core/midi/midi_out_mac_device.h"
#include "keyboard/keyboard.h"
#include "support/audio_measure.h"
#include "support/pitch_detector.h"

#include <QtTest>

#include <cmath>

namespace {

struct Heard
{
    double note = -1.0; // fractional MIDI note; -1 when nothing periodic is heard
    double peakDbfs = -1000.0;
};

// Renders 0.6 s of what the synthesizer plays now and measures it past the attack.
Heard Listen(Core::MidiOutMacDevice& synth)
{
    const double rate = synth.SampleRate();
    const auto frames = static_cast<unsigned int>(0.6 * rate);
    std::vector<float> left(frames), right(frames);
    Heard heard;
    if (!synth.Render(left.data(), right.data(), frames))
        return heard;
    heard.peakDbfs = std::max(AudioMeasure::PeakDbfs(left), AudioMeasure::PeakDbfs(right));
    const auto skip = static_cast<std::size_t>(0.15 * rate);
    const PitchDetector detector(rate);
    const double hz = detector.Detect(left.data() + skip, left.size() - skip);
    if (hz > 0.0)
        heard.note = PitchDetector::ToMidiNote(hz);
    return heard;
}

QString Describe(const Heard& heard, unsigned int expected)
{
    return QString("expected note %1, heard %2 at %3 dBFS").arg(expected).arg(heard.note).arg(heard.peakDbfs);
}

} // namespace

class TestPlayedNotes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qgetenv("OVELUNE_AUDIO_DRIVER"), QByteArray("none")); }
    void init()
    {
        ClearStore();
        SkipHelpOnStartup();
    }

    void questionsAndKeyEchoesSoundAsTheirNotes();
};

void TestPlayedNotes::questionsAndKeyEchoesSoundAsTheirNotes()
{
    AppUnderTest t;
    Application* app = t.app;
    auto synth = boost::dynamic_pointer_cast<Core::MidiOutMacDevice>(app->GetOutputDevice());
    QVERIFY(synth);
    QCOMPARE(synth->GetName(), QString("Apple DLS"));
    QVERIFY(synth->IsAudible());

    // Before a session a click sounds the key.
    emit app->GetKeyboard()->keyPressed(60 - 21);
    QTest::qWait(60); // the player sends on its next tick
    Heard heard = Listen(*synth);
    QVERIFY2(std::lround(heard.note) == 60, qPrintable(Describe(heard, 60)));

    messenger->startNewSession(4);
    for (int i = 0; i < 6; ++i) {
        QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::PlayingQuestion, 5000);
        const unsigned int asked = AskedNote(app);
        QTest::qWait(60);
        heard = Listen(*synth);
        QVERIFY2(std::lround(heard.note) == static_cast<long>(asked), qPrintable(Describe(heard, asked)));
        QVERIFY2(heard.peakDbfs > -30.0, qPrintable(Describe(heard, asked)));

        // A wrong key cuts the question note and sounds itself.
        const unsigned int clicked = asked + 5;
        emit app->GetKeyboard()->keyPressed(static_cast<int>(clicked) - 21);
        QCOMPARE(app->GetState(), Application::ShowingAnswer);
        QTest::qWait(60);
        heard = Listen(*synth);
        QVERIFY2(std::lround(heard.note) == static_cast<long>(clicked), qPrintable(Describe(heard, clicked)));
    }
}

QTEST_APPLESS_MAIN(TestPlayedNotes)
#include "tst_played_notes.moc"
