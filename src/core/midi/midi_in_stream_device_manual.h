#pragma once

#include "core/midi/midi_in_stream_device_base.h"

namespace Core {

// A stream player driven by explicit calls with a position in pulses: the caller's thread
// emits the events that the cursor has reached.
class MidiInStreamDeviceManual : public MidiInStreamDeviceBase
{
public:
    explicit MidiInStreamDeviceManual(boost::shared_ptr<MidiStream> stream);

    void Reset() override;
    void Seek(int pulses) override;
    void Play() override;

    void Pause(bool pause);
    // Moves the cursor on by pulses and emits what is due; at the end of the stream the
    // player resets and reports the end.
    void Advance(double pulses);
    // Moves the cursor to pulses and emits what is due; the end is not reported.
    void AdvanceTo(double pulses);

    double GetCursor() const;

private:
    // Emits the events from position on up to limit pulses; false if an observer reset the
    // player meanwhile. Under mutex.
    bool EmitUpTo(double limit);

    // Guarded by the base's mutex.
    double cursor = 0.0; // in pulses
    bool paused = false;
};

} // namespace Core
