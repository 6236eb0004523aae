#include "core/midi/sound_controller.h"

#include "core/midi/midi_device_rt.h"
#include "core/midi/midi_out_mac_device.h"

#include <QStringList>
#include <QTimer>

namespace Core {

namespace {

// The selectable input ports as the last check or enumeration saw them (GUI thread only).
QStringList& KnownInputPorts()
{
    static QStringList ports;
    return ports;
}

QStringList SortedInputPorts()
{
    QStringList ports = ListMidiInputPorts();
    ports.sort();
    return ports;
}

// GUI thread, after the platform reported something: relays a change in the set of
// selectable ports, or the loss of an input in use (a keyboard plugged back at once comes
// back under the same name, yet its old connection is gone). The ports this program opens
// itself are never in that set, so its own enumerations cannot feed notifications back.
void CheckInputPorts()
{
    const bool inputLost = MidiSetupWatcher::TakeInputLost();
    const QStringList ports = SortedInputPorts();
    if (ports == KnownInputPorts() && !inputLost)
        return;
    KnownInputPorts() = ports;
    const MIDINotification notification;
    StateChangedHandler(&notification, nullptr);
}

} // namespace

void (*SoundController::midiDeviceChangedCallback)() = nullptr;

void StateChangedHandler(const MIDINotification*, void*)
{
    if (SoundController::midiDeviceChangedCallback)
        SoundController::midiDeviceChangedCallback();
}

SoundController::SoundController()
    : selectedInput(None)
    , selectedOutput(None)
    , selectedWaveOutput(None)
{
    EnumerateDevices();
    const MidiBackend backend = CurrentMidiBackend();
    if (backend != MidiBackend::None && !MidiSetupWatcher::IsRunning()) {
        // Once changes are watched, look again: a keyboard that came or went while the
        // devices were being opened is reported, once the caller has set its handler.
        if (MidiSetupWatcher::Start(backend, CheckInputPorts))
            QTimer::singleShot(0, CheckInputPorts);
    }
}

SoundController::~SoundController() = default;

bool SoundController::EnumerateDevices()
{
    const unsigned int count = MidiInRtDevice::GetPortCount();
    bool changed = false;
    if (!inputs.empty()) {
        inputs.clear();
        changed = true;
    }
    if (count != inputs.size()) {
        for (unsigned int port = 0; port < count; ++port) {
            boost::shared_ptr<MidiInDevice> device(new MidiInRtDevice(port));
            if (device->IsOk())
                inputs.push_back(device);
        }
        changed = true;
    }
    if (outputs.empty())
        outputs.push_back(boost::shared_ptr<MidiOutDevice>(new MidiOutMacDevice));
    selectedInput = inputs.empty() ? None : inputs.size() - 1;
    selectedOutput = 0;
    // What the next check compares with is what is open now. A port that was still listed
    // while it went away (or could not be opened) is then a change again.
    QStringList opened;
    for (const auto& input : inputs)
        opened << input->GetName();
    opened.sort();
    KnownInputPorts() = opened;
    return changed;
}

bool SoundController::UpdateDevices()
{
    return EnumerateDevices();
}

std::size_t SoundController::GetInputMidiDeviceCount() const
{
    return inputs.size();
}

std::size_t SoundController::GetOutputMidiDeviceCount() const
{
    return outputs.size();
}

std::size_t SoundController::GetOutputWaveDeviceCount() const
{
    return waveOutputs.size();
}

boost::shared_ptr<MidiInDevice> SoundController::GetInputMidiDevice(std::size_t index)
{
    return inputs.at(index);
}

boost::shared_ptr<MidiOutDevice> SoundController::GetOutputMidiDevice(std::size_t index)
{
    return outputs.at(index);
}

boost::shared_ptr<WaveOutDevice> SoundController::GetOutputWaveDevice(std::size_t index)
{
    return waveOutputs.at(index);
}

boost::shared_ptr<MidiOutDevice> SoundController::GetOutputMidiDevice()
{
    if (selectedOutput >= outputs.size())
        return boost::shared_ptr<MidiOutDevice>();
    return outputs[selectedOutput];
}

void SoundController::SelectInputMidiDevice(std::size_t index)
{
    selectedInput = index;
}

void SoundController::SelectOutputMidiDevice(std::size_t index)
{
    selectedOutput = index;
}

void SoundController::SelectOutputWaveDevice(std::size_t index)
{
    selectedWaveOutput = index;
}

bool SoundController::SelectInputMidiDevice(const QString& name)
{
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i]->GetName() == name) {
            selectedInput = i;
            return true;
        }
    }
    return false;
}

std::size_t SoundController::GetSelectedInputMidiDevice() const
{
    return selectedInput;
}

std::size_t SoundController::GetSelectedOutputMidiDevice() const
{
    return selectedOutput;
}

std::size_t SoundController::GetSelectedOutputWaveDevice() const
{
    return selectedWaveOutput;
}

void SoundController::SetMidiDeviceHandler(void (*handler)())
{
    midiDeviceChangedCallback = handler;
}

} // namespace Core
