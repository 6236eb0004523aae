#pragma once

#include "core/midi/midi_device.h"

#include <QRecursiveMutex>
#include <boost/shared_ptr.hpp>

namespace Core {

// Plays a stream as if its events came from an input port: each due event goes through
// ProcessEvent (recorded, tracked, volume-scaled, passed to the MidiDeviceObservers); the
// end of a stream is reported to the MidiInStreamDeviceObservers.
//
// Threads: SetStream, Play, Reset and Seek may come from any thread (the GUI thread, the
// MIDI back end's thread); playback runs on the thread that drives the player. mutex keeps
// them from overlapping.
class MidiInStreamDeviceBase : public MidiInDeviceBase, public Subject<MidiInStreamDeviceObserver>
{
public:
    // A null stream plays as an empty one.
    explicit MidiInStreamDeviceBase(boost::shared_ptr<MidiStream> stream);

    // Both subjects are reachable by the observer's type.
    using Subject<MidiDeviceObserver>::AddObserver;
    using Subject<MidiDeviceObserver>::RemoveObserver;
    using Subject<MidiInStreamDeviceObserver>::AddObserver;
    using Subject<MidiInStreamDeviceObserver>::RemoveObserver;
    // The record of emitted events, as for any input device.
    using MidiInDeviceBase::GetStream;

    QString GetName() const override;
    void Reset() override;
    virtual void Seek(int pulses);
    virtual void Play();

    // Replaces the stream and resets the player: nothing more of the old stream is played.
    void SetStream(boost::shared_ptr<MidiStream> stream);
    // The stream being played.
    MidiStream& GetStream() const;

protected:
    bool IsAtEnd() const; // under mutex
    void NotifyPlaybackComplete();

    // mutex guards stream, position, resets and the derived classes' play state. Recursive:
    // the derived operations lock it and call base operations that lock it again, and an
    // observer called during playback may call back into the player.
    mutable QRecursiveMutex mutex;
    boost::shared_ptr<MidiStream> stream;
    int position = 0; // index of the next event to emit; the event count when nothing is left
    // Counts Reset calls, so that playback notices when an observer it called reset the
    // player (or gave it a new stream) and drops what it was doing with the old position.
    unsigned int resets = 0;
};

} // namespace Core
