#pragma once

#include "core/midi/midi_device.h"

#include <QString>
#include <boost/shared_ptr.hpp>

#include <cstddef>
#include <vector>

namespace Core {

class MidiDeviceConnector;

// An audio (wave) output device. The system has none; the manager's list stays empty.
class WaveOutDevice
{
public:
    virtual ~WaveOutDevice() = default;
};

// A change of the MIDI set-up, as the platform client reports it.
struct MIDINotification
{
    enum Kind
    {
        SetupChanged, // MIDI ports appeared, went away or were renamed
    };
    Kind messageID = SetupChanged;
};

// The platform client's notification function: calls the stored device-change handler,
// whatever the notification says.
void StateChangedHandler(const MIDINotification* notification, void* refCon);

// The MIDI devices the application may use: one input device per openable input port, and
// the built-in synthesizer as the one output device; the selected input and output; and the
// relay of MIDI set-up changes to one handler.
//
// Threads: all operations are called on the GUI thread, which must be the thread that
// constructs the first manager: set-up notifications reach the handler there, and only for
// changes in the set of selectable input ports (this program's own ports never count).
class SoundController
{
public:
    static constexpr std::size_t None = 0xFFFFFFFFu;

    // Enumerates the devices, then starts the platform client "Falmiro". A failing MIDI
    // back end throws Error (code 768 + RtMidi's error type).
    SoundController();
    virtual ~SoundController();

    SoundController(const SoundController&) = delete;
    SoundController& operator=(const SoundController&) = delete;

    // Rebuilds the input list (every port opened afresh) and selects the last input and
    // the synthesizer. True when there was an input device before or is one now.
    bool EnumerateDevices();
    bool UpdateDevices();

    std::size_t GetInputMidiDeviceCount() const;
    std::size_t GetOutputMidiDeviceCount() const;
    std::size_t GetOutputWaveDeviceCount() const;

    boost::shared_ptr<MidiInDevice> GetInputMidiDevice(std::size_t index);
    boost::shared_ptr<MidiOutDevice> GetOutputMidiDevice(std::size_t index);
    boost::shared_ptr<WaveOutDevice> GetOutputWaveDevice(std::size_t index);
    // The selected output device, or an empty pointer.
    boost::shared_ptr<MidiOutDevice> GetOutputMidiDevice();

    void SelectInputMidiDevice(std::size_t index);
    void SelectOutputMidiDevice(std::size_t index);
    void SelectOutputWaveDevice(std::size_t index);
    // Selects the first input device of that exact name; false (selection kept) if none.
    bool SelectInputMidiDevice(const QString& name);

    std::size_t GetSelectedInputMidiDevice() const;
    std::size_t GetSelectedOutputMidiDevice() const;
    std::size_t GetSelectedOutputWaveDevice() const;

    // The function called on the GUI thread after a set-up change; null stops relaying.
    static void SetMidiDeviceHandler(void (*handler)());

private:
    friend void StateChangedHandler(const MIDINotification*, void*);

    std::vector<boost::shared_ptr<MidiInDevice>> inputs;
    std::vector<boost::shared_ptr<MidiOutDevice>> outputs;
    std::vector<boost::shared_ptr<WaveOutDevice>> waveOutputs;
    std::size_t selectedInput;
    std::size_t selectedOutput;
    std::size_t selectedWaveOutput;
    boost::shared_ptr<MidiDeviceConnector> connector; // never set: the application owns its own

    static void (*midiDeviceChangedCallback)(); // GUI thread only
};

} // namespace Core
