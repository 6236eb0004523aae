// Messages, subjects, the input device base, the stream player and timer, connector, listener.
#include "core/midi/midi_connector.h"
#include "core/midi/midi_in_stream_device_auto.h"
#include "core/midi/midi_out_mac_device.h"
#include "core/midi/multimedia_timer.h"
#include "support/event_log.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

using namespace Core;

namespace {

// An input device whose events the test produces, on any thread.
struct Keyboard : MidiInDeviceBase
{
    QString GetName() const override { return {}; }
    void Send(const MidiMessage& m, unsigned int pulses = 0) { ProcessEvent(MidiEvent(m, pulses, 0.0)); }
    int Observers() const { return ObserverCount(); }
};

struct Calls : MidiDeviceObserver, MidiInStreamDeviceObserver, MidiAnswerReceiver
{
    void OnMidiEvent(const MidiEvent& e) override
    {
        if (action)
            action();
        notes.push_back(e.GetMessage().GetByte(1)); // only for observers on one thread
        ++count;
    }
    void OnPlaybackComplete() override { ++ends; }
    void processMidiEvent(const MidiEvent& e) override { OnMidiEvent(e); }
    std::function<void()> action;
    std::vector<int> notes;
    std::atomic<int> count{0}, ends{0};
};

// A player with what it emits and reports; the observer outlives the player.
struct Watched
{
    explicit Watched(boost::shared_ptr<MidiStream> stream) : player(stream)
    {
        player.AddObserver(static_cast<MidiDeviceObserver*>(&calls));
        player.AddObserver(static_cast<MidiInStreamDeviceObserver*>(&calls));
    }
    Calls calls;
    MidiInStreamDeviceAuto player;
};

MidiEvent On(int note, double seconds, unsigned int pulses = 0)
{
    return MidiEvent(MidiMessage(NoteOn, 0, static_cast<unsigned char>(note), 96), pulses, seconds);
}

boost::shared_ptr<MidiStream> Stream(const std::vector<MidiEvent>& events)
{
    boost::shared_ptr<MidiStream> stream(new MidiStream);
    for (const MidiEvent& event : events)
        stream->AddEvent(event);
    return stream;
}

int Key(const MidiInDevice& device, std::size_t channel, std::size_t note)
{
    MidiKeyboardState state;
    device.GetKeybardState(channel, state);
    return state.GetKey(note);
}

// Simulated time: while it is installed the timer thread runs no ticks of its own.
std::atomic<long long> nowNs{8640000000123456LL}; // 100 days after boot, off the millisecond
long long SimulatedClock() { return nowNs.load(); }
void Pass(int ms)
{
    nowNs += ms * 1000000LL;
    Timer::Tick();
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Timer::SetClock(nullptr); }

    void messages()
    {
        const MidiMessage released(NoteOn, 0, 64, 0); // many keyboards send a key going up so
        QVERIFY(released.IsNoteOn() && !released.IsNoteAudible());
        QVERIFY(MidiMessage(NoteOn, 9, 64, 1).IsNoteAudible());
        QCOMPARE(int(MidiMessage(0xB9, 7, 3).GetChannel()), 9);
        std::vector<unsigned char> sysex(1000, 0x11); // keeps the three bytes there is room for
        sysex[0] = 0xF0;
        QCOMPARE(int(MidiMessage(sysex.data(), sysex.size()).GetLength()), 3);
    }

    // Each observer once, in registration order; one that leaves from its callback gets the
    // current event and no later one.
    void subjectNotifiesEachObserverOnce()
    {
        Keyboard keys;
        std::vector<Calls*> order;
        Calls first, second, leaving;
        first.action = [&] { order.push_back(&first); };
        second.action = [&] { order.push_back(&second); };
        leaving.action = [&] { keys.RemoveObserver(&leaving); };
        for (Calls* observer : {&second, &first, &second, &leaving})
            keys.AddObserver(observer);
        keys.Send(MidiMessage(NoteOn, 0, 60, 1));
        keys.Send(MidiMessage(NoteOn, 0, 61, 1));
        QCOMPARE(order, (std::vector<Calls*>{&second, &first, &second, &first}));
        QCOMPARE(leaving.notes, std::vector<int>{60});
    }

    // Once RemoveObserver has returned, a delivery on another thread never calls the observer
    // again: the listener and the connector are destroyed right after they leave.
    void removalWaitsForADeliveryElsewhere()
    {
        Keyboard keys;
        for (int round = 0; round < 20; ++round) {
            std::atomic<bool> gone{false}, late{false};
            Calls slow;
            slow.action = [&] {
                late = late || gone;
                QThread::usleep(300);
                late = late || gone;
            };
            keys.AddObserver(&slow);
            std::thread producer([&] {
                while (!gone)
                    keys.Send(MidiMessage(NoteOn, 0, 60, 1));
            });
            QTRY_VERIFY(slow.count > 0);
            QThread::usleep(static_cast<unsigned long>(round * 70));
            keys.RemoveObserver(&slow);
            gone = true;
            producer.join();
            QVERIFY(!late);
        }
    }

