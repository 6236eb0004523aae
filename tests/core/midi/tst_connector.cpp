#include "core/midi/midi_connector.h"
#include "core/midi/midi_in_stream_device_auto.h"

#include "child_scenario.h"
#include "event_recorder.h"
#include "recording_output_device.h"
#include "test_input_device.h"

#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <thread>

using namespace Core;

namespace {

using InPtr = boost::shared_ptr<TestInputDevice>;
using OutPtr = boost::shared_ptr<RecordingOutputDevice>;

MidiMessage NoteOnMessage(int note, int velocity = 100)
{
    return MidiMessage(NoteOn, 0, static_cast<unsigned char>(note), static_cast<unsigned char>(velocity));
}

std::vector<int> SentNotes(const RecordingOutputDevice& out)
{
    std::vector<int> notes;
    for (const MidiMessage& message : out.Sent())
        notes.push_back(message.GetNote());
    return notes;
}

class AnswerReceiver : public MidiAnswerReceiver
{
public:
    void processMidiEvent(const MidiEvent& evt) override
    {
        if (dead)
            calledWhenDead = true;
        {
            QMutexLocker lock(&mutex);
            notes.push_back(evt.GetMessage().GetNote());
            threads.push_back(std::this_thread::get_id());
        }
        QThread::usleep(sleepUs);
        if (dead)
            calledWhenDead = true;
    }
    std::vector<int> Notes() const
    {
        QMutexLocker lock(&mutex);
        return notes;
    }
    std::vector<std::thread::id> Threads() const
    {
        QMutexLocker lock(&mutex);
        return threads;
    }

    std::atomic<bool> dead{false};
    std::atomic<bool> calledWhenDead{false};
    unsigned long sleepUs = 0;

private:
    mutable QMutex mutex; // guards notes and threads
    std::vector<int> notes;
    std::vector<std::thread::id> threads;
};

void RunScenario(const char* name)
{
    const QByteArray scenario(name);
    const OutPtr out(new RecordingOutputDevice);
    if (scenario == "connector-without-input")
        MidiDeviceConnector(InPtr(), out);
    else if (scenario == "connector-without-output")
        MidiDeviceConnector(InPtr(new TestInputDevice), OutPtr());
    else if (scenario == "append-empty")
        MidiDeviceConnector(out).AppendMidiInDevice("x", InPtr());
}

} // namespace

class TestConnector : public QObject
{
    Q_OBJECT

private slots:
    void routesDefaultInputUnchanged()
    {
        const InPtr in(new TestInputDevice);
        const OutPtr out(new RecordingOutputDevice);
        {
            MidiDeviceConnector connector(in, out);
            QCOMPARE(QByteArray(DEFAULT_MIDI_IN), QByteArray("DEFAULT_MIDI_IN_DEVICE"));
            QCOMPARE(connector.GetMidiInDevice(DEFAULT_MIDI_IN).get(), in.get());
            QCOMPARE(connector.GetMidiOutDevice().get(), out.get());
            QCOMPARE(in->Observers(), 1);

            in->Emit(NoteOnMessage(60, 101), 5, 1.5);
            const unsigned char clock[] = {0xF8};
            in->Emit(MidiMessage(clock, 1));
            in->Emit(MidiMessage(ControlChange, 9, 7, 3));
            const auto sent = out->Sent();
            QCOMPARE(sent.size(), std::size_t(3));
            QCOMPARE(int(sent[0].GetVelocity()), 101);
            QCOMPARE(int(sent[1].GetLength()), 1);
            QCOMPARE(int(sent[1].GetByte(0)), 0xF8);
            QCOMPARE(int(sent[2].GetByte(0)), 0xB9);

            // The input's volume applies before routing.
            connector.SetVolume(DEFAULT_MIDI_IN, 0.5);
            QCOMPARE(connector.GetVolume(DEFAULT_MIDI_IN), 0.5);
            in->Emit(NoteOnMessage(61, 101));
            QCOMPARE(int(out->Sent().back().GetVelocity()), 50);
        }
        // Gone: no longer observing.
        QCOMPARE(in->Observers(), 0);
        in->Emit(NoteOnMessage(62));
        QCOMPARE(out->Sent().size(), std::size_t(4));
    }

