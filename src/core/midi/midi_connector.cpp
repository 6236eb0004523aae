#include "core/midi/midi_connector.h"

#include "core/midi/engine_assert.h"

#include <QMutexLocker>

namespace Core {

MidiDeviceConnector::MidiDeviceConnector(boost::shared_ptr<MidiInDevice> in,
                                         boost::shared_ptr<MidiOutDevice> out)
    : MidiOut(out)
{
    CORE_ASSERT(in.get() && MidiOut.get());
    inputs[DEFAULT_MIDI_IN] = in;
    in->AddObserver(this);
}

MidiDeviceConnector::MidiDeviceConnector(boost::shared_ptr<MidiOutDevice> out)
    : MidiOut(out)
{
    CORE_ASSERT(MidiOut.get());
}

MidiDeviceConnector::~MidiDeviceConnector()
{
    for (const auto& entry : inputs)
        entry.second->RemoveObserver(this);
}

void MidiDeviceConnector::OnMidiEvent(const MidiEvent& event)
{
    MidiOut->SendMessage(event.GetMessage());
}

void MidiDeviceConnector::AppendMidiInDevice(const std::string& name,
                                             boost::shared_ptr<MidiInDevice> device)
{
    CORE_ASSERT(device.get());
    const auto it = inputs.find(name);
    if (it != inputs.end()) {
        const boost::shared_ptr<MidiInDevice> previous = it->second;
        inputs.erase(it);
        Detach(previous.get());
    }
    inputs[name] = device;
    device->AddObserver(this);
}

std::size_t MidiDeviceConnector::RemoveMidiInDevice(const std::string& name)
{
    const auto it = inputs.find(name);
    if (it == inputs.end())
        return 0;
    const boost::shared_ptr<MidiInDevice> device = it->second;
    inputs.erase(it);
    Detach(device.get());
    return 1;
}

boost::shared_ptr<MidiInDevice> MidiDeviceConnector::GetMidiInDevice(const std::string& name) const
{
    const auto it = inputs.find(name);
    return it == inputs.end() ? boost::shared_ptr<MidiInDevice>() : it->second;
}

boost::shared_ptr<MidiOutDevice> MidiDeviceConnector::GetMidiOutDevice() const
{
    return MidiOut;
}

void MidiDeviceConnector::SetVolume(const std::string& name, double volume)
{
    const auto it = inputs.find(name);
    if (it != inputs.end())
        it->second->SetVolume(volume);
}

double MidiDeviceConnector::GetVolume(const std::string& name) const
{
    const auto it = inputs.find(name);
    return it == inputs.end() ? 0.0 : it->second->GetVolume();
}

void MidiDeviceConnector::Detach(MidiInDevice* device)
{
    for (const auto& entry : inputs)
        if (entry.second.get() == device)
            return;
    device->RemoveObserver(this);
}

MidiAnswerListener::MidiAnswerListener(MidiAnswerReceiver* application,
                                       boost::shared_ptr<MidiInDevice> device)
    : application(application)
{
    CORE_ASSERT(application);
    SetDevice(device);
}

MidiAnswerListener::~MidiAnswerListener()
{
    QMutexLocker lock(&mutex);
    if (const boost::shared_ptr<MidiInDevice> observed = device.lock())
        observed->RemoveObserver(this);
}

void MidiAnswerListener::SetDevice(boost::shared_ptr<MidiInDevice> newDevice)
{
    QMutexLocker lock(&mutex);
    if (const boost::shared_ptr<MidiInDevice> observed = device.lock())
        observed->RemoveObserver(this);
    device = newDevice;
    if (newDevice)
        newDevice->AddObserver(this);
}

void MidiAnswerListener::OnMidiEvent(const MidiEvent& event)
{
    application->processMidiEvent(event);
}

} // namespace Core
