#include "core/midi/midi_device.h"

#include "child_scenario.h"
#include "event_recorder.h"
#include "test_input_device.h"

#include <QTest>

#include <atomic>
#include <thread>

using namespace Core;

namespace {

int Key(const MidiInDevice& device, std::size_t channel, std::size_t note)
{
    MidiKeyboardState state;
    device.GetKeybardState(channel, state);
    return state.GetKey(note);
}

void RunScenario(const char* name)
{
    if (QByteArray(name) == "channel-16") {
        TestInputDevice device;
        MidiKeyboardState state;
        device.GetKeybardState(16, state);
    }
}

} // namespace

class TestMidiDevice : public QObject
{
    Q_OBJECT

private slots:
    void newDevice()
    {
        TestInputDevice device;
        QCOMPARE(device.GetVolume(), 1.0);
        QVERIFY(device.IsOk());
        MidiStream recorded;
        recorded.AddEvent(MidiEvent()); // replaced, not appended to
        device.GetStream(recorded);
        QVERIFY(recorded.GetEvents().isEmpty());
        for (std::size_t channel = 0; channel < MidiChannelCount; ++channel)
            for (std::size_t note = 0; note < MidiKeyCount; ++note)
                QCOMPARE(Key(device, channel, note), 0);
    }

    void keyboardStateFollowsNotes()
    {
        TestInputDevice device;
        device.Emit(MidiMessage(NoteOn, 2, 60, 100));
        QCOMPARE(Key(device, 2, 60), 100);
        QCOMPARE(Key(device, 0, 60), 0); // other channels untouched
        device.Emit(MidiMessage(NoteOn, 2, 60, 0));
        QCOMPARE(Key(device, 2, 60), 0);

        device.Emit(MidiMessage(NoteOn, 15, 119, 80));
        QCOMPARE(Key(device, 15, 119), 80);
        device.Emit(MidiMessage(NoteOff, 15, 119, 64));
        QCOMPARE(Key(device, 15, 119), 0);

        // Polyphonic pressure sets the key even when it was not down.
        device.Emit(MidiMessage(Aftertouch, 0, 64, 30));
        QCOMPARE(Key(device, 0, 64), 30);

        // Other messages leave the states alone.
        device.Emit(MidiMessage(NoteOn, 3, 50, 90));
        device.Emit(MidiMessage(ControlChange, 3, 50, 0));
        device.Emit(MidiMessage(ChannelPressure, 3, 0));
        device.Emit(MidiMessage(PitchBend, 3, 50, 0));
        QCOMPARE(Key(device, 3, 50), 90);

        device.Reset();
        QCOMPARE(Key(device, 3, 50), 0);
        QCOMPARE(Key(device, 0, 64), 0);
        MidiStream recorded;
        device.GetStream(recorded);
        QCOMPARE(recorded.GetEvents().size(), 9); // the reset keeps the recording
    }

    void volumeScalesOnlyWhatObserversSee()
    {
        TestInputDevice device;
        EventRecorder recorder;
        device.AddObserver(&recorder);
        device.SetVolume(0.5);
        device.Emit(MidiMessage(NoteOn, 0, 60, 101), 7, 0.25);
        device.Emit(MidiMessage(NoteOff, 0, 60, 101));
        device.Emit(MidiMessage(Aftertouch, 0, 60, 101));
        device.SetVolume(0.0);
        device.Emit(MidiMessage(NoteOn, 0, 61, 127));
        device.SetVolume(1.0);
        device.Emit(MidiMessage(NoteOn, 0, 62, 127));

        const auto events = recorder.Events();
        QCOMPARE(events.size(), std::size_t(5));
        QCOMPARE(int(events[0].event.GetMessage().GetVelocity()), 50);
        QCOMPARE(events[0].event.GetTimePulses(), 7u);
        QCOMPARE(events[0].event.GetTime(), 0.25);
        QCOMPARE(int(events[1].event.GetMessage().GetVelocity()), 101); // note-off unchanged
        QCOMPARE(int(events[2].event.GetMessage().GetPressure()), 101);
        QCOMPARE(int(events[3].event.GetMessage().GetVelocity()), 0);
        QCOMPARE(int(events[4].event.GetMessage().GetVelocity()), 127);

        // The state and the recording keep the velocity as received.
        QCOMPARE(Key(device, 0, 61), 127);
        MidiStream recorded;
        device.GetStream(recorded);
        QCOMPARE(int(recorded.GetEvents().at(0).GetMessage().GetVelocity()), 101);
    }

