#pragma once

#include "core/midi/midi_device.h"

#include <QMutex>
#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <map>
#include <string>

namespace Core {

// The name under which the connector's constructor registers its input device.
constexpr char DEFAULT_MIDI_IN[] = "DEFAULT_MIDI_IN_DEVICE";

// Sends every message that one of its input devices produces, unchanged, to its output.
//
// Threads: OnMidiEvent runs on the thread of the notifying input device (the multimedia
// timer thread for a stream player) and reads only the output, which never changes. The
// input list is changed and read on one thread (the GUI thread); the devices' own locks
// guard their observer lists. The destructor unregisters from every input, and no event
// reaches the connector once it has.
class MidiDeviceConnector : public MidiDeviceObserver
{
public:
    MidiDeviceConnector(boost::shared_ptr<MidiInDevice> in, boost::shared_ptr<MidiOutDevice> out);
    explicit MidiDeviceConnector(boost::shared_ptr<MidiOutDevice> out);
    ~MidiDeviceConnector() override;

    MidiDeviceConnector(const MidiDeviceConnector&) = delete;
    MidiDeviceConnector& operator=(const MidiDeviceConnector&) = delete;

    void OnMidiEvent(const MidiEvent& event) override;

    // Registers the device under name, replacing (and no longer observing) a device
    // registered under it before.
    void AppendMidiInDevice(const std::string& name, boost::shared_ptr<MidiInDevice> device);
    // Returns the number of entries removed: 0 or 1.
    std::size_t RemoveMidiInDevice(const std::string& name);
    boost::shared_ptr<MidiInDevice> GetMidiInDevice(const std::string& name) const;
    boost::shared_ptr<MidiOutDevice> GetMidiOutDevice() const;
    void SetVolume(const std::string& name, double volume);
    // 0.0 for a name that is not registered.
    double GetVolume(const std::string& name) const;

private:
    // Stops observing the device unless it is still registered under another name.
    void Detach(MidiInDevice* device);

    std::map<std::string, boost::shared_ptr<MidiInDevice>> inputs;
    const boost::shared_ptr<MidiOutDevice> MidiOut;
};

// What the answer listener hands MIDI input to: the application.
class MidiAnswerReceiver
{
public:
    virtual ~MidiAnswerReceiver() = default;
    virtual void processMidiEvent(const MidiEvent& evt) = 0;
};

// Hands every event of one input device (a MIDI keyboard) to the receiver at once, on the
// device's thread. Holds the device weakly: its owner decides how long it lives.
//
// Threads: OnMidiEvent runs on the MIDI back end's thread and takes no lock; mutex orders
// SetDevice and the destructor, which may come from any thread. Once SetDevice or the
// destructor has returned, the device it left no longer reaches the listener.
class MidiAnswerListener : public MidiDeviceObserver
{
public:
    // A null device observes nothing until SetDevice.
    MidiAnswerListener(MidiAnswerReceiver* application, boost::shared_ptr<MidiInDevice> device);
    ~MidiAnswerListener() override;

    MidiAnswerListener(const MidiAnswerListener&) = delete;
    MidiAnswerListener& operator=(const MidiAnswerListener&) = delete;

    void SetDevice(boost::shared_ptr<MidiInDevice> device);
    void OnMidiEvent(const MidiEvent& event) override;

private:
    QMutex mutex; // guards device
    MidiAnswerReceiver* const application;
    boost::weak_ptr<MidiInDevice> device;
};

} // namespace Core
