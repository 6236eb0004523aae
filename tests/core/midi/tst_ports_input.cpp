// MIDI input and output ports over JACK (private dummy server), played by a test keyboard.
#include "core/midi/midi_device_rt.h"

#include "support/event_log.h"
#include "support/test_keyboard.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace Core;

class PortsInputTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestKeyboard> keyboard;

    // The input device reading the test keyboard, or null.
    std::unique_ptr<MidiInRtDevice> OpenKeyboardDevice()
    {
        const unsigned int count = MidiInRtDevice::GetPortCount();
        for (unsigned int port = 0; port < count; ++port) {
            std::unique_ptr<MidiInRtDevice> device(new MidiInRtDevice(port));
            if (device->IsOk() && keyboard->Names(device->GetName()))
                return device;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        qputenv("OVELUNE_MIDI_API", "jack");
        QCOMPARE(MidiApiName(), QStringLiteral("JACK"));
        keyboard.reset(new TestKeyboard);
        QVERIFY(keyboard->IsOpen());
    }

    void keyboardIsFoundByName()
    {
        const QStringList ports = ListMidiInputPorts();
        QCOMPARE(ports.size(), 1);
        QVERIFY2(keyboard->Names(ports.first()), qPrintable(ports.first()));
        QCOMPARE(MidiInRtDevice::GetPortCount(), 1u);
        std::unique_ptr<MidiInRtDevice> device = OpenKeyboardDevice();
        QVERIFY(device);
        QCOMPARE(device->GetName(), ports.first());
    }

    void notesArriveWithTimesPulsesAndKeyStates()
    {
        std::unique_ptr<MidiInRtDevice> device = OpenKeyboardDevice();
        QVERIFY(device);
        EventLog log;
        device->AddObserver(&log);
        auto logged = [&log](std::size_t count) {
            return [&log, count](unsigned long ms) { return log.WaitForCount(count, ms); };
        };
        QElapsedTimer wall;
        wall.start();
        std::vector<qint64> sentAt; // when the message that arrived was sent (last attempt)
        auto send = [&](const std::vector<unsigned char>& bytes, std::size_t count) {
            qint64 last = 0;
            const bool arrived = keyboard->SendUntil(bytes, [&](unsigned long ms) {
                last = wall.elapsed();
                return logged(count)(ms);
            });
            sentAt.push_back(last);
            return arrived;
        };

        QVERIFY(send({0x92, 60, 100}, 1));
        MidiKeyboardState state;
        device->GetKeybardState(2, state);
        QCOMPARE(int(state.GetKey(60)), 100);
        device->GetKeybardState(0, state);
        QCOMPARE(int(state.GetKey(60)), 0);

        QThread::msleep(500);
        QVERIFY(send({0x82, 60, 0}, 2));
        device->GetKeybardState(2, state);
        QCOMPARE(int(state.GetKey(60)), 0);

        QThread::msleep(250);
        QVERIFY(send({0x92, 62, 70}, 3));
        device->RemoveObserver(&log);

        const std::vector<MidiEvent> events = log.Events();
        QCOMPARE(events.size(), std::size_t(3));
        const MidiMessage& on = events[0].GetMessage();
        QCOMPARE(int(on.GetLength()), 3);
        QCOMPARE(int(on.GetByte(0)), 0x92);
        QCOMPARE(int(on.GetByte(1)), 60);
        QCOMPARE(int(on.GetByte(2)), 100);
        QCOMPARE(int(events[1].GetMessage().GetByte(0)), 0x82);

        // Seconds accumulate the back end's deltas and follow the wall clock; pulses (768 a
        // second) are taken before the message's own delta is added, so each event carries
        // the previous one's time.
        QCOMPARE(events[0].GetTimePulses(), 0u);
        for (int i = 1; i < 3; ++i) {
            const double gap = events[i].GetTime() - events[i - 1].GetTime();
            const double wallGap = (sentAt[i] - sentAt[i - 1]) / 1000.0;
            QVERIFY2(std::fabs(gap - wallGap) < 0.2, qPrintable(QStringLiteral("%1 s against %2 s").arg(gap).arg(wallGap)));
            QCOMPARE(events[i].GetTimePulses(), static_cast<unsigned int>(events[i - 1].GetTime() * 768));
        }
        QVERIFY(events[2].GetTimePulses() >= 300);

        for (QThread* thread : log.Threads())
            QVERIFY(thread != QThread::currentThread());

        // Reset restarts the clock.
        device->Reset();
        EventLog after;
        device->AddObserver(&after);
        QVERIFY(keyboard->SendUntil({0x90, 64, 50}, [&after](unsigned long ms) { return after.WaitForCount(1, ms); }));
        QVERIFY(after.Events()[0].GetTime() < 0.2);
        QCOMPARE(after.Events()[0].GetTimePulses(), 0u);
        device->RemoveObserver(&after);
    }

    void volumeScalesWhatObserversSee()
    {
        std::unique_ptr<MidiInRtDevice> device = OpenKeyboardDevice();
        QVERIFY(device);
        EventLog log;
        device->AddObserver(&log);
        device->SetVolume(0.5);
        QVERIFY(keyboard->SendUntil({0x90, 64, 101}, [&log](unsigned long ms) { return log.WaitForCount(1, ms); }));
        device->RemoveObserver(&log);
        QCOMPARE(int(log.Events()[0].GetMessage().GetVelocity()), 50);
        MidiKeyboardState state;
        device->GetKeybardState(0, state);
        QCOMPARE(int(state.GetKey(64)), 101);
        MidiStream recorded;
        device->GetStream(recorded);
        QCOMPARE(recorded.GetEvents().size(), 1);
        QCOMPARE(int(recorded.GetEvents()[0].GetMessage().GetVelocity()), 101);
    }

    void unusualInputIsSafe()
    {
        std::unique_ptr<MidiInRtDevice> device = OpenKeyboardDevice();
        QVERIFY(device);
        EventLog log;
        device->AddObserver(&log);
        const std::vector<std::vector<unsigned char>> messages = {
            {0x90, 125, 90},                      // no keyboard-state slot
            {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, // system exclusive, 6 bytes
            {0xF8},                               // timing clock
            {0xA0, 64, 30},                       // key pressure without a note
            {0x80, 125, 0},
        };
        for (std::size_t i = 0; i < messages.size(); ++i)
            QVERIFY(keyboard->SendUntil(messages[i], [&log, i](unsigned long ms) { return log.WaitForCount(i + 1, ms); }));
        device->RemoveObserver(&log);

        const std::vector<MidiEvent> events = log.Events();
        QCOMPARE(int(events[0].GetMessage().GetNote()), 125);
        const MidiMessage& sysex = events[1].GetMessage();
        QCOMPARE(int(sysex.GetLength()), 3);
        QCOMPARE(int(sysex.GetByte(0)), 0xF0);
        QCOMPARE(int(sysex.GetByte(2)), 0x7F);
        QCOMPARE(int(events[2].GetMessage().GetLength()), 1);
        QVERIFY(events[2].GetMessage().IsMeta());
        MidiKeyboardState state;
        device->GetKeybardState(0, state);
        QCOMPARE(int(state.GetKey(64)), 30);
        QCOMPARE(int(state.GetKey(119)), 0);
    }

    // Pulse stamps wrap in 32 bits however long the device has been receiving, also past
    // what a 64-bit count of pulses holds.
    void pulseStampsWrapForAnyTime()
    {
        MidiInRtDevice device(1000); // no port: the back end's callback is called directly
        EventLog log;
        device.AddObserver(&log);
        std::vector<unsigned char> note{0x90, 60, 100};
        // 3 × 2^32 + 768 pulses: one second past the third wrap.
        RtEventHandler::OnRtEvent(16777217.0, &note, &device);
        RtEventHandler::OnRtEvent(0.0, &note, &device);
        RtEventHandler::OnRtEvent(1e17, &note, &device); // about three billion years
        RtEventHandler::OnRtEvent(0.0, &note, &device);
        RtEventHandler::OnRtEvent(1e308, &note, &device);
        RtEventHandler::OnRtEvent(1e308, &note, &device); // the time is now infinite
        RtEventHandler::OnRtEvent(0.0, &note, &device);
        device.RemoveObserver(&log);
        const std::vector<MidiEvent> events = log.Events();
        QCOMPARE(events.size(), std::size_t(7));
        QCOMPARE(events[1].GetTimePulses(), 768u);
        QCOMPARE(events[1].GetTime(), 16777217.0);
        QCOMPARE(events[3].GetTime(), 16777217.0 + 1e17);
        QVERIFY(events[3].GetTimePulses() < 4294967296.0);
        QCOMPARE(events[6].GetTimePulses(), 0u);
    }

    void portThatCannotOpenIsNotOk()
    {
        MidiInRtDevice device(1000);
        QVERIFY(!device.IsOk());
        QVERIFY(device.GetName().isEmpty());
        device.Reset();
        QVERIFY(!device.IsOk());
    }

    void ownOutputPortIsNeverAnInput()
    {
        std::unique_ptr<MidiInRtDevice> input = OpenKeyboardDevice(); // gives an output a target
        QVERIFY(input);
        const QStringList before = ListMidiInputPorts();
        QVERIFY(MidiOutRtDevice::GetPortCount() >= 1);
        MidiOutRtDevice output(0);
        QVERIFY(output.IsOk());
        QCOMPARE(ListMidiInputPorts(), before);
        QCOMPARE(MidiInRtDevice::GetPortCount(), static_cast<unsigned int>(before.size()));
    }

    void outputPortSendsMessagesAndSilencingSequence()
    {
        std::unique_ptr<MidiInRtDevice> input = OpenKeyboardDevice();
        QVERIFY(input);
        // Our input device's port is the only writable MIDI port on the server.
        std::unique_ptr<MidiOutRtDevice> output;
        for (unsigned int port = 0; port < MidiOutRtDevice::GetPortCount() && !output; ++port) {
            std::unique_ptr<MidiOutRtDevice> candidate(new MidiOutRtDevice(port));
            if (candidate->GetName().contains(QStringLiteral("RtMidi Input")))
                output = std::move(candidate);
        }
        QVERIFY(output);
        QVERIFY(output->IsOk());
        EventLog log;
        input->AddObserver(&log);
        // A late JACK cycle may drop some of the messages: try the whole sequence again.
        std::vector<MidiEvent> events;
        for (int attempt = 0; attempt < 4 && events.size() != 49; ++attempt) {
            log.Clear();
            output->SendMessage(MidiMessage(NoteOn, 0, 70, 80));
            output->Stop();
            log.WaitForCount(49, 3000);
            QThread::msleep(200);
            events = log.Events();
        }
        input->RemoveObserver(&log);

        QCOMPARE(events.size(), std::size_t(49));
        QCOMPARE(int(events[0].GetMessage().GetNote()), 70);
        QCOMPARE(int(events[0].GetMessage().GetVelocity()), 80);
        const unsigned char expected[3][2] = {{120, 0}, {121, 0}, {7, 127}};
        for (int i = 0; i < 48; ++i) {
            const MidiMessage& m = events[i + 1].GetMessage();
            QCOMPARE(int(m.GetByte(0)), 0xB0 + i / 3);
            QCOMPARE(int(m.GetByte(1)), int(expected[i % 3][0]));
            QCOMPARE(int(m.GetByte(2)), int(expected[i % 3][1]));
        }
    }

    void outputWithoutPortDropsMessages()
    {
        MidiOutRtDevice output(1000);
        QVERIFY(!output.IsOk());
        QVERIFY(output.GetName().isEmpty());
        output.SendMessage(MidiMessage(NoteOn, 0, 60, 100));
        output.SendMessage(MidiMessage());
        output.Stop();
        QCOMPARE(output.GetVolume(), 1.0);
    }

    void cleanupTestCase() { keyboard.reset(); }
};

QTEST_GUILESS_MAIN(PortsInputTest)
#include "tst_ports_input.moc"
