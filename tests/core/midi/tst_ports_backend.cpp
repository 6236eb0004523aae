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
    void noneMeansNoPortsAndNoClient()
    {
        qputenv("OVELUNE_MIDI_API", "none");
        QCOMPARE(MidiApiName(), QStringLiteral("none"));
        QCOMPARE(MidiInRtDevice::GetPortCount(), 0u);
        QVERIFY(ListMidiInputPorts().isEmpty());
        MidiInRtDevice input(0);
        QVERIFY(!input.IsOk());
        QCOMPARE(MidiOutRtDevice::GetPortCount(), 0u);
        MidiOutRtDevice output(0);
        output.SendMessage(MidiMessage(NoteOn, 0, 60, 100));
        output.Stop();

        SoundController manager;
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
        QCOMPARE(manager.GetSelectedInputMidiDevice(), SoundController::None);
        QCOMPARE(manager.GetOutputMidiDeviceCount(), std::size_t(1));
        QCOMPARE(manager.GetOutputMidiDevice()->GetName(), QStringLiteral("Apple DLS"));
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
        QTest::newRow("JACK keyboard") << "system:midi_capture_1" << true;
    }

    void loopbackPortsAreNoKeyboards()
    {
        QFETCH(QString, name);
        QFETCH(bool, selectable);
        QCOMPARE(IsSelectableMidiInput(name), selectable);
    }

    void withoutServerOrSequencerAutomaticChoiceIsNone()
    {
        if (QFile::exists(QStringLiteral("/dev/snd/seq")))
            QSKIP("this machine has an ALSA sequencer");
        qunsetenv("OVELUNE_MIDI_API");
        StderrCapture capture;
        QCOMPARE(MidiApiName(), QStringLiteral("none"));
        QCOMPARE(MidiInRtDevice::GetPortCount(), 0u);
        QVERIFY2(capture.Finish().isEmpty(), "the quiet probe printed something");
    }

    void unknownValueIsNamedOnceThenAutomatic()
    {
        if (QFile::exists(QStringLiteral("/dev/snd/seq")))
            QSKIP("this machine has an ALSA sequencer");
        qputenv("OVELUNE_MIDI_API", "coremidi");
        StderrCapture capture;
        QCOMPARE(MidiApiName(), QStringLiteral("none"));
        QCOMPARE(MidiInRtDevice::GetPortCount(), 0u);
        SoundController manager;
        const QByteArray message = capture.Finish();
        QCOMPARE(message.count('\n'), 1);
        QVERIFY2(message.contains("OVELUNE_MIDI_API=\"coremidi\""), message.constData());
        QVERIFY(message.contains("alsa, jack, none"));
    }

    void failingBackEndThrowsItsErrorUntilTurnedOff()
    {
        if (QFile::exists(QStringLiteral("/dev/snd/seq")))
            QSKIP("this machine has an ALSA sequencer");
        qputenv("OVELUNE_MIDI_API", "alsa"); // forced, but there is no sequencer
        QCOMPARE(MidiApiName(), QStringLiteral("ALSA"));
        StderrCapture capture; // RtMidi reports the failure itself as well
        Error raised;
        try {
            MidiInRtDevice::GetPortCount();
        } catch (const Error& error) {
            raised = error;
        }
        QVERIFY(raised.IsError());
        QCOMPARE(raised.GetCode(), 768u + 8u); // RtMidi's driver error
        QVERIFY(!raised.GetMessage().isEmpty());
        QCOMPARE(QByteArray(raised.GetTag().file), QByteArray("src/core/midi/midi_device_rt"));
        QCOMPARE(QByteArray(raised.GetTag().function), QByteArray("GetPortCount"));

        bool managerThrew = false;
        try {
            SoundController manager;
        } catch (const Error& error) {
            managerThrew = error.GetCode() == 776u;
        }
        QVERIFY(managerThrew);
        // An output port device swallows the same failure.
        QCOMPARE(MidiOutRtDevice::GetPortCount(), 0u);
        MidiOutRtDevice output(0);
        output.SendMessage(MidiMessage(NoteOn, 0, 60, 100));
        capture.Finish();

        // What the application does next: turn MIDI input off and start again.
        DisableMidiApi();
        QCOMPARE(MidiApiName(), QStringLiteral("none"));
        QCOMPARE(MidiInRtDevice::GetPortCount(), 0u);
        SoundController manager;
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
        QCOMPARE(manager.GetOutputMidiDeviceCount(), std::size_t(1));
        QVERIFY(!MidiSetupWatcher::IsRunning());
        qputenv("OVELUNE_MIDI_API", "jack");
        QCOMPARE(MidiApiName(), QStringLiteral("none")); // stays off
    }
};

QTEST_GUILESS_MAIN(PortsBackendTest)
#include "tst_ports_backend.moc"
