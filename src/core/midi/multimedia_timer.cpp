#include "core/midi/multimedia_timer.h"

#include "core/midi/engine_assert.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include <pthread.h>
#include <sched.h>

namespace Core {

namespace {

const auto TickPeriod = std::chrono::microseconds(5000);
const long long NoRequest = LLONG_MAX;

struct TimerState
{
    QMutex Mutex; // guards Timers and TimerId; held during every tick's callbacks
    std::vector<MultimediaTimerObserver*> Timers;
    std::thread::id TimerId; // no thread until the first Add

    // Never held with Mutex by the timer thread: observers ask for ticks under Mutex.
    std::mutex wakeMutex; // guards requestedStamp, resting and activeRegistrations
    std::condition_variable wakeChanged;
    long long requestedStamp = NoRequest; // earliest stamp a tick is asked for
    std::vector<MultimediaTimerObserver*> resting; // registered, wanting no regular ticks now
    int activeRegistrations = 0; // registrations not resting: while 0, no regular ticks
};

// Deliberately never destroyed: the detached timer thread keeps ticking while the process
// exits and must not meet a destroyed mutex or list.
TimerState& State()
{
    static TimerState* const state = new TimerState;
    return *state;
}

long long SteadyClockNanoseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

// Read by whichever thread takes a stamp, replaced by a test's thread.
std::atomic<Timer::NanosecondClock> clockInUse{&SteadyClockNanoseconds};

// Set on the timer thread only: registering from a tick would wait for the tick's own lock.
thread_local bool onTimerThread = false;

} // namespace

long long Timer::Add(MultimediaTimerObserver* observer)
{
    CORE_ASSERT(!onTimerThread);
    TimerState& state = State();
    QMutexLocker lock(&state.Mutex);
    if (state.TimerId == std::thread::id())
        Start();
    state.Timers.push_back(observer);
    {
        std::lock_guard<std::mutex> wakeLock(state.wakeMutex);
        ++state.activeRegistrations;
        state.wakeChanged.notify_one();
    }
    return GetStamp();
}

void Timer::Remove(MultimediaTimerObserver* observer)
{
    CORE_ASSERT(!onTimerThread);
    TimerState& state = State();
    QMutexLocker lock(&state.Mutex);
    const auto it = std::find(state.Timers.begin(), state.Timers.end(), observer);
    if (it != state.Timers.end()) {
        state.Timers.erase(it);
        std::lock_guard<std::mutex> wakeLock(state.wakeMutex);
        const auto rest = std::find(state.resting.begin(), state.resting.end(), observer);
        if (rest != state.resting.end() && std::find(state.Timers.begin(), state.Timers.end(), observer) == state.Timers.end())
            state.resting.erase(rest); // its last registration: it no longer rests here
        else
            --state.activeRegistrations;
    }
    if (state.Timers.empty())
        Stop();
}

void Timer::SetResting(MultimediaTimerObserver* observer, bool rest)
{
    TimerState& state = State();
    std::lock_guard<std::mutex> lock(state.wakeMutex);
    const auto it = std::find(state.resting.begin(), state.resting.end(), observer);
    if (rest && it == state.resting.end()) {
        state.resting.push_back(observer);
        --state.activeRegistrations;
    } else if (!rest && it != state.resting.end()) {
        state.resting.erase(it);
        ++state.activeRegistrations;
        state.wakeChanged.notify_one();
    }
}

long long Timer::GetStamp()
{
    return clockInUse.load()() / 1000000;
}

void Timer::RequestTick(long long stamp)
{
    TimerState& state = State();
    std::lock_guard<std::mutex> lock(state.wakeMutex);
    if (stamp < state.requestedStamp) {
        state.requestedStamp = stamp;
        state.wakeChanged.notify_one();
    }
}

void Timer::SetClock(NanosecondClock clock)
{
    clockInUse.store(clock ? clock : &SteadyClockNanoseconds);
}

void Timer::Tick()
{
    CORE_ASSERT(!onTimerThread);
    OnTimer();
}

// Under Mutex.
void Timer::Start()
{
    std::thread thread(&Timer::ThreadProc);
    State().TimerId = thread.get_id();
    thread.detach();
}

// The thread runs until the process ends; with no observers a tick only takes the lock.
void Timer::Stop()
{
}

void Timer::OnTimer()
{
    TimerState& state = State();
    QMutexLocker lock(&state.Mutex);
    for (MultimediaTimerObserver* observer : state.Timers)
        observer->OnTimer(GetStamp());
}

void Timer::ThreadProc()
{
    onTimerThread = true;
    // Notes are timed on this thread: like FluidSynth's audio thread, it asks for real-time
    // scheduling, which the system grants to audio users (rtprio limit) or privileged
    // programs; elsewhere it stays an ordinary thread. A tick takes microseconds and the
    // thread sleeps between ticks, so it never holds a core.
    sched_param realTime{};
    realTime.sched_priority = std::min(10, sched_get_priority_max(SCHED_FIFO));
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &realTime);
    TimerState& state = State();
    for (;;) {
        {
            // This tick serves every request made so far; observers may ask again during it.
            std::lock_guard<std::mutex> lock(state.wakeMutex);
            state.requestedStamp = NoRequest;
        }
        // With a test's clock installed only Tick() runs ticks: simulated time then passes
        // exactly as the test says, with no tick of this thread in between.
        if (clockInUse.load() == &SteadyClockNanoseconds)
            OnTimer();
        // Sleep 5 ms, or until the clock reaches the earliest stamp asked for. While every
        // observer rests (or none is registered) only a request or an observer that wants
        // ticks again ends the sleep: a program that plays nothing costs nothing.
        const auto periodEnd = std::chrono::steady_clock::now() + TickPeriod;
        std::unique_lock<std::mutex> lock(state.wakeMutex);
        for (;;) {
            if (state.activeRegistrations <= 0 && state.requestedStamp == NoRequest) {
                state.wakeChanged.wait(lock);
                continue;
            }
            auto wakeAt = state.activeRegistrations > 0 ? periodEnd : std::chrono::steady_clock::time_point::max();
            if (state.requestedStamp != NoRequest) {
                const long long aheadNs = state.requestedStamp * 1000000 - clockInUse.load()();
                wakeAt = std::min(wakeAt, std::chrono::steady_clock::now() + std::chrono::nanoseconds(std::max(0LL, aheadNs)));
            }
            if (std::chrono::steady_clock::now() >= wakeAt)
                break;
            state.wakeChanged.wait_until(lock, wakeAt);
        }
    }
}

} // namespace Core
