#pragma once

#include "core/midi/midi.h"
#include "core/midi/subject.h"

#include <QMutex>
#include <QString>

#include <cstddef>

namespace Core {

// A source of timed MIDI events: a MIDI input port, a stream player, or a placeholder.
class MidiInDevice : public Subject<MidiDeviceObserver>
{
public:
    ~MidiInDevice() override = default;

    virtual QString GetName() const = 0;
    virtual void GetKeybardState(std::size_t channel, MidiKeyboardState& state) const = 0;
    virtual void Reset() = 0;
    virtual void Close() = 0;
    virtual void GetStream(MidiStream& stream) const = 0;
    virtual double GetVolume() const = 0;
    virtual void SetVolume(double volume) = 0;
    virtual bool IsOk() const { return true; }
};

// What every input device does with an event it produces: record it, track the keys of its
// channel, scale note-on velocities by the volume and tell the observers.
class MidiInDeviceBase : public MidiInDevice
{
public:
    // The recording keeps only this many of the most recent events: a keyboard that sends
    // clock or active sensing would otherwise grow it for as long as the program runs.
    static constexpr int RecordingLimit = 10000;

    MidiInDeviceBase();

    void GetKeybardState(std::size_t channel, MidiKeyboardState& state) const override;
    void Reset() override;
    void Close() override;
    void GetStream(MidiStream& stream) const override;
    double GetVolume() const override;
    void SetVolume(double volume) override;

protected:
    // Called on the thread that produced the event (MIDI back end or multimedia timer).
    void ProcessEvent(const MidiEvent& event);

private:
    void Record(const MidiEvent& event);
    void TrackKeys(const MidiMessage& message);

    // stateMutex guards keyboards, recording, recordingNext and volume: the producing thread
    // writes them in ProcessEvent, any thread may read them or set the volume. It is never
    // held while observers run.
    mutable QMutex stateMutex;
    MidiKeyboardState keyboards[MidiChannelCount];
    MidiStream recording;
    int recordingNext = 0; // once the recording is full: the slot the next event overwrites
    double volume;
};

// A named source that produces nothing.
class MidiInWaveDevice : public MidiInDeviceBase
{
public:
    QString GetName() const override;
    void Reset() override;
};

// A sink that makes MIDI messages sound.
class MidiOutDevice : public Subject<MidiDeviceObserver>
{
public:
    ~MidiOutDevice() override = default;

    virtual QString GetName() const = 0;
    virtual void Reset() = 0;
    virtual void Stop() = 0;
    virtual void SendMessage(const MidiMessage& message) = 0;
    virtual double GetVolume() const = 0;
    virtual void SetVolume(double volume) = 0;
};

} // namespace Core
