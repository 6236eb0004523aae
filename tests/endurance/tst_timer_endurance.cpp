// An hour of simulated time through the multimedia timer and the automatic stream player,
// driven tick by tick with a clock the test advances: every event must go out on the very
// tick at which its time has come, however long the player has been playing.

#include "core/midi/midi_in_stream_device_auto.h"
#include "core/midi/multimedia_timer.h"

#include <QMutex>
#include <QMutexLocker>
#include <QTest>

#include <atomic>
#include <memory>
#include <vector>

using namespace Core;

namespace {

// Nanoseconds of the simulated clock: about 100 days after boot, not on a millisecond.
const long long ClockStartNs = 8640000000123456LL;
const long long TickNs = 5000000;
const long long HourMs = 3600 * 1000;

std::atomic<long long> simulatedNs{ClockStartNs};

long long SimulatedClock()
{
    return simulatedNs.load();
}

// Every event the player emits, with the clock's stamp at that moment. Called on the timer
// thread or on the test thread (Timer::Tick), never both at once (the timer's lock).
class EmissionLog : public MidiDeviceObserver
{
public:
    struct Emission
    {
        int index;
        long long stamp;
    };

    void OnMidiEvent(const MidiEvent& event) override
    {
        QMutexLocker lock(&mutex);
        emissions.push_back({static_cast<int>(event.GetTimePulses()), Timer::GetStamp()});
    }

    std::vector<Emission> Take()
    {
        QMutexLocker lock(&mutex);
        return emissions;
    }

private:
    QMutex mutex; // guards emissions
    std::vector<Emission> emissions;
};

class CompletionCounter : public MidiInStreamDeviceObserver
{
public:
    void OnPlaybackComplete() override { ++count; }
    std::atomic<int> count{0};
};

// Checks the stamps the timer hands out: never backwards.
class StampWatch : public MultimediaTimerObserver
{
public:
    void OnTimer(long long stamp) override
    {
        if (stamp < last.load())
            wentBack = true;
        last = stamp;
    }
    std::atomic<long long> last{0};
    std::atomic<bool> wentBack{false};
};

// One event every 100 ms for an hour; an event's pulse time is its index. 0.1 s is not a
// binary fraction: an accumulated floating-point clock falls behind such times.
boost::shared_ptr<MidiStream> HourStream()
{
    boost::shared_ptr<MidiStream> stream(new MidiStream);
    for (int i = 0; i <= 36000; ++i)
        stream->AddEvent(MidiEvent(MidiMessage(NoteOn, 0, static_cast<unsigned char>(i % 100), 64),
                                   static_cast<unsigned int>(i), i / 10.0));
    return stream;
}

long long DueMs(int index)
{
    return index * 100LL;
}

// Registered with the timer for as long as it lives, however the test function ends.
struct TimerRegistration
{
    explicit TimerRegistration(MultimediaTimerObserver* observer) : observer(observer) { Timer::Add(observer); }
    ~TimerRegistration() { Timer::Remove(observer); }
    MultimediaTimerObserver* const observer;
};

} // namespace

class TestTimerEndurance : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        simulatedNs = ClockStartNs;
        Timer::SetClock(&SimulatedClock);
    }
    void cleanup() { Timer::SetClock(nullptr); }

    void anHourOfRegularTicksEmitsEveryEventOnItsTick();
    void anHourOfLateTicksEmitsEveryEventOnTheFirstTickAfterItsTime();
    void theSteadyClockIsBackAfterTheSimulation();
};