    void namedInputs()
    {
        const OutPtr out(new RecordingOutputDevice);
        MidiDeviceConnector connector(out);
        QVERIFY(!connector.GetMidiInDevice(DEFAULT_MIDI_IN));
        QCOMPARE(connector.GetVolume("none"), 0.0);
        connector.SetVolume("none", 0.2); // nothing to set
        QCOMPARE(connector.RemoveMidiInDevice("none"), std::size_t(0));

        const InPtr first(new TestInputDevice), second(new TestInputDevice);
        connector.AppendMidiInDevice("keys", first);
        first->Emit(NoteOnMessage(60));
        // Replacing under a used name: the earlier device is no longer observed.
        connector.AppendMidiInDevice("keys", second);
        QCOMPARE(first->Observers(), 0);
        QCOMPARE(second->Observers(), 1);
        first->Emit(NoteOnMessage(61));
        second->Emit(NoteOnMessage(62));
        QCOMPARE(SentNotes(*out), (std::vector<int>{60, 62}));
        QCOMPARE(connector.GetMidiInDevice("keys").get(), second.get());

        // Appending the same device again under its own name keeps one registration.
        connector.AppendMidiInDevice("keys", second);
        QCOMPARE(second->Observers(), 1);
        second->Emit(NoteOnMessage(63));
        QCOMPARE(SentNotes(*out), (std::vector<int>{60, 62, 63}));

        QCOMPARE(connector.RemoveMidiInDevice("keys"), std::size_t(1));
        QCOMPARE(second->Observers(), 0);
        QVERIFY(!connector.GetMidiInDevice("keys"));
        second->Emit(NoteOnMessage(64));
        QCOMPARE(out->Sent().size(), std::size_t(3));
    }

    // One device under two names stays routed until its last name is removed.
    void sameDeviceUnderTwoNames()
    {
        const OutPtr out(new RecordingOutputDevice);
        const InPtr in(new TestInputDevice);
        MidiDeviceConnector connector(out);
        connector.AppendMidiInDevice("a", in);
        connector.AppendMidiInDevice("b", in);
        in->Emit(NoteOnMessage(60));
        QCOMPARE(out->Sent().size(), std::size_t(1)); // once, not twice
        QCOMPARE(connector.RemoveMidiInDevice("a"), std::size_t(1));
        in->Emit(NoteOnMessage(61));
        QCOMPARE(SentNotes(*out), (std::vector<int>{60, 61}));
        connector.AppendMidiInDevice("b", InPtr(new TestInputDevice));
        QCOMPARE(in->Observers(), 0);
    }

    void connectorKeepsItsDevicesAlive()
    {
        boost::weak_ptr<RecordingOutputDevice> weakOut;
        boost::weak_ptr<TestInputDevice> weakIn;
        std::unique_ptr<MidiDeviceConnector> connector;
        {
            const InPtr in(new TestInputDevice);
            const OutPtr out(new RecordingOutputDevice);
            weakIn = in;
            weakOut = out;
            connector.reset(new MidiDeviceConnector(in, out));
        }
        QVERIFY(!weakIn.expired());
        QVERIFY(!weakOut.expired());
        connector.reset();
        QVERIFY(weakIn.expired());
        QVERIFY(weakOut.expired());
    }

    // The application's chain: the stream player, through the connector, to the output, on
    // the timer thread; destroying the connector releases and stops the player.
    void playerThroughConnector()
    {
        boost::shared_ptr<MidiStream> stream(new MidiStream);
        stream->AddEvent(MidiEvent(NoteOnMessage(60), 0, 0.0));
        stream->AddEvent(MidiEvent(MidiMessage(NoteOff, 0, 60, 0), 0, 0.1));
        boost::shared_ptr<MidiInStreamDeviceAuto> player(new MidiInStreamDeviceAuto(stream));
        const OutPtr out(new RecordingOutputDevice);
        CompletionCounter completion;
        player->AddObserver(&completion);
        std::unique_ptr<MidiDeviceConnector> connector(new MidiDeviceConnector(player, out));
        boost::weak_ptr<MidiInStreamDeviceAuto> weakPlayer = player;
        player->Play();
        QVERIFY(completion.WaitForCount(1));
        const auto sent = out->Sent();
        QCOMPARE(sent.size(), std::size_t(2));
        QVERIFY(sent[0].IsNoteOn());
        QVERIFY(sent[1].IsNoteOff());
        QVERIFY(out->Threads()[0] != std::this_thread::get_id());

        // Destroyed while playing: the player goes with the connector's last reference.
        player->RemoveObserver(&completion);
        player->SetStream(stream);
        player->Play();
        player.reset();
        connector.reset();
        QVERIFY(weakPlayer.expired());
        const std::size_t sentAtDestruction = out->Sent().size();
        QThread::msleep(50);
        QCOMPARE(out->Sent().size(), sentAtDestruction);
    }

