// The device manager over JACK (private dummy server): enumeration, selection and the relay
// of MIDI set-up changes through the client "Falmiro".
#include "core/midi/midi_device_rt.h"
#include "core/midi/midi_out_mac_device.h"
#include "core/midi/sound_controller.h"

#include "support/stderr_capture.h"
#include "support/test_keyboard.h"

#include <QThread>
#include <QtTest>

#include <jack/jack.h>

#include <memory>

using namespace Core;

namespace {

int changes = 0;                      // GUI thread
bool changeOffGuiThread = false;      // GUI thread
QThread* guiThread = nullptr;

void OnDevicesChanged()
{
    ++changes;
    if (QThread::currentThread() != guiThread)
        changeOffGuiThread = true;
}

// Lets queued notifications arrive for a while.
void Settle(int milliseconds = 1500)
{
    QTest::qWait(milliseconds);
}

} // namespace

class SoundControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("OVELUNE_MIDI_API", "jack");
        guiThread = QThread::currentThread();
        SoundController::SetMidiDeviceHandler(OnDevicesChanged);
    }

    void withoutPortsOnlyTheSynthesizer()
    {
        SoundController manager;
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
        QCOMPARE(manager.GetSelectedInputMidiDevice(), std::size_t(4294967295u));
        QCOMPARE(manager.GetOutputMidiDeviceCount(), std::size_t(1));
        QCOMPARE(manager.GetOutputMidiDevice(0)->GetName(), QStringLiteral("Apple DLS"));
        QCOMPARE(manager.GetSelectedOutputMidiDevice(), std::size_t(0));
        QCOMPARE(manager.GetOutputWaveDeviceCount(), std::size_t(0));
        QVERIFY(manager.GetOutputMidiDevice());
        QVERIFY(!manager.EnumerateDevices());
        QVERIFY(MidiSetupWatcher::IsRunning());
    }

    void severalPortsSelectTheLast()
    {
        TestKeyboard first(QStringLiteral("Test Keyboard")), second(QStringLiteral("Test Keyboard 2")),
            third(QStringLiteral("Test Keyboard 3"));
        QVERIFY(first.IsOpen() && second.IsOpen() && third.IsOpen());
        SoundController manager;
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(3));
        QCOMPARE(manager.GetSelectedInputMidiDevice(), std::size_t(2));
        for (std::size_t i = 0; i < 3; ++i) {
            const QString name = manager.GetInputMidiDevice(i)->GetName();
            QVERIFY2(first.Names(name) || second.Names(name) || third.Names(name), qPrintable(name));
        }
        const boost::shared_ptr<MidiOutDevice> synth = manager.GetOutputMidiDevice();

        manager.SelectInputMidiDevice(std::size_t(0));
        QVERIFY(manager.UpdateDevices());
        QCOMPARE(manager.GetSelectedInputMidiDevice(), std::size_t(2));
        QVERIFY(manager.GetOutputMidiDevice() == synth); // created once, kept

        // Selection by exact name; an unknown name keeps the selection.
        std::size_t secondIndex = 3;
        for (std::size_t i = 0; i < 3; ++i)
            if (second.Names(manager.GetInputMidiDevice(i)->GetName()))
                secondIndex = i;
        QVERIFY(secondIndex < 3);
        QVERIFY(manager.SelectInputMidiDevice(manager.GetInputMidiDevice(secondIndex)->GetName()));
        QCOMPARE(manager.GetSelectedInputMidiDevice(), secondIndex);
        QVERIFY(!manager.SelectInputMidiDevice(QStringLiteral("No Such Keyboard")));
        QVERIFY(!manager.SelectInputMidiDevice(QStringLiteral("Test Keyboard")));
        QCOMPARE(manager.GetSelectedInputMidiDevice(), secondIndex);

        manager.SelectOutputMidiDevice(SoundController::None);
        QVERIFY(!manager.GetOutputMidiDevice());
        QCOMPARE(manager.GetSelectedOutputMidiDevice(), std::size_t(4294967295u));

        // A device taken from the manager outlives the manager's next enumeration.
        const boost::shared_ptr<MidiInDevice> held = manager.GetInputMidiDevice(0);
        manager.EnumerateDevices();
        QVERIFY(held->IsOk());
        QVERIFY(manager.GetInputMidiDevice(0) != held);
    }

    void portChangesAreRelayedOnceOnTheGuiThread()
    {
        SoundController manager;
        Settle(); // earlier tests' ports
        changes = 0;
        changeOffGuiThread = false;

        std::unique_ptr<TestKeyboard> keyboard(new TestKeyboard);
        QVERIFY(keyboard->IsOpen());
        QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        Settle();
        QCOMPARE(changes, 1);
        QVERIFY(!changeOffGuiThread);

        // The application's answer: re-enumerate, which opens ports of our own.
        QVERIFY(manager.UpdateDevices());
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(1));
        QVERIFY(keyboard->Names(manager.GetInputMidiDevice(0)->GetName()));
        manager.UpdateDevices();
        MidiOutRtDevice ownOutput(0);
        QVERIFY(ownOutput.IsOk());
        MidiOutMacDevice secondSynth;
        Settle();
        QCOMPARE(changes, 1);

        keyboard.reset();
        QTRY_COMPARE_WITH_TIMEOUT(changes, 2, 5000);
        Settle();
        QCOMPARE(changes, 2);
        QVERIFY(!changeOffGuiThread);
        manager.UpdateDevices();
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));

        // No handler: nothing is called.
        SoundController::SetMidiDeviceHandler(nullptr);
        TestKeyboard unheard(QStringLiteral("Unheard Keyboard"));
        Settle();
        QCOMPARE(changes, 2);
        SoundController::SetMidiDeviceHandler(OnDevicesChanged);
    }

    // A JACK client that stops before it closes (as most JACK programs do on exit) announces
    // its ports' end while they are still listed; the change is relayed once they are gone.
    void keyboardThatStopsBeforeClosingIsSeenToGo()
    {
        SoundController manager;
        Settle();
        changes = 0;
        jack_client_t* client = jack_client_open("Stopping Keyboard", JackNoStartServer, nullptr);
        QVERIFY(client);
        QVERIFY(jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0));
        QVERIFY(jack_activate(client) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        QVERIFY(manager.UpdateDevices());
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(1));

        QVERIFY(jack_deactivate(client) == 0);
        Settle(); // the announcement is checked while the port is still there
        QCOMPARE(changes, 1);
        jack_client_close(client);
        QTRY_COMPARE_WITH_TIMEOUT(changes, 2, 5000);
        manager.UpdateDevices();
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
    }

    void synthesizerPlaysThroughJack()
    {
        qputenv("OVELUNE_AUDIO_DRIVER", "jack");
        StderrCapture capture;
        QByteArray messages;
        {
            MidiOutMacDevice synth;
            QVERIFY(synth.IsAudible());
            float buffer[16];
            QVERIFY(!synth.Render(buffer, buffer, 8)); // the JACK driver owns it
            messages = capture.Finish();
            synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96));
            QTest::qWait(300);
            synth.Stop();
        }
        qputenv("OVELUNE_AUDIO_DRIVER", "none");
        QVERIFY2(!messages.contains("Ovelune:"), messages.constData());
    }
};

QTEST_GUILESS_MAIN(SoundControllerTest)
#include "tst_sound_controller.moc"
