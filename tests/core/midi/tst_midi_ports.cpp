// MIDI ports and the device manager over JACK (private dummy server), played by test
// keyboards: what a keyboard sends, which ports count as keyboards, and the relay of
// plugging and unplugging.
#include "core/midi/midi_device_rt.h"
#include "core/midi/midi_out_mac_device.h"
#include "core/midi/sound_controller.h"

#include "support/event_log.h"
#include "support/test_keyboard.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <jack/jack.h>

#include <atomic>
#include <cmath>
#include <numeric>
#include <memory>

using namespace Core;

namespace {

int changes = 0; // GUI thread
bool changeOffGuiThread = false;
QThread* guiThread = nullptr;

void OnDevicesChanged()
{
    ++changes;
    if (QThread::currentThread() != guiThread)
        changeOffGuiThread = true;
}

std::function<bool(unsigned long)> Logged(EventLog& log, std::size_t count)
{
    return [&log, count](unsigned long ms) { return log.WaitForCount(count, ms); };
}

// The input device of the port `names` accepts, or null.
template <typename Names>
std::unique_ptr<MidiInRtDevice> OpenDevice(const Names& names)
{
    for (unsigned int port = 0; port < MidiInRtDevice::GetPortCount(); ++port) {
        std::unique_ptr<MidiInRtDevice> device(new MidiInRtDevice(port));
        if (device->IsOk() && names(device->GetName()))
            return device;
    }
    return nullptr;
}

} // namespace

class MidiPortsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("OVELUNE_MIDI_API", "jack");
        QCOMPARE(MidiApiName(), QStringLiteral("JACK"));
        guiThread = QThread::currentThread();
        SoundController::SetMidiDeviceHandler(OnDevicesChanged);
    }

    void keyboardSendsTimedMessages()
    {
        TestKeyboard keyboard;
        QVERIFY(keyboard.IsOpen());
        const QStringList ports = ListMidiInputPorts();
        QCOMPARE(ports.size(), 1);
        QCOMPARE(MidiInRtDevice::GetPortCount(), 1u);
        std::unique_ptr<MidiInRtDevice> device = OpenDevice([&](const QString& n) { return keyboard.Names(n); });
        QVERIFY(device);
        QCOMPARE(device->GetName(), ports.first());
        EventLog log;
        device->AddObserver(&log);
        QElapsedTimer wall;
        wall.start();
        std::vector<qint64> sentAt;
        auto send = [&](const std::vector<unsigned char>& bytes, std::size_t count) {
            sentAt.push_back(wall.elapsed());
            return keyboard.SendOnce(bytes, [&](unsigned long ms) {
                sentAt.back() = wall.elapsed();
                return log.WaitForCount(count, ms);
            });
        };
        QVERIFY(send({0x92, 60, 100}, 1));
        QThread::msleep(500);
        QVERIFY(send({0x82, 60, 0}, 2));
        QThread::msleep(250);
        QVERIFY(send({0x90, 64, 101}, 3));
        device->RemoveObserver(&log);
        const std::vector<MidiEvent> events = log.Events();
        QCOMPARE(int(events[1].GetMessage().GetByte(0)), 0x82);
        // Seconds follow the wall clock, within what a loaded or instrumented machine delays a
        // delivery; pulses (768 a second) carry the previous event's time.
        QCOMPARE(events[0].GetTimePulses(), 0u);
        for (int i = 1; i < 3; ++i) {
            const double gap = events[i].GetTime() - events[i - 1].GetTime();
            const double wallGap = (sentAt[i] - sentAt[i - 1]) / 1000.0;
            QVERIFY2(std::fabs(gap - wallGap) < 0.5, qPrintable(QStringLiteral("%1 s against %2 s").arg(gap).arg(wallGap)));
            QCOMPARE(events[i].GetTimePulses(), static_cast<unsigned int>(events[i - 1].GetTime() * 768));
        }
        for (QThread* thread : log.Threads())
            QVERIFY(thread != QThread::currentThread());

        device->Reset(); // restarts the clock
        EventLog after;
        device->AddObserver(&after);
        QVERIFY(keyboard.SendOnce({0x90, 64, 50}, Logged(after, 1)));
        QVERIFY(after.Events()[0].GetTime() < 0.2);
        device->RemoveObserver(&after);
    }

    // An observer that blocks (a judged answer waiting for the synthesizer's lock) delays no
    // JACK cycle: the server reports no xrun, and every note a player sends meanwhile, at 50
    // a second, arrives once, in order, each sent once.
    void aBlockingObserverDelaysNoCycle()
    {
        TestKeyboard keyboard;
        std::unique_ptr<MidiInRtDevice> device = OpenDevice([&](const QString& n) { return keyboard.Names(n); });
        QVERIFY(device);
        struct Blocking : EventLog
        {
            void OnMidiEvent(const MidiEvent& event) override
            {
                if (first.exchange(false))
                    QThread::msleep(200);
                EventLog::OnMidiEvent(event);
            }
            std::atomic<bool> first{true};
        } log;
        device->AddObserver(&log);
        QTest::qWait(100); // the connection made
        const int xrunsBefore = keyboard.Xruns();
        for (int note = 40; note < 60; ++note) {
            keyboard.NoteOn(note, 90);
            QThread::msleep(20);
        }
        QVERIFY(log.WaitForCount(20, 10000));
        QTest::qWait(200); // nothing more arrives
        device->RemoveObserver(&log);
        std::vector<int> notes;
        for (const MidiEvent& event : log.Events())
            notes.push_back(event.GetMessage().GetByte(1));
        std::vector<int> sent(20);
        std::iota(sent.begin(), sent.end(), 40);
        QCOMPARE(notes, sent);
        QCOMPARE(keyboard.Xruns() - xrunsBefore, 0);
    }

    // Pulse stamps wrap in 32 bits however long the device has been receiving.
    void pulseStampsWrapForAnyTime()
    {
        MidiInRtDevice unopened(1000);
        QVERIFY(!unopened.IsOk());
        EventLog direct;
        unopened.AddObserver(&direct);
        std::vector<unsigned char> note{0x90, 60, 100};
        for (double delta : {16777217.0, 0.0, 1e308, 1e308, 0.0}) // 3 x 2^32 + 768 pulses, then infinity
            RtEventHandler::OnRtEvent(delta, &note, &unopened);
        unopened.RemoveObserver(&direct);
        QCOMPARE(direct.Events()[1].GetTimePulses(), 768u);
        QCOMPARE(direct.Events()[4].GetTimePulses(), 0u);
    }

    // Only other programs' ports are keyboards: not our own output ports, yet a port of
    // another program that happens to keep RtMidi's default names.
    void ownPortsAreNoKeyboardsWhateverTheirNames()
    {
        TestKeyboard keyboard;
        jack_client_t* other = jack_client_open("RtMidi Output Client", JackNoStartServer, nullptr);
        QVERIFY(other);
        QVERIFY(jack_port_register(other, "RtMidi Output", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0));
        QVERIFY(jack_activate(other) == 0);
        QCOMPARE(ListMidiInputPorts().size(), 2);
        std::unique_ptr<MidiInRtDevice> input = OpenDevice([&](const QString& n) { return keyboard.Names(n); });
        QVERIFY(input); // gives our output a target
        MidiOutRtDevice output(0);
        QVERIFY(output.IsOk());
        QCOMPARE(ListMidiInputPorts().size(), 2);
        QCOMPARE(MidiInRtDevice::GetPortCount(), 2u);
        jack_client_close(other);
        QVERIFY(!MidiOutRtDevice(1000).IsOk());
    }

    void managerSelectsAndRelaysEachChangeOnceOnTheGuiThread()
    {
        {
            TestKeyboard first(QStringLiteral("Test Keyboard 1")), second(QStringLiteral("Test Keyboard 2"));
            SoundController manager;
            QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(2));
            QCOMPARE(manager.GetSelectedInputMidiDevice(), std::size_t(1)); // the last
            QCOMPARE(manager.GetOutputMidiDevice(0)->GetName(), QStringLiteral("Apple DLS"));
            const QString name = manager.GetInputMidiDevice(0)->GetName();
            QVERIFY(manager.SelectInputMidiDevice(name));
            QCOMPARE(manager.GetSelectedInputMidiDevice(), std::size_t(0));
            QVERIFY(!manager.SelectInputMidiDevice(QStringLiteral("No Such Keyboard")));
            QCOMPARE(manager.GetSelectedInputMidiDevice(), std::size_t(0));
        }
        SoundController manager;
        QTest::qWait(1500); // queued notifications arrive
        changes = 0;
        std::unique_ptr<TestKeyboard> keyboard(new TestKeyboard);
        QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        QVERIFY(manager.UpdateDevices()); // opens ports of our own: no relay for those
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(1));
        MidiOutRtDevice ownOutput(0);
        QVERIFY(ownOutput.IsOk());
        QTest::qWait(1500); // queued notifications arrive
        QCOMPARE(changes, 1);
        keyboard.reset();
        QTRY_COMPARE_WITH_TIMEOUT(changes, 2, 5000);
        QTest::qWait(1500); // queued notifications arrive
        QCOMPARE(changes, 2);
        QVERIFY(!changeOffGuiThread);
        manager.UpdateDevices();
        QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
    }

    // A JACK client that stops before it closes (as most JACK programs do on exit) announces
    // its ports' end while they are still listed; the change is relayed once they are gone.
    void keyboardThatStopsBeforeClosingIsSeenToGo()
    {
        SoundController manager;
        QTest::qWait(1500); // queued notifications arrive
        changes = 0;
        jack_client_t* client = jack_client_open("Stopping Keyboard", JackNoStartServer, nullptr);
        QVERIFY(client);
        QVERIFY(jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0));
        QVERIFY(jack_activate(client) == 0);
        QTRY_COMPARE_WITH_TIMEOUT(changes, 1, 5000);
        QVERIFY(jack_deactivate(client) == 0);
        QTest::qWait(1500); // queued notifications arrive
        jack_client_close(client);
        QTRY_COMPARE_WITH_TIMEOUT(changes, 2, 5000);
    }

    // A keyboard unplugged and plugged back at once comes back under the same name before
    // anyone looks: the port in use is gone all the same, and that is relayed.
    void keyboardPluggedBackAtOnceIsRelayed()
    {
        SoundController manager;
        std::unique_ptr<TestKeyboard> keyboard(new TestKeyboard);
        QVERIFY(manager.UpdateDevices());
        QTest::qWait(1500); // queued notifications arrive
        changes = 0;
        boost::shared_ptr<MidiInDevice> device = manager.GetInputMidiDevice(0);
        QVERIFY(keyboard->Names(device->GetName()));
        QElapsedTimer clock;
        clock.start();
        keyboard.reset(); // the old port goes, a new one of that name comes before any check
        keyboard.reset(new TestKeyboard);
        QTRY_VERIFY_WITH_TIMEOUT(changes > 0, 5000);
        const qint64 relayed = clock.elapsed();
        QVERIFY(manager.UpdateDevices());
        EventLog log;
        manager.GetInputMidiDevice(0)->AddObserver(&log);
        QVERIFY(keyboard->SendOnce({0x90, 60, 90}, Logged(log, 1)));
        manager.GetInputMidiDevice(0)->RemoveObserver(&log);
        qInfo("re-plug relayed after %lld ms, heard again after %lld ms", qint64(relayed), qint64(clock.elapsed()));
    }
};

QTEST_GUILESS_MAIN(MidiPortsTest)
#include "tst_midi_ports.moc"