    void listenerDeliversOnProducerThread()
    {
        AnswerReceiver receiver;
        const InPtr in(new TestInputDevice);
        MidiAnswerListener listener(&receiver, in);
        QCOMPARE(in->Observers(), 1);
        std::thread::id producer;
        std::thread midiThread([&] {
            producer = std::this_thread::get_id();
            in->Emit(NoteOnMessage(60));
            in->Emit(NoteOnMessage(61, 0)); // everything is passed on; the receiver judges
        });
        midiThread.join();
        QCOMPARE(receiver.Notes(), (std::vector<int>{60, 61}));
        QCOMPARE(receiver.Threads()[0], producer);

        // The same device again: registered once.
        listener.SetDevice(in);
        QCOMPARE(in->Observers(), 1);
        in->Emit(NoteOnMessage(62));
        QCOMPARE(receiver.Notes().size(), std::size_t(3));

        // Another device: the first stops delivering.
        const InPtr other(new TestInputDevice);
        listener.SetDevice(other);
        QCOMPARE(in->Observers(), 0);
        in->Emit(NoteOnMessage(63));
        other->Emit(NoteOnMessage(64));
        QCOMPARE(receiver.Notes(), (std::vector<int>{60, 61, 62, 64}));

        listener.SetDevice(InPtr());
        QCOMPARE(other->Observers(), 0);
    }

    // The listener does not keep its device alive and outlives it safely.
    void listenerHoldsDeviceWeakly()
    {
        AnswerReceiver receiver;
        boost::weak_ptr<TestInputDevice> weakIn;
        std::unique_ptr<MidiAnswerListener> listener;
        {
            const InPtr in(new TestInputDevice);
            weakIn = in;
            listener.reset(new MidiAnswerListener(&receiver, in));
        }
        QVERIFY(weakIn.expired());
        const InPtr next(new TestInputDevice);
        listener->SetDevice(next); // the old one is gone: nothing to remove
        next->Emit(NoteOnMessage(70));
        QCOMPARE(receiver.Notes(), std::vector<int>{70});
        listener.reset();
        QCOMPARE(next->Observers(), 0);

        MidiAnswerListener empty(&receiver, InPtr());
        empty.SetDevice(next);
        next->Emit(NoteOnMessage(71));
        QCOMPARE(receiver.Notes(), (std::vector<int>{70, 71}));
    }

    // Shutdown with input still arriving: once the listener is destroyed, the receiver is
    // never called again, even by a delivery that was under way.
    void listenerDestroyedWhileDeviceDelivers()
    {
        for (int round = 0; round < 10; ++round) {
            AnswerReceiver receiver;
            receiver.sleepUs = 1000;
            const InPtr in(new TestInputDevice);
            std::unique_ptr<MidiAnswerListener> listener(new MidiAnswerListener(&receiver, in));
            std::atomic<bool> stop{false};
            std::thread midiThread([&] {
                while (!stop)
                    in->Emit(NoteOnMessage(60));
            });
            while (receiver.Notes().empty())
                QThread::usleep(100);
            QThread::usleep(static_cast<unsigned long>(round * 200));
            listener.reset();
            receiver.dead = true;
            QThread::msleep(10);
            stop = true;
            midiThread.join();
            QVERIFY(!receiver.calledWhenDead);
        }
    }

    void concurrentSetDevice()
    {
        AnswerReceiver receiver;
        const InPtr a(new TestInputDevice), b(new TestInputDevice);
        MidiAnswerListener listener(&receiver, a);
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                for (int i = 0; i < 500; ++i)
                    listener.SetDevice((i + t) % 2 ? a : b);
            });
        for (std::thread& t : threads)
            t.join();
        QCOMPARE(a->Observers() + b->Observers(), 1);
    }

    void brokenPreconditionsStop()
    {
        CHECK_ASSERTION_STOPS("connector-without-input", "in.get() && MidiOut.get()", "MidiDeviceConnector",
                              "src/core/midi/midi_connector");
        CHECK_ASSERTION_STOPS("connector-without-output", "in.get() && MidiOut.get()", "MidiDeviceConnector",
                              "src/core/midi/midi_connector");
        CHECK_ASSERTION_STOPS("append-empty", "device.get()", "AppendMidiInDevice",
                              "src/core/midi/midi_connector");
    }
};

TEST_MAIN_WITH_SCENARIOS(TestConnector, RunScenario)

#include "tst_connector.moc"
