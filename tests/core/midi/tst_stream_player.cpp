#include "core/midi/midi_in_stream_device_auto.h"
#include "core/midi/midi_in_stream_device_manual.h"
#include "core/midi/multimedia_timer.h"

#include "child_scenario.h"
#include "event_recorder.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

using namespace Core;

namespace {

using StreamPtr = boost::shared_ptr<MidiStream>;

// Note n at seconds and pulses; the note tells the events apart.
MidiEvent Note(int note, double seconds, unsigned int pulses = 0)
{
    return MidiEvent(MidiMessage(NoteOn, 0, static_cast<unsigned char>(note), 100), pulses, seconds);
}

StreamPtr Stream(std::initializer_list<MidiEvent> events)
{
    StreamPtr stream(new MidiStream);
    for (const MidiEvent& event : events)
        stream->AddEvent(event);
    return stream;
}

std::vector<int> Notes(const EventRecorder& recorder)
{
    std::vector<int> notes;
    for (const ReceivedEvent& received : recorder.Events())
        notes.push_back(received.event.GetMessage().GetNote());
    return notes;
}

int Key(const MidiInDevice& device, std::size_t note)
{
    MidiKeyboardState state;
    device.GetKeybardState(0, state);
    return state.GetKey(note);
}

class TickCounter : public MultimediaTimerObserver
{
public:
    void OnTimer(long long stamp) override
    {
        if (dead)
            tickedWhenDead = true;
        if (stamp < last)
            wentBack = true;
        last = stamp;
        ++ticks;
        if (action)
            action();
    }
    std::atomic<int> ticks{0};
    std::atomic<long long> last{0};
    std::atomic<bool> wentBack{false};
    std::atomic<bool> dead{false};
    std::atomic<bool> tickedWhenDead{false};
    std::function<void()> action;
};

// Observes a player's events and end reports for as long as it lives.
struct PlayerWatch
{
    explicit PlayerWatch(MidiInStreamDeviceBase& player)
        : player(player)
    {
        player.AddObserver(&recorder);
        player.AddObserver(&completion);
    }
    ~PlayerWatch()
    {
        player.RemoveObserver(&recorder);
        player.RemoveObserver(&completion);
    }
    PlayerWatch(const PlayerWatch&) = delete;
    PlayerWatch& operator=(const PlayerWatch&) = delete;

    MidiInStreamDeviceBase& player;
    EventRecorder recorder;
    CompletionCounter completion;
};

void RunScenario(const char* name)
{
    if (QByteArray(name) == "add-from-tick") {
        TickCounter registering, extra;
        registering.action = [&extra] { Timer::Add(&extra); };
        Timer::Add(&registering);
        QThread::sleep(5);
    }
}

} // namespace

class TestStreamPlayer : public QObject
{
    Q_OBJECT

private slots:
    void timerTicksWithRisingStamps()
    {
        const long long before = Timer::GetStamp();
        TickCounter counter;
        QElapsedTimer window;
        window.start();
        const long long added = Timer::Add(&counter);
        QVERIFY(added >= before && added - before < 1000);
        QThread::msleep(500);
        Timer::Remove(&counter);
        const qint64 windowMs = window.elapsed();
        qInfo("ticks in %lld ms: %d", windowMs, counter.ticks.load());
        // Each tick is followed by a 5 ms sleep: never more than one per 5 ms. The machine
        // may be loaded, so only a loose lower bound is checked.
        QVERIFY2(counter.ticks >= 10 && counter.ticks <= windowMs / 5 + 1,
                 qPrintable(QString::number(counter.ticks)));
        QVERIFY(!counter.wentBack);
        QVERIFY(counter.last >= added);
    }

    void duplicateRegistrationTicksTwice()
    {
        TickCounter single, twice;
        // single runs first in every tick: it sees how often twice was called since its last call.
        std::vector<int> callsBetween;
        int previous = -1;
        single.action = [&] {
            const int now = twice.ticks;
            if (previous >= 0)
                callsBetween.push_back(now - previous);
            previous = now;
        };
        Timer::Add(&single);
        Timer::Add(&twice);
        Timer::Add(&twice);
        QThread::msleep(300);
        Timer::Remove(&single);
        Timer::Remove(&twice); // the first occurrence only
        // Before both registrations: 0 (and 1 between them), after: 2 per tick.
        QVERIFY(callsBetween.size() >= 10);
        const auto twos = std::count(callsBetween.begin(), callsBetween.end(), 2);
        QVERIFY(twos >= 5);
        QVERIFY(std::is_sorted(callsBetween.begin(), callsBetween.end()));
        QCOMPARE(callsBetween.back(), 2);
        const int ticksAfterRemove = twice.ticks;
        QThread::msleep(100);
        QVERIFY(twice.ticks > ticksAfterRemove); // still registered once
        Timer::Remove(&twice);
    }

