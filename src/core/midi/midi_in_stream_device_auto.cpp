#include "core/midi/midi_in_stream_device_auto.h"

#include "core/midi/multimedia_timer.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace Core {

MidiInStreamDeviceAuto::MidiInStreamDeviceAuto(boost::shared_ptr<MidiStream> stream)
    : MidiInStreamDeviceBase(stream)
    , lastStamp(Timer::GetStamp())
{
    Reset();
    // Not under the player's lock: a tick holds the timer's lock and then takes the player's.
    const long long stamp = Timer::Add(this);
    QMutexLocker lock(&mutex);
    lastStamp = stamp;
    registered = true;
    Rest(!playing);
}

MidiInStreamDeviceAuto::~MidiInStreamDeviceAuto()
{
    {
        QMutexLocker lock(&mutex);
        registered = false;
    }
    Timer::Remove(this);
}

// Under the lock. Idle or paused, the player needs no ticks: the timer may sleep.
void MidiInStreamDeviceAuto::Rest(bool rest)
{
    if (registered)
        Timer::SetResting(this, rest);
}

void MidiInStreamDeviceAuto::Reset()
{
    QMutexLocker lock(&mutex);
    MidiInStreamDeviceBase::Reset();
    playedMs = 0;
    elapsed = 0.0;
    playing = false;
    Rest(true);
}

void MidiInStreamDeviceAuto::Play()
{
    {
        QMutexLocker lock(&mutex);
        MidiInStreamDeviceBase::Play();
        StartCounting();
    }
    Timer::RequestTick(Timer::GetStamp()); // the first event goes out now, not at the next tick
}

void MidiInStreamDeviceAuto::Pause(bool pause)
{
    {
        QMutexLocker lock(&mutex);
        if (pause) {
            playing = false;
            Rest(true);
            return;
        }
        StartCounting();
    }
    Timer::RequestTick(Timer::GetStamp());
}

// Under the lock. Playing time counts from now: the time since the last tick was spent idle
// or paused.
void MidiInStreamDeviceAuto::StartCounting()
{
    if (!playing)
        lastStamp = Timer::GetStamp();
    playing = true;
    Rest(false);
}

void MidiInStreamDeviceAuto::OnTimer(long long stamp)
{
    bool completed = false;
    {
        QMutexLocker lock(&mutex);
        if (!playing || IsAtEnd()) {
            lastStamp = stamp;
            return;
        }
        if (stamp > lastStamp)
            playedMs += stamp - lastStamp; // a clock never runs back; should one, no time passed
        lastStamp = stamp;
        elapsed = static_cast<double>(playedMs) / 1000.0;

        // Held for the whole tick: an observer may replace the stream while we emit.
        const boost::shared_ptr<MidiStream> playedStream = stream;
        const MidiStream::Events& events = playedStream->GetEvents();
        while (elapsed >= events.at(position).GetTime()) {
            const MidiEvent event = events.at(position);
            ++position;
            const unsigned int resetsBefore = resets;
            ProcessEvent(event);
            if (resets != resetsBefore)
                break; // an observer reset the player or replaced its stream
            if (IsAtEnd()) {
                Reset();
                completed = true;
                break;
            }
            if (!playing)
                break; // an observer paused the player
        }
        if (playing && !IsAtEnd()) {
            // A tick on the millisecond the next event falls due: it ends on its mark rather
            // than up to a period late.
            const double dueMs = std::ceil(stream->GetEvents().at(position).GetTime() * 1000.0 - 1e-6);
            Timer::RequestTick(lastStamp + std::max(1LL, static_cast<long long>(dueMs) - playedMs));
        }
    }
    if (completed)
        NotifyPlaybackComplete();
}

} // namespace Core
