#pragma once

#include "core/midi/subject.h"

#include <QMutex>

#include <array>
#include <chrono>

// Watches an output device and keeps, for every note number, the steady-clock time of the
// latest note-on and note-off that reached the synthesizer. Note-ons of velocity 0 count as
// note-offs.
//
// Threads: OnMidiEvent comes from whichever thread sends to the device (the multimedia
// timer thread for played notes); the readers run on the benchmark's thread. `lock` guards
// both tables.
class NoteClock : public Core::MidiDeviceObserver
{
public:
    using Clock = std::chrono::steady_clock;

    void OnMidiEvent(const Core::MidiEvent& event) override;

    // Time of the latest note-on (note-off) of `note`; the clock's epoch when none came yet.
    Clock::time_point LastOn(int note) const;
    Clock::time_point LastOff(int note) const;
    // Waits, up to `timeout`, for a note-on (note-off) of `note` later than `after`; true
    // when one came, with its time in `when`.
    bool WaitOn(int note, Clock::time_point after, Clock::duration timeout, Clock::time_point& when) const;
    bool WaitOff(int note, Clock::time_point after, Clock::duration timeout, Clock::time_point& when) const;

private:
    bool Wait(const std::array<Clock::time_point, 128>& table, int note, Clock::time_point after,
              Clock::duration timeout, Clock::time_point& when) const;

    mutable QMutex lock;
    std::array<Clock::time_point, 128> ons{};
    std::array<Clock::time_point, 128> offs{};
};
