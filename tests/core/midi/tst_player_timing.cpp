// When the automatic stream player's notes really start and end: at Play and on their mark,
// not at whichever 5 ms tick comes next, and without the idle time before Play.
#include "core/midi/midi_in_stream_device_auto.h"
#include "core/midi/multimedia_timer.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace Core;

namespace {

using Clock = std::chrono::steady_clock;
using StreamPtr = boost::shared_ptr<MidiStream>;

std::atomic<long long> simulatedNs{0};
long long SimulatedClock()
{
    return simulatedNs.load();
}

StreamPtr OneNote(int note, double seconds)
{
    StreamPtr stream(new MidiStream);
    const auto key = static_cast<unsigned char>(note);
    stream->AddEvent(MidiEvent(MidiMessage(NoteOn, 0, key, 96), 0, 0.0));
    stream->AddEvent(MidiEvent(MidiMessage(NoteOff, 0, key, 96), 0, seconds));
    return stream;
}

// Keeps the steady-clock arrival time of every event (the timer thread writes, the test
// reads; `lock` guards `times`).
class ArrivalClock : public MidiDeviceObserver
{
public:
    void OnMidiEvent(const MidiEvent&) override
    {
        const Clock::time_point now = Clock::now();
        QMutexLocker locker(&lock);
        times.push_back(now);
    }
    std::vector<Clock::time_point> Times() const
    {
        QMutexLocker locker(&lock);
        return times;
    }
    int Count() const { return static_cast<int>(Times().size()); }

private:
    mutable QMutex lock;
    std::vector<Clock::time_point> times;
};

// A player holding one 100 ms note, watched, on the simulated clock set to `startMs`.
struct SimulatedNote
{
    explicit SimulatedNote(long long startMs)
    {
        simulatedNs = startMs * 1000000;
        Timer::SetClock(&SimulatedClock);
        player.AddObserver(&arrivals);
        player.SetStream(OneNote(60, 0.1));
    }
    ~SimulatedNote() { player.RemoveObserver(&arrivals); }