    // The keyboard state and the recording see events as received; observers see note-on
    // velocities scaled by the volume. The recording keeps the most recent events only: a
    // keyboard sending clock would grow it for as long as the program runs.
    void inputDeviceTracksKeysAndScalesVelocity()
    {
        Keyboard keys;
        EventLog seen;
        keys.AddObserver(&seen);
        const std::pair<MidiMessage, int> steps[] = {
            {MidiMessage(NoteOn, 15, 60, 100), 100}, {MidiMessage(NoteOn, 15, 60, 0), 0},
            {MidiMessage(Aftertouch, 2, 64, 30), 30}, // sets the key even when it is not down
            {MidiMessage(NoteOff, 2, 64, 30), 0},     {MidiMessage(NoteOn, 0, 120, 9), 0}}; // no slot for 120..127
        for (const auto& step : steps) {
            keys.Send(step.first);
            QCOMPARE(Key(keys, step.first.GetChannel(), std::min(119, int(step.first.GetNote()))), step.second);
        }
        keys.SetVolume(0.5);
        keys.Send(MidiMessage(NoteOn, 3, 61, 101));
        QCOMPARE(Key(keys, 3, 61), 101);
        QCOMPARE(int(seen.Events().back().GetMessage().GetVelocity()), 50);
        MidiStream recorded;
        keys.GetStream(recorded);
        QCOMPARE(recorded.GetEvents().size(), 6);
        QCOMPARE(int(recorded.GetEvents().last().GetMessage().GetVelocity()), 101);
        keys.Reset();
        QCOMPARE(Key(keys, 3, 61), 0);
        keys.SetVolume(1.7);
        QCOMPARE(keys.GetVolume(), 1.0);
        keys.SetVolume(-0.2);
        QCOMPARE(keys.GetVolume(), 0.0);
        const int total = MidiInDeviceBase::RecordingLimit + 1000;
        for (int i = 0; i < total; ++i)
            keys.Send(MidiMessage(0xF8, 0, 0), static_cast<unsigned int>(i));
        MidiStream bounded;
        keys.GetStream(bounded);
        QCOMPARE(bounded.GetEvents().size(), MidiInDeviceBase::RecordingLimit);
        QCOMPARE(bounded.GetEvents().first().GetTimePulses(), 1000u);
        QCOMPARE(bounded.GetEvents().last().GetTimePulses(), static_cast<unsigned int>(total - 1));
    }

    // Messages go out unchanged on the notifying thread; an input appended under a name in use
    // replaces the earlier one; the connector leaves its inputs when it goes.
    void connectorRoutesToTheOutput()
    {
        const boost::shared_ptr<Keyboard> first(new Keyboard), second(new Keyboard);
        const boost::shared_ptr<MidiOutMacDevice> synth(new MidiOutMacDevice);
        EventLog played;
        synth->AddObserver(&played);
        {
            MidiDeviceConnector connector(first, synth);
            first->Send(MidiMessage(ControlChange, 9, 7, 3));
            connector.AppendMidiInDevice(DEFAULT_MIDI_IN, second);
            first->Send(MidiMessage(NoteOn, 0, 61, 90));
            std::thread([&] { second->Send(MidiMessage(NoteOn, 0, 62, 90)); }).join();
            const std::vector<MidiEvent> sent = played.Events();
            QCOMPARE(sent.size(), std::size_t(2));
            QCOMPARE(int(sent[0].GetMessage().GetByte(0)), 0xB9);
            QCOMPARE(int(sent[1].GetMessage().GetNote()), 62);
            QVERIFY(played.Threads()[1] != QThread::currentThread());
        }
        QCOMPARE(second->Observers(), 0);
        synth->RemoveObserver(&played);
    }

    // Every event of the listener's one device reaches the application, whatever its velocity
    // (the application judges); a device it left, or that left it, tells it nothing more.
    void listenerFollowsItsDevice()
    {
        Calls application;
        const boost::shared_ptr<Keyboard> old(new Keyboard), replacement(new Keyboard);
        {
            MidiAnswerListener listener(&application, old);
            listener.SetDevice(old);
            old->Send(MidiMessage(NoteOn, 0, 60, 100));
            listener.SetDevice(replacement);
            old->Send(MidiMessage(NoteOn, 0, 61, 100));
            replacement->Send(MidiMessage(NoteOn, 0, 62, 0));
            QCOMPARE(application.notes, (std::vector<int>{60, 62}));
            QCOMPARE(old->Observers() + replacement->Observers(), 1);
        }
        QCOMPARE(replacement->Observers(), 0);
    }