// Ticks exactly 5 ms apart, as on an idle machine: each event is due exactly on a tick.
void TestTimerEndurance::anHourOfRegularTicksEmitsEveryEventOnItsTick()
{
    StampWatch stamps;
    EmissionLog log;
    CompletionCounter completions;
    {
        TimerRegistration watching(&stamps);
        MidiInStreamDeviceAuto player(HourStream());
        player.AddObserver(static_cast<MidiDeviceObserver*>(&log));
        player.AddObserver(static_cast<MidiInStreamDeviceObserver*>(&completions));
        player.Play();
        const long long start = Timer::GetStamp();
        for (long long tick = 0; tick < HourMs * 1000000 / TickNs; ++tick) {
            simulatedNs += TickNs;
            Timer::Tick();
        }
        QCOMPARE(Timer::GetStamp() - start, HourMs);

        const std::vector<EmissionLog::Emission> emissions = log.Take();
        QCOMPARE(static_cast<int>(emissions.size()), 36001);
        for (int i = 0; i < static_cast<int>(emissions.size()); ++i) {
            QCOMPARE(emissions[i].index, i);
            // The first tick after Play comes 5 ms later; from then on events fall on ticks.
            const long long expected = qMax(DueMs(i), TickNs / 1000000);
            if (emissions[i].stamp - start != expected)
                QFAIL(qPrintable(QStringLiteral("event %1, due at %2 ms, went out at %3 ms")
                                     .arg(i).arg(DueMs(i)).arg(emissions[i].stamp - start)));
        }
        QCOMPARE(completions.count.load(), 1);
        player.RemoveObserver(static_cast<MidiDeviceObserver*>(&log));
        player.RemoveObserver(static_cast<MidiInStreamDeviceObserver*>(&completions));
    }
    QVERIFY(!stamps.wentBack);
    // The timer's own conversion: whole milliseconds of the clock, never rounded up.
    QCOMPARE(stamps.last.load(), (ClockStartNs + HourMs * 1000000) / 1000000);
}

// Ticks 5 to 8 ms apart, as on a loaded machine (the sleep overshoots, ticks do not catch
// up): an event goes out on the first tick at which its time has come, never before it.
void TestTimerEndurance::anHourOfLateTicksEmitsEveryEventOnTheFirstTickAfterItsTime()
{
    EmissionLog log;
    CompletionCounter completions;
    MidiInStreamDeviceAuto player(HourStream());
    player.AddObserver(static_cast<MidiDeviceObserver*>(&log));
    player.AddObserver(static_cast<MidiInStreamDeviceObserver*>(&completions));
    player.Play();
    const long long start = Timer::GetStamp();
    std::vector<long long> tickStamps; // played time at each tick of the test
    unsigned int random = 12345;
    while (Timer::GetStamp() - start < HourMs + 10) {
        random = random * 1103515245u + 12345u;
        simulatedNs += TickNs + static_cast<long long>(random % 3000000u);
        Timer::Tick();
        tickStamps.push_back(Timer::GetStamp() - start);
    }

    const std::vector<EmissionLog::Emission> emissions = log.Take();
    QCOMPARE(static_cast<int>(emissions.size()), 36001);
    std::size_t tick = 0;
    for (int i = 0; i < static_cast<int>(emissions.size()); ++i) {
        QCOMPARE(emissions[i].index, i);
        const long long played = emissions[i].stamp - start;
        while (tick < tickStamps.size() && tickStamps[tick] < played)
            ++tick;
        QVERIFY(tick < tickStamps.size());
        const long long previous = tick > 0 ? tickStamps[tick - 1] : -1; // -1: before Play
        if (played < DueMs(i) || previous >= DueMs(i))
            QFAIL(qPrintable(QStringLiteral("event %1, due at %2 ms, went out at %3 ms (tick before: %4 ms)")
                                 .arg(i).arg(DueMs(i)).arg(played).arg(previous)));
    }
    QCOMPARE(completions.count.load(), 1);
    player.RemoveObserver(static_cast<MidiDeviceObserver*>(&log));
    player.RemoveObserver(static_cast<MidiInStreamDeviceObserver*>(&completions));
}

// A player that lived through the simulation keeps working on real time, even though the
// real clock reads earlier than the simulated one did.
void TestTimerEndurance::theSteadyClockIsBackAfterTheSimulation()
{
    simulatedNs = 4LL * 365 * 24 * 3600 * 1000000000LL; // far ahead of the real clock
    boost::shared_ptr<MidiStream> stream(new MidiStream);
    stream->AddEvent(MidiEvent(MidiMessage(NoteOn, 0, 60, 64), 0, 0.0));
    stream->AddEvent(MidiEvent(MidiMessage(NoteOff, 0, 60, 0), 1, 0.2));
    MidiInStreamDeviceAuto player(stream);
    CompletionCounter completions;
    player.AddObserver(static_cast<MidiInStreamDeviceObserver*>(&completions));
    Timer::Tick();
    Timer::SetClock(nullptr);
    player.Play();
    // Played time counts from the next real tick; 0.2 s of it ends the stream.
    QTRY_COMPARE_WITH_TIMEOUT(completions.count.load(), 1, 10000);
    player.RemoveObserver(static_cast<MidiInStreamDeviceObserver*>(&completions));
}

QTEST_GUILESS_MAIN(TestTimerEndurance)
#include "tst_timer_endurance.moc"