    ArrivalClock arrivals;
    MidiInStreamDeviceAuto player{StreamPtr(new MidiStream)};
};

struct TickCount : MultimediaTimerObserver
{
    void OnTimer(long long) override { ++count; }
    std::atomic<int> count{0}; // written on the timer thread, read by the test
};

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace

class TestPlayerTiming : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Timer::SetClock(nullptr); }

    // The time between the last idle tick and Play is not playing time: a 100 ms note
    // started 4 ms after a tick still lasts 100 ms. The simulated clock stands still
    // between the test's own ticks, so the timer thread's ticks change nothing.
    void idleTimeBeforePlayDoesNotShortenTheNote()
    {
        SimulatedNote note(1000);
        MidiInStreamDeviceAuto& player = note.player;
        ArrivalClock& arrivals = note.arrivals;
        Timer::Tick();
        simulatedNs += 4 * 1000000;
        player.Play();
        Timer::Tick();
        QCOMPARE(arrivals.Count(), 1);
        simulatedNs += 99 * 1000000;
        Timer::Tick();
        QCOMPARE(arrivals.Count(), 1); // 99 ms played, not 103
        simulatedNs += 1 * 1000000;
        Timer::Tick();
        QCOMPARE(arrivals.Count(), 2);
    }

    // On the real clock: most notes start well inside the 5 ms tick period after Play and
    // end within a millisecond or so of their mark (a fixed 5 ms tick alone gets both
    // spread evenly over 5 ms). Generous quorums keep a loaded machine from failing it.
    void notesStartAtPlayAndEndOnTheirMark()
    {
        MidiInStreamDeviceAuto player(StreamPtr(new MidiStream));
        ArrivalClock arrivals;
        player.AddObserver(&arrivals);
        const int notes = 30;
        const double length = 0.2;
        std::vector<double> startDelays, endDelays;
        for (int i = 0; i < notes; ++i) {
            const int before = arrivals.Count();
            player.SetStream(OneNote(60, length));
            // Land at varying places of the tick period.
            std::this_thread::sleep_for(std::chrono::microseconds(700 * (i % 7)));
            const Clock::time_point played = Clock::now();
            player.Play();
            QTRY_VERIFY_WITH_TIMEOUT(arrivals.Count() >= before + 2, 5000);
            const std::vector<Clock::time_point> times = arrivals.Times();
            startDelays.push_back(Ms(times[before] - played));
            endDelays.push_back(Ms(times[before + 1] - played) - length * 1000.0);
        }
        player.RemoveObserver(&arrivals);
        const auto prompt = std::count_if(startDelays.begin(), startDelays.end(), [](double d) { return d <= 2.0; });
        const auto onMark = std::count_if(endDelays.begin(), endDelays.end(), [](double d) { return d >= -1.5 && d <= 2.0; });
        qInfo("start after Play: median %.2f ms, %d of %d within 2 ms; end after mark: median %.2f ms, %d within "
              "-1.5..2 ms",
              Median(startDelays), static_cast<int>(prompt), notes, Median(endDelays), static_cast<int>(onMark));
        QVERIFY(prompt >= notes * 2 / 3);
        QVERIFY(onMark >= notes * 2 / 3);
        // Never early by more than the millisecond stamps' rounding.
        QVERIFY(*std::min_element(endDelays.begin(), endDelays.end()) >= -1.5);
    }

    // Nothing to play, nothing to do: while its only observer rests the timer thread does
    // not tick at all; it ticks every 5 ms again as soon as the observer wants it, and an
    // idle player rests by itself.
    void restingObserversLetTheTimerSleep()
    {
        TickCount ticks;
        Timer::Add(&ticks);
        Timer::SetResting(&ticks, true);
        QTest::qWait(50); // a tick under way ends
        const int before = ticks.count.load();
        QTest::qWait(300);
        QCOMPARE(ticks.count.load(), before);

        Timer::SetResting(&ticks, false);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count.load() >= before + 10, 5000);

        Timer::SetResting(&ticks, true);
        {
            MidiInStreamDeviceAuto player(StreamPtr(new MidiStream));
            QTest::qWait(50);
            const int idle = ticks.count.load();
            QTest::qWait(300);
            QCOMPARE(ticks.count.load(), idle); // an idle player asks for no ticks

            ArrivalClock arrivals;
            player.AddObserver(&arrivals);
            player.SetStream(OneNote(60, 0.05));
            player.Play();
            QTRY_COMPARE_WITH_TIMEOUT(arrivals.Count(), 2, 5000);
            player.RemoveObserver(&arrivals);
            QTest::qWait(50);
            const int played = ticks.count.load();
            QTest::qWait(300);
            QCOMPARE(ticks.count.load(), played); // done playing: resting again
        }
        Timer::Remove(&ticks);
    }

    // A paused note resumes where it was: the pause does not count, and the rest is on time.
    void pauseKeepsTheRestOfTheNote()
    {
        SimulatedNote note(5000);
        MidiInStreamDeviceAuto& player = note.player;
        ArrivalClock& arrivals = note.arrivals;
        player.Play();
        Timer::Tick();
        QCOMPARE(arrivals.Count(), 1);
        simulatedNs += 60 * 1000000;
        Timer::Tick();
        player.Pause(true);
        simulatedNs += 500 * 1000000;
        Timer::Tick();
        simulatedNs += 3 * 1000000; // between ticks, then resumed
        player.Pause(false);
        simulatedNs += 39 * 1000000;
        Timer::Tick();
        QCOMPARE(arrivals.Count(), 1); // 99 ms played
        simulatedNs += 1 * 1000000;
        Timer::Tick();
        QCOMPARE(arrivals.Count(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPlayerTiming)
#include "tst_player_timing.moc"
