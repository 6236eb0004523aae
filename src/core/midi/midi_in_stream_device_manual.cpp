#include "core/midi/midi_in_stream_device_manual.h"

#include <QMutexLocker>

#include <cmath>

namespace Core {

MidiInStreamDeviceManual::MidiInStreamDeviceManual(boost::shared_ptr<MidiStream> stream)
    : MidiInStreamDeviceBase(stream)
{
    Reset();
}

void MidiInStreamDeviceManual::Reset()
{
    QMutexLocker lock(&mutex);
    cursor = 0.0;
    paused = false;
    MidiInStreamDeviceBase::Reset();
}

void MidiInStreamDeviceManual::Seek(int pulses)
{
    QMutexLocker lock(&mutex);
    MidiInStreamDeviceBase::Seek(pulses);
    cursor = pulses;
}

void MidiInStreamDeviceManual::Play()
{
    QMutexLocker lock(&mutex);
    MidiInStreamDeviceBase::Play();
    paused = false;
    Advance(0.0);
}

void MidiInStreamDeviceManual::Pause(bool pause)
{
    QMutexLocker lock(&mutex);
    paused = pause;
}

double MidiInStreamDeviceManual::GetCursor() const
{
    QMutexLocker lock(&mutex);
    return cursor;
}

bool MidiInStreamDeviceManual::EmitUpTo(double limit)
{
    // A cursor before 0 (after a seek to a negative position) has reached no event yet.
    if (limit < 0.0)
        return true;
    const double whole = std::trunc(limit);
    const boost::shared_ptr<MidiStream> playedStream = stream;
    const MidiStream::Events& events = playedStream->GetEvents();
    while (!IsAtEnd() && events.at(position).GetTimePulses() <= whole) {
        const MidiEvent event = events.at(position);
        ++position;
        const unsigned int resetsBefore = resets;
        ProcessEvent(event);
        if (resets != resetsBefore)
            return false;
    }
    return true;
}

void MidiInStreamDeviceManual::Advance(double pulses)
{
    bool completed = false;
    {
        QMutexLocker lock(&mutex);
        if (paused || IsAtEnd())
            return;
        cursor += pulses;
        if (!EmitUpTo(cursor))
            return;
        if (IsAtEnd()) {
            // Reset first, so that an observer may start the player again from its report.
            Reset();
            completed = true;
        } else {
            cursor += 1.0;
        }
    }
    if (completed)
        NotifyPlaybackComplete();
}

void MidiInStreamDeviceManual::AdvanceTo(double pulses)
{
    QMutexLocker lock(&mutex);
    if (paused || IsAtEnd())
        return;
    cursor = pulses;
    EmitUpTo(pulses);
}

} // namespace Core
