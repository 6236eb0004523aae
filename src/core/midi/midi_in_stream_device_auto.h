#pragma once

#include "core/midi/midi_in_stream_device_base.h"

namespace Core {

// A stream player driven by the multimedia timer: every tick emits the events whose time in
// seconds has come, measured in playing time since the start (pauses do not count).
//
// Threads: ticks (OnTimer), and so every emitted event and the end-of-playback report, run
// on the multimedia timer thread; the other operations may come from any thread. The
// player must not be created or destroyed on the timer thread. Destruction waits for a tick
// in progress, and no tick reaches the player afterwards.
class MidiInStreamDeviceAuto : public MidiInStreamDeviceBase, public MultimediaTimerObserver
{
public:
    explicit MidiInStreamDeviceAuto(boost::shared_ptr<MidiStream> stream);
    ~MidiInStreamDeviceAuto() override;

    void Reset() override;
    void Play() override;
    void OnTimer(long long stamp) override;

    // Pause(true) holds playback where it is; Pause(false) resumes.
    void Pause(bool pause);

private:
    void StartCounting();
    void Rest(bool rest);

    // Guarded by the base's mutex.
    long long lastStamp = 0; // stamp of the previous tick, in ms
    // Playing time since the last reset, counted in whole milliseconds: a sum of a million
    // 5 ms ticks in floating point would fall behind the event times it is compared with.
    long long playedMs = 0;
    double elapsed = 0.0; // the same in seconds
    bool playing = false;
    bool registered = false; // with the timer, between construction and destruction
};

} // namespace Core
