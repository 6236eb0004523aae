#pragma once

#include "core/midi/subject.h"

namespace Core {

// The multimedia timer: one background thread that calls every registered observer with a
// millisecond stamp of the monotonic clock, then sleeps 5 ms, for as long as the process
// runs. The thread starts with the first Add and is never stopped or joined. An observer
// that knows when it next has work asks for a tick then (RequestTick), and the sleep ends
// early for it: a note starts when it is played and ends on its mark, not up to a period
// later.
//
// Threads: Add and Remove may be called from any thread except the timer thread itself
// (an observer's OnTimer, and whatever it calls, must not register or unregister: the
// list's lock is held during every tick). Once Remove returns, no tick reaches the
// observer any more.
class Timer
{
public:
    Timer() = delete;

    // Appends the observer (duplicates are not checked) and returns the current stamp.
    static long long Add(MultimediaTimerObserver* observer);
    // Removes the first occurrence of the observer; waits for a tick in progress.
    static void Remove(MultimediaTimerObserver* observer);
    // Milliseconds of the clock in use.
    static long long GetStamp();
    // Asks for a tick as soon as the clock in use reaches `stamp` (at once if it has), even
    // when that falls inside the 5 ms sleep. May be called from any thread, the timer thread
    // and observers included; the regular ticks go on regardless.
    static void RequestTick(long long stamp);
    // An observer that rests needs no regular ticks for now (a player that plays nothing);
    // it still gets every tick that runs. While every registered observer rests, the thread
    // sleeps until a tick is requested or an observer stops resting. Observers are
    // registered active; the mark goes with the observer's last registration. Any thread.
    static void SetResting(MultimediaTimerObserver* observer, bool rest);

    // Nanoseconds of a monotonic clock.
    using NanosecondClock = long long (*)();
    // Replaces the clock the stamps are taken from; nullptr restores the steady clock. Lets
    // a test simulate time: with a clock it advances itself, it drives ticks with Tick(),
    // and the timer thread runs none of its own until the steady clock is back.
    static void SetClock(NanosecondClock clock);
    // Runs one tick on the calling thread, exactly as the timer thread does; the two are
    // serialised by the observer list's lock. Not to be called from an observer.
    static void Tick();

private:
    static void Start();
    static void Stop();
    static void OnTimer();
    static void ThreadProc();
};

} // namespace Core
