// Choosing the MIDI back end without a JACK server or an ALSA sequencer (as on this kind of
// machine): forced, absent, unknown, failing, and turned off after a failure.
#include "core/midi/error.h"
#include "core/midi/midi_device_rt.h"
#include "core/midi/sound_controller.h"

#include "support/stderr_capture.h"

#include <QtTest>

using namespace Core;

class PortsBackendTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QFile::exists(QStringLiteral("/dev/snd/seq")))
            QSKIP("this machine has an ALSA sequencer");
    }

    void noneMeansNoPortsAndNoClient()
    {
        qputenv("OVELUNE_MIDI_API", "none");
        SoundController manager;
        QCOMPARE(MidiApiName(), QStringLiteral("none"));
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
        QVERIFY(!MidiSetupWatcher::IsRunning());
    }

    void loopbackPortsAreNoKeyboards_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("selectable");
        // As RtMidi lists ALSA ports ("client:port client-id:port-id") and JACK ports.
        QTest::newRow("ALSA loopback") << "Midi Through:Midi Through Port-0 14:0" << false;
        QTest::newRow("loopback via a2j") << "a2j:Midi Through [14] (capture): Midi Through Port-0" << false;
        QTest::newRow("ALSA keyboard") << "USB Keyboard:USB Keyboard MIDI 1 20:0" << true;
        QTest::newRow("another program's RtMidi port") << "RtMidi Output Client:RtMidi Output 129:0" << true;
    }

    void loopbackPortsAreNoKeyboards()
    {
        QFETCH(QString, name);
        QFETCH(bool, selectable);
        QCOMPARE(IsSelectableMidiInput(name), selectable);
    }

    void automaticChoiceIsQuietAndNamesAnUnknownValueOnce()
    {
        qunsetenv("OVELUNE_MIDI_API");
        StderrCapture quiet;
        QCOMPARE(MidiApiName(), QStringLiteral("none"));
        QVERIFY2(quiet.Finish().isEmpty(), "the quiet probe printed something");
        qputenv("OVELUNE_MIDI_API", "coremidi");
        StderrCapture capture;
        QCOMPARE(MidiApiName(), QStringLiteral("none"));
        SoundController manager;
        const QByteArray message = capture.Finish();
        QCOMPARE(message.count('\n'), 1);
        QVERIFY2(message.contains("OVELUNE_MIDI_API=\"coremidi\"") && message.contains("alsa, jack, none"), message.constData());
    }

    void failingBackEndThrowsItsErrorUntilTurnedOff()
    {
        qputenv("OVELUNE_MIDI_API", "alsa"); // forced, but there is no sequencer
        StderrCapture capture; // RtMidi reports the failure itself as well
        Error raised;
        try {
            SoundController manager;
        } catch (const Error& error) {
            raised = error;
        }
        capture.Finish();
        QCOMPARE(raised.GetCode(), 768u + 8u); // RtMidi's driver error
        QVERIFY(!raised.GetMessage().isEmpty());
        QCOMPARE(QByteArray(raised.GetTag().function), QByteArray("GetPortCount"));

        DisableMidiApi(); // what the application does next
        qputenv("OVELUNE_MIDI_API", "jack");
        QCOMPARE(MidiApiName(), QStringLiteral("none")); // stays off
        SoundController manager;
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
        QVERIFY(!MidiSetupWatcher::IsRunning());
    }
};

QTEST_GUILESS_MAIN(PortsBackendTest)
#include "tst_ports_backend.moc"
