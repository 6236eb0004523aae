#include "core/midi/midi_out_mac_device.h"

#include "core/midi/midi_device_rt.h"
#include "core/midi/synth_bridge.h"

namespace Core {

MidiOutMacDevice::MidiOutMacDevice()
    : synth(CreateMacMidiDevice())
{
    Reset();
}

MidiOutMacDevice::~MidiOutMacDevice()
{
    Close();
}

MidiOutMacDevice::Preparation::Preparation()
{
    PrepareMacMidiDevice();
}

MidiOutMacDevice::Preparation::~Preparation()
{
    DiscardPreparedMacMidiDevice();
}

QString MidiOutMacDevice::GetName() const
{
    return QStringLiteral("Apple DLS");
}

void MidiOutMacDevice::Reset()
{
}

void MidiOutMacDevice::Close()
{
    QWriteLocker lock(&synthLock);
    if (!synth)
        return;
    ReleaseMacMidiDevice(synth);
    synth = nullptr;
}

void MidiOutMacDevice::Play(const MidiMessage& message)
{
    {
        QReadLocker lock(&synthLock);
        SendMacMidiDeviceMessage(synth, message.GetRawData(), message.GetLength());
    }
    const MidiEvent played(message, 0, 0.0);
    Notify([&played](MidiDeviceObserver* observer) { observer->OnMidiEvent(played); });
}

void MidiOutMacDevice::SendMessage(const MidiMessage& message)
{
    Play(message);
}

void MidiOutMacDevice::Stop()
{
    for (unsigned int i = 0; i < SilencingMessageCount; ++i)
        Play(SilencingMessage(i));
}

double MidiOutMacDevice::GetVolume() const
{
    return 1.0; // no volume control
}

void MidiOutMacDevice::SetVolume(double)
{
}

bool MidiOutMacDevice::Render(float* left, float* right, unsigned int frames)
{
    QReadLocker lock(&synthLock);
    return RenderMacMidiDevice(synth, left, right, frames);
}

double MidiOutMacDevice::SampleRate() const
{
    QReadLocker lock(&synthLock);
    return GetMacMidiDeviceSampleRate(synth);
}

bool MidiOutMacDevice::IsAudible() const
{
    QReadLocker lock(&synthLock);
    return IsMacMidiDeviceAudible(synth);
}

double MidiOutMacDevice::OutputLatency(QString* driverName) const
{
    QReadLocker lock(&synthLock);
    std::string name;
    const double latency = GetMacMidiDeviceOutputLatency(synth, &name);
    if (driverName)
        *driverName = synth ? QString::fromStdString(name) : QStringLiteral("none");
    return latency;
}

void MidiOutMacDevice::SetFilterEnabled(bool enabled)
{
    QReadLocker lock(&synthLock);
    SetMacMidiDeviceFilter(synth, enabled);
}

void MidiOutMacDevice::SetReferencePitch(double hz)
{
    QReadLocker lock(&synthLock);
    SetMacMidiDeviceReferencePitch(synth, hz);
}

} // namespace Core
