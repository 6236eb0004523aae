#include "note_clock.h"

#include "core/midi/midi.h"

#include <QMutexLocker>

#include <thread>

void NoteClock::OnMidiEvent(const Core::MidiEvent& event)
{
    const Clock::time_point now = Clock::now();
    const Core::MidiMessage& message = event.GetMessage();
    if (message.GetLength() < 3)
        return;
    const unsigned char status = message.GetRawData()[0] & 0xF0;
    const int note = message.GetRawData()[1] & 0x7F;
    const int velocity = message.GetRawData()[2] & 0x7F;
    QMutexLocker locker(&lock);
    if (status == 0x90 && velocity > 0)
        ons[note] = now;
    else if (status == 0x80 || status == 0x90)
        offs[note] = now;
}

NoteClock::Clock::time_point NoteClock::LastOn(int note) const
{
    QMutexLocker locker(&lock);
    return ons.at(note);
}

NoteClock::Clock::time_point NoteClock::LastOff(int note) const
{
    QMutexLocker locker(&lock);
    return offs.at(note);
}

bool NoteClock::WaitOn(int note, Clock::time_point after, Clock::duration timeout, Clock::time_point& when) const
{
    return Wait(ons, note, after, timeout, when);
}

bool NoteClock::WaitOff(int note, Clock::time_point after, Clock::duration timeout, Clock::time_point& when) const
{
    return Wait(offs, note, after, timeout, when);
}

// Polls rather than blocks: the waiting thread must not be the one that wakes late.
bool NoteClock::Wait(const std::array<Clock::time_point, 128>& table, int note, Clock::time_point after,
                     Clock::duration timeout, Clock::time_point& when) const
{
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        {
            QMutexLocker locker(&lock);
            if (table.at(note) > after) {
                when = table.at(note);
                return true;
            }
        }
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}