    // Events go out by playing time, on the tick at which their time has come; idle time
    // before Play and paused time do not count. Then the end is reported once and the player
    // is idle with its keys released.
    void playerFollowsPlayingTimeAndStreamOrder()
    {
        Timer::SetClock(&SimulatedClock);
        Watched w(Stream({On(60, 0.0), MidiEvent(MidiMessage(NoteOff, 0, 60, 0), 0, 0.1)}));
        Pass(4);
        w.player.Play();
        Pass(0);
        QCOMPARE(Key(w.player, 0, 60), 96);
        Pass(60);
        w.player.Pause(true);
        Pass(500);
        w.player.Pause(false);
        Pass(39);
        QCOMPARE(w.calls.notes, std::vector<int>{60});
        Pass(1);
        QCOMPARE(w.calls.count.load(), 2);
        QCOMPARE(Key(w.player, 0, 60), 0);
        Pass(200);
        QCOMPARE(w.calls.ends.load(), 1);

        // Stream order is kept, also for an event stored earlier than the one before it; Play
        // continues mid-stream and rewinds an idle player; SetStream stops playback.
        Watched order(Stream({On(1, 0.0, 0), On(2, 0.05, 100), On(3, 0.01, 200), On(4, 0.06, 300)}));
        order.player.Seek(100);
        order.player.Play();
        Pass(49);
        QVERIFY(order.calls.notes.empty());
        Pass(1);
        QCOMPARE(order.calls.notes, (std::vector<int>{2, 3}));
        Pass(10);
        order.player.Play();
        Pass(0);
        QCOMPARE(order.calls.notes, (std::vector<int>{2, 3, 4, 1}));
        order.player.SetStream(Stream({On(5, 0.0), On(6, 0.05)}));
        Pass(1000);
        order.player.Play();
        Pass(0);
        Pass(50);
        QCOMPARE(order.calls.notes, (std::vector<int>{2, 3, 4, 1, 5, 6}));
        QCOMPARE(order.calls.ends.load(), 2);
    }

    // On the real clock each event goes out within a few milliseconds of its time: a note or
    // key echo never starts a timer period late.
    void playerSendsOnTime()
    {
        const int offsetsMs[] = {0, 23, 61, 98, 137, 176, 214, 262, 301, 347, 388, 433}, count = 12;
        std::vector<MidiEvent> events;
        for (int i = 0; i < count; ++i)
            events.push_back(On(i, offsetsMs[i] / 1000.0));
        Watched w(Stream(events));
        std::vector<std::chrono::steady_clock::time_point> sent;
        sent.reserve(size_t(count));
        w.calls.action = [&sent] { sent.push_back(std::chrono::steady_clock::now()); };
        QTest::qWait(50); // the timer idles before the first note, as between questions
        const auto start = std::chrono::steady_clock::now();
        w.player.Play();
        QTRY_COMPARE_WITH_TIMEOUT(w.calls.count.load(), count, 5000);
        for (int i = 0; i < count; ++i) {
            const auto lateMs = std::chrono::duration_cast<std::chrono::microseconds>(sent[size_t(i)] - start).count() / 1000.0
                                - offsetsMs[i];
            QVERIFY2(lateMs > -2 && lateMs < 15, qPrintable(QString("event %1 went out %2 ms late").arg(i).arg(lateMs)));
        }
    }

    // An hour of simulated time, ticked 5 to 8 ms apart as on a loaded machine (the sleep
    // overshoots, ticks do not catch up): every event goes out on the first tick at or after
    // its time, however long the player has played. A sum of float seconds would fall behind.
    void anHourOfPlayingKeepsTime()
    {
        Timer::SetClock(&SimulatedClock);
        std::vector<MidiEvent> events; // every 100 ms, 0.1 s being no binary fraction
        for (int i = 0; i <= 36000; ++i)
            events.push_back(On(i % 100, i / 10.0));
        Watched w(Stream(events));
        w.player.Play();
        const long long start = Timer::GetStamp();
        for (unsigned int random = 1; Timer::GetStamp() - start < 3600 * 1000 + 10;) {
            random = random * 1103515245u + 12345u;
            Pass(5 + static_cast<int>(random % 4));
            const long long due = std::min(36001LL, (Timer::GetStamp() - start) / 100 + 1);
            if (w.calls.count != due)
                QFAIL(qPrintable(QStringLiteral("%1 events out, %2 due").arg(w.calls.count.load()).arg(due)));
        }
        QCOMPARE(w.calls.ends.load(), 1);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