    void volumeIsClamped()
    {
        TestInputDevice device;
        device.SetVolume(1.7);
        QCOMPARE(device.GetVolume(), 1.0);
        device.SetVolume(-0.2);
        QCOMPARE(device.GetVolume(), 0.0);
        device.SetVolume(0.3);
        QCOMPARE(device.GetVolume(), 0.3);
        device.SetVolume(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(device.GetVolume(), 0.3);
        device.SetVolume(std::numeric_limits<double>::infinity());
        QCOMPARE(device.GetVolume(), 1.0);
    }

    void systemMessagesRecordedButNoKeyChange()
    {
        TestInputDevice device;
        EventRecorder recorder;
        device.AddObserver(&recorder);
        device.Emit(MidiMessage(0xF8, 0, 0), 0, 0.0);
        const unsigned char sensing[] = {0xFE};
        device.Emit(MidiMessage(sensing, 1), 384, 0.5);
        QCOMPARE(recorder.Count(), 2);
        MidiStream recorded;
        device.GetStream(recorded);
        QCOMPARE(recorded.GetEvents().size(), 2);
        QCOMPARE(int(recorded.GetEvents().at(1).GetMessage().GetByte(0)), 0xFE);
        QCOMPARE(recorded.GetEvents().at(1).GetTimePulses(), 384u);
        for (std::size_t channel = 0; channel < MidiChannelCount; ++channel)
            for (std::size_t note = 0; note < MidiKeyCount; ++note)
                QCOMPARE(Key(device, channel, note), 0);
    }

    // Notes 120..127, messages cut short and long system exclusive input reach the
    // observers without touching memory they do not own.
    void unusualInputIsSafe()
    {
        TestInputDevice device;
        EventRecorder recorder;
        device.AddObserver(&recorder);
        for (int note = 120; note < 128; ++note) {
            device.Emit(MidiMessage(NoteOn, 0, static_cast<unsigned char>(note), 100));
            device.Emit(MidiMessage(Aftertouch, 1, static_cast<unsigned char>(note), 100));
            device.Emit(MidiMessage(NoteOff, 15, static_cast<unsigned char>(note), 0));
        }
        // Data bytes with the top bit set (a broken sender) are no notes either.
        device.Emit(MidiMessage(0x90, 0xFF, 0xFF));
        QCOMPARE(recorder.Count(), 25);
        QCOMPARE(int(recorder.Events()[0].event.GetMessage().GetNote()), 120);

        const unsigned char statusOnly[] = {0x93};
        device.Emit(MidiMessage(statusOnly, 1));
        const unsigned char noVelocity[] = {0x93, 0x00};
        device.Emit(MidiMessage(noVelocity, 2));
        QCOMPARE(Key(device, 3, 0), 0);

        std::vector<unsigned char> sysex(1000, 0x22);
        sysex.front() = 0xF0;
        sysex.back() = 0xF7;
        device.Emit(MidiMessage(sysex.data(), sysex.size()));
        QCOMPARE(recorder.Count(), 28);
        QCOMPARE(int(recorder.Events().back().event.GetMessage().GetLength()), 3);
        for (std::size_t note = 0; note < MidiKeyCount; ++note) {
            QCOMPARE(Key(device, 0, note), 0);
            QCOMPARE(Key(device, 1, note), 0);
        }
    }

    void recordingKeepsMostRecentEvents()
    {
        TestInputDevice device;
        const int total = TestInputDevice::Limit + 2500;
        for (int i = 0; i < total; ++i)
            device.Emit(MidiMessage(0xF8, 0, 0), static_cast<unsigned int>(i), i / 1000.0);
        MidiStream recorded;
        device.GetStream(recorded);
        const MidiStream::Events& events = recorded.GetEvents();
        QCOMPARE(events.size(), TestInputDevice::Limit);
        for (int i = 0; i < events.size(); ++i)
            QCOMPARE(events.at(i).GetTimePulses(), static_cast<unsigned int>(total - TestInputDevice::Limit + i));

        // A copy taken earlier is not affected by later input.
        device.Emit(MidiMessage(0xF8, 0, 0), 999999, 0.0);
        QCOMPARE(recorded.GetEvents().last().GetTimePulses(), static_cast<unsigned int>(total - 1));
        MidiStream again;
        device.GetStream(again);
        QCOMPARE(again.GetEvents().size(), TestInputDevice::Limit);
        QCOMPARE(again.GetEvents().last().GetTimePulses(), 999999u);
    }

    // Input arrives on its own thread while others read the state, the recording and the volume.
    void readsWhileReceiving()
    {
        TestInputDevice device;
        EventRecorder recorder;
        device.AddObserver(&recorder);
        std::atomic<bool> done{false};
        const int total = 30000;
        std::thread producer([&] {
            for (int i = 0; i < total; ++i) {
                const unsigned char note = static_cast<unsigned char>(i % 120);
                device.Emit(MidiMessage(NoteOn, static_cast<unsigned char>(i % 16), note, 100), i, 0.0);
            }
            done = true;
        });
        int reads = 0;
        while (!done) {
            MidiKeyboardState state;
            device.GetKeybardState(static_cast<std::size_t>(reads % 16), state);
            MidiStream recorded;
            device.GetStream(recorded);
            QVERIFY(recorded.GetEvents().size() <= TestInputDevice::Limit);
            device.SetVolume((reads % 3) / 2.0);
            ++reads;
        }
        producer.join();
        QCOMPARE(recorder.Count(), total);
        for (const ReceivedEvent& received : recorder.Events()) {
            const int velocity = received.event.GetMessage().GetVelocity();
            QVERIFY(velocity == 0 || velocity == 50 || velocity == 100);
        }
    }

    void waveDevice()
    {
        MidiInWaveDevice device;
        QCOMPARE(device.GetName(), QStringLiteral("Microphone"));
        device.Reset();
        device.Close();
        QVERIFY(device.IsOk());
        MidiStream recorded;
        device.GetStream(recorded);
        QVERIFY(recorded.GetEvents().isEmpty());
    }

    void channelOutOfRangeStops()
    {
        CHECK_ASSERTION_STOPS("channel-16", "channel < MidiChannelCount", "GetKeybardState",
                              "src/core/midi/midi_device");
    }
};

TEST_MAIN_WITH_SCENARIOS(TestMidiDevice, RunScenario)

#include "tst_midi_device.moc"