    // Once Remove has returned no tick reaches the observer, even one that was under way.
    void removeWaitsForTick()
    {
        for (int round = 0; round < 20; ++round) {
            TickCounter counter;
            counter.action = [] { QThread::usleep(500); };
            Timer::Add(&counter);
            while (counter.ticks == 0)
                QThread::usleep(100);
            QThread::usleep(static_cast<unsigned long>(round * 300));
            Timer::Remove(&counter);
            counter.dead = true;
            QThread::msleep(12);
            QVERIFY(!counter.tickedWhenDead);
        }
    }

    void registeringFromTickStops()
    {
        CHECK_ASSERTION_STOPS("add-from-tick", "!onTimerThread", "Add", "src/core/midi/multimedia_timer");
    }

    // Note on at 0 s, a controller at 0.5 s: played on time on the timer thread, the end
    // reported once, then idle with the keys released.
    void playsTwoEventsOnTime()
    {
        MidiInStreamDeviceAuto player(Stream({Note(60, 0.0),
                                              MidiEvent(MidiMessage(ControlChange, 0, 7, 100), 0, 0.5)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        std::atomic<int> keyAtSecondEvent{-1};
        recorder.onEvent = [&](const MidiEvent& event) {
            if (event.GetMessage().GetCommand() == ControlChange)
                keyAtSecondEvent = Key(player, 60);
        };
        recorder.RestartClock();
        player.Play();
        QVERIFY(completion.WaitForCount(1));
        const auto events = recorder.Events();
        QCOMPARE(events.size(), std::size_t(2));
        qInfo("note on after %lld ms, event due at 500 ms after %lld ms", events[0].atMs, events[1].atMs);
        QVERIFY2(events[0].atMs < 400, qPrintable(QString::number(events[0].atMs)));
        QVERIFY2(events[1].atMs >= 400 && events[1].atMs < 2500, qPrintable(QString::number(events[1].atMs)));
        QVERIFY(events[0].thread != std::this_thread::get_id());
        QCOMPARE(events[1].thread, events[0].thread);
        QCOMPARE(keyAtSecondEvent.load(), 100);
        QCOMPARE(Key(player, 60), 0);
        QThread::msleep(200);
        QCOMPARE(completion.count.load(), 1);
        QCOMPARE(recorder.Count(), 2);
        // The record of emitted events.
        MidiStream recorded;
        player.GetStream(recorded);
        QCOMPARE(recorded.GetEvents().size(), 2);
        QCOMPARE(player.GetName(), QString());
    }

    // All due events go out in one tick, in stream order, unsorted, none dropped.
    void lateAndUnsortedEventsAllPlayed()
    {
        MidiInStreamDeviceAuto player(Stream({Note(1, 0.0), Note(2, 0.05), Note(3, 0.01), Note(4, 0.06)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        player.Play();
        QVERIFY(completion.WaitForCount(1));
        QCOMPARE(Notes(recorder), (std::vector<int>{1, 2, 3, 4}));
        const auto events = recorder.Events();
        QCOMPARE(events[2].event.GetTime(), 0.01); // stored times are kept
    }

    void playRewindsWhenIdleAndContinuesMidStream()
    {
        MidiInStreamDeviceAuto player(Stream({Note(1, 0.0, 0), Note(2, 0.05, 100), Note(3, 0.1, 200)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;

        player.Seek(100); // idle, positioned mid-stream: Play continues from there
        player.Play();
        QVERIFY(completion.WaitForCount(1));
        QCOMPARE(Notes(recorder), (std::vector<int>{2, 3}));

        player.Play(); // idle at the end: rewinds
        QVERIFY(completion.WaitForCount(2));
        QCOMPARE(Notes(recorder), (std::vector<int>{2, 3, 1, 2, 3}));
    }

    void pauseDelaysTheRest()
    {
        MidiInStreamDeviceAuto player(Stream({Note(1, 0.0), Note(2, 0.6)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        recorder.RestartClock();
        player.Play();
        QVERIFY(recorder.WaitForCount(1));
        player.Pause(true);
        QThread::msleep(1000);
        QCOMPARE(recorder.Count(), 1);
        QElapsedTimer resumed;
        resumed.start();
        player.Pause(false);
        QVERIFY(completion.WaitForCount(1));
        const auto events = recorder.Events();
        QCOMPARE(events.size(), std::size_t(2));
        qInfo("event due at 600 ms, paused 1000 ms: after %lld ms", events[1].atMs);
        QVERIFY2(events[1].atMs >= 1000 + 450, qPrintable(QString::number(events[1].atMs)));
        QVERIFY2(resumed.elapsed() >= 300, qPrintable(QString::number(resumed.elapsed())));
    }

    void emptyStreamPlaysNothing()
    {
        MidiInStreamDeviceAuto player(Stream({}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        player.Play();
        QThread::msleep(200);
        QCOMPARE(recorder.Count(), 0);
        QCOMPARE(completion.count.load(), 0);

        // A null stream is played as an empty one.
        MidiInStreamDeviceAuto nullPlayer{StreamPtr()};
        nullPlayer.AddObserver(&completion);
        nullPlayer.Play();
        QCOMPARE(nullPlayer.GetStream().GetEvents().size(), 0);
        nullPlayer.SetStream(StreamPtr());
        nullPlayer.Play();
        QThread::msleep(100);
        QCOMPARE(completion.count.load(), 0);
    }

    void setStreamDuringPlaybackStops()
    {
        MidiInStreamDeviceAuto player(Stream({Note(1, 0.0), Note(2, 3.0)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        player.Play();
        QVERIFY(recorder.WaitForCount(1));
        const StreamPtr next = Stream({Note(3, 0.0), Note(4, 0.05)});
        player.SetStream(next);
        QCOMPARE(&player.GetStream(), next.get());
        QCOMPARE(Key(player, 1), 0);
        QThread::msleep(700);
        QCOMPARE(Notes(recorder), std::vector<int>{1});
        QCOMPARE(completion.count.load(), 0);

        player.Play(); // the new stream from its start
        QVERIFY(completion.WaitForCount(1));
        QCOMPARE(Notes(recorder), (std::vector<int>{1, 3, 4}));
    }

    // The end report comes after the reset and outside the lock: the observer may start the
    // player again from it.
    void restartFromEndReport()
    {
        MidiInStreamDeviceAuto player(Stream({Note(1, 0.0), Note(2, 0.02)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        completion.onComplete = [&] {
            if (completion.count == 1)
                player.Play();
        };
        player.Play();
        QVERIFY(completion.WaitForCount(2));
        QCOMPARE(Notes(recorder), (std::vector<int>{1, 2, 1, 2}));
    }

    // An observer that resets the player from inside an event stops playback cleanly.
    void resetFromInsideEvent()
    {
        MidiInStreamDeviceAuto player(Stream({Note(1, 0.0), Note(2, 0.0), Note(3, 0.0)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        recorder.onEvent = [&](const MidiEvent& event) {
            if (event.GetMessage().GetNote() == 1)
                player.Reset();
        };
        player.Play();
        QVERIFY(recorder.WaitForCount(1));
        QThread::msleep(100);
        QCOMPARE(Notes(recorder), std::vector<int>{1});
        QCOMPARE(completion.count.load(), 0);
    }

    void seekPositions()
    {
        MidiInStreamDeviceManual player(Stream({Note(1, 0, 0), Note(2, 0, 480), Note(3, 0, 960)}));
        EventRecorder recorder;
        player.AddObserver(&recorder);
        player.Seek(480);
        player.AdvanceTo(480);
        QCOMPARE(Notes(recorder), std::vector<int>{2});

        player.Seek(2000); // the end: nothing left
        player.Advance(5000);
        player.AdvanceTo(5000);
        QCOMPARE(recorder.Count(), 1);

        player.Seek(481);
        player.AdvanceTo(100000);
        QCOMPARE(Notes(recorder), (std::vector<int>{2, 3}));

        player.Seek(-1);
        player.AdvanceTo(0);
        QCOMPARE(Notes(recorder), (std::vector<int>{2, 3, 1}));
    }

    void manualPlayback()
    {
        MidiInStreamDeviceManual player(Stream({Note(1, 0, 0), Note(2, 0, 96)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;

        player.Play();
        QCOMPARE(Notes(recorder), std::vector<int>{1});
        QCOMPARE(player.GetCursor(), 1.0);
        player.Advance(50);
        QCOMPARE(recorder.Count(), 1);
        QCOMPARE(player.GetCursor(), 52.0);
        player.Advance(44);
        QCOMPARE(Notes(recorder), (std::vector<int>{1, 2}));
        QCOMPARE(completion.count.load(), 1);
        QCOMPARE(player.GetCursor(), 0.0);
        QCOMPARE(Key(player, 2), 0);

        // Idle at the end: advancing does nothing until Play.
        player.Advance(1000);
        QCOMPARE(recorder.Count(), 2);
        QCOMPARE(player.GetCursor(), 0.0);

        // Paused: nothing moves.
        player.Play();
        player.Pause(true);
        player.Advance(500);
        player.AdvanceTo(500);
        QCOMPARE(recorder.Count(), 3);
        QCOMPARE(player.GetCursor(), 1.0);
        player.Pause(false);
        player.Advance(0.5);
        QCOMPARE(player.GetCursor(), 2.5);
        player.AdvanceTo(96.9); // truncated to 96: due
        QCOMPARE(recorder.Count(), 4);
        // Reaching the end by a jump neither reports nor resets.
        QCOMPARE(completion.count.load(), 1);
        QCOMPARE(player.GetCursor(), 96.9);
    }

    void manualRestartFromEndReportAndNegativeCursor()
    {
        MidiInStreamDeviceManual player(Stream({Note(1, 0, 0), Note(2, 0, 10)}));
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        completion.onComplete = [&] {
            if (completion.count == 1)
                player.Play();
        };
        player.Play();
        player.Advance(20); // ends, and the report starts it again
        QCOMPARE(Notes(recorder), (std::vector<int>{1, 2, 1}));
        QCOMPARE(player.GetCursor(), 1.0);

        // A cursor before the start has reached nothing.
        player.Seek(-5);
        player.Advance(0);
        QCOMPARE(recorder.Count(), 3);
        QCOMPARE(player.GetCursor(), -4.0);
        player.Advance(4);
        QCOMPARE(Notes(recorder), (std::vector<int>{1, 2, 1, 1}));
    }

    // Destroying a player while a tick plays it waits for the tick; none reaches it after.
    void destroyWhileTicking()
    {
        for (int round = 0; round < 10; ++round) {
            std::atomic<bool> inCallback{false};
            std::atomic<bool> destroyed{false};
            std::atomic<bool> calledAfterDestruction{false};
            EventRecorder recorder;
            recorder.onEvent = [&](const MidiEvent&) {
                if (destroyed)
                    calledAfterDestruction = true;
                inCallback = true;
                QThread::msleep(20);
                inCallback = false;
            };
            auto player = std::make_unique<MidiInStreamDeviceAuto>(Stream({Note(1, 0.0), Note(2, 0.0), Note(3, 10.0)}));
            player->AddObserver(&recorder);
            player->Play();
            while (!inCallback)
                QThread::usleep(100);
            player.reset();
            QVERIFY(!inCallback);
            destroyed = true;
            QThread::msleep(30);
            QVERIFY(!calledAfterDestruction);
            QVERIFY(recorder.Count() >= 1);
        }

        // Many short-lived players created and destroyed while others play.
        MidiInStreamDeviceAuto steady(Stream({Note(1, 0.0), Note(2, 0.5)}));
        steady.Play();
        for (int i = 0; i < 200; ++i) {
            MidiInStreamDeviceAuto shortLived(Stream({Note(1, 0.0), Note(2, 0.001)}));
            shortLived.Play();
            if (i % 3 == 0)
                QThread::usleep(2000);
        }
    }

    // Reset from another thread while the timer thread plays: once Reset returns, nothing more
    // of the stream goes out and no end is reported.
    void resetFromOtherThreadDuringPlayback()
    {
        StreamPtr dense(new MidiStream);
        for (int i = 0; i < 2000; ++i)
            dense->AddEvent(Note(i % 100, i * 0.001));
        MidiInStreamDeviceAuto player(dense);
        PlayerWatch watch(player);
        EventRecorder& recorder = watch.recorder;
        CompletionCounter& completion = watch.completion;
        for (int round = 0; round < 5; ++round) {
            const int before = recorder.Count();
            player.Play();
            QVERIFY(recorder.WaitForCount(before + 1));
            QThread::msleep(static_cast<unsigned long>(20 + round * 30));
            int countAtReset = 0;
            std::thread resetter([&] {
                player.Reset();
                countAtReset = recorder.Count();
            });
            resetter.join();
            QThread::msleep(60);
            QCOMPARE(recorder.Count(), countAtReset);
            QVERIFY(countAtReset < before + 2000);
            MidiKeyboardState state;
            player.GetKeybardState(0, state);
            for (std::size_t note = 0; note < MidiKeyCount; ++note)
                QCOMPARE(int(state.GetKey(note)), 0);
        }
        QCOMPARE(completion.count.load(), 0);
    }
};

TEST_MAIN_WITH_SCENARIOS(TestStreamPlayer, RunScenario)

#include "tst_stream_player.moc"
