#include "core/midi/midi_device.h"

#include "core/midi/engine_assert.h"

#include <QCoreApplication>
#include <QMutexLocker>

#include <cmath>

namespace Core {

MidiInDeviceBase::MidiInDeviceBase()
    : volume(1.0)
{
}

void MidiInDeviceBase::GetKeybardState(std::size_t channel, MidiKeyboardState& state) const
{
    CORE_ASSERT(channel < MidiChannelCount);
    QMutexLocker lock(&stateMutex);
    state = keyboards[channel];
}

void MidiInDeviceBase::Reset()
{
    QMutexLocker lock(&stateMutex);
    for (MidiKeyboardState& keyboard : keyboards)
        keyboard.Clear();
}

void MidiInDeviceBase::Close()
{
}

void MidiInDeviceBase::GetStream(MidiStream& stream) const
{
    QMutexLocker lock(&stateMutex);
    const MidiStream::Events& kept = recording.GetEvents();
    // Built element by element rather than shared: sharing the vector would make the
    // producing thread copy all of it on its next write.
    MidiStream::Events copy;
    copy.reserve(kept.size());
    for (int i = recordingNext; i < kept.size(); ++i)
        copy.append(kept.at(i));
    for (int i = 0; i < recordingNext; ++i)
        copy.append(kept.at(i));
    stream.GetEvents() = copy;
}

double MidiInDeviceBase::GetVolume() const
{
    QMutexLocker lock(&stateMutex);
    return volume;
}

void MidiInDeviceBase::SetVolume(double newVolume)
{
    if (std::isnan(newVolume))
        return; // no meaningful level: keep the current one
    QMutexLocker lock(&stateMutex);
    volume = newVolume > 1.0 ? 1.0 : (newVolume < 0.0 ? 0.0 : newVolume);
}

void MidiInDeviceBase::ProcessEvent(const MidiEvent& event)
{
    MidiMessage scaled = event.GetMessage();
    {
        QMutexLocker lock(&stateMutex);
        Record(event);
        TrackKeys(event.GetMessage());
        if (scaled.IsNoteOn() && scaled.GetLength() == 3)
            scaled.SetVelocity(static_cast<unsigned char>(scaled.GetVelocity() * volume));
    }
    const MidiEvent delivered(scaled, event.GetTimePulses(), event.GetTime());
    Notify([&delivered](MidiDeviceObserver* observer) { observer->OnMidiEvent(delivered); });
}

// Under stateMutex.
void MidiInDeviceBase::Record(const MidiEvent& event)
{
    if (recording.GetEvents().size() < RecordingLimit) {
        recording.AddEvent(event);
        return;
    }
    recording.ReplaceEvent(static_cast<std::size_t>(recordingNext), event);
    recordingNext = (recordingNext + 1) % RecordingLimit;
}

// Under stateMutex. Notes 120..127 have no slot and leave the states alone, as do note and
// pressure messages cut short before their data bytes.
void MidiInDeviceBase::TrackKeys(const MidiMessage& message)
{
    if (message.GetLength() < 3)
        return;
    if (!message.IsNoteOn() && !message.IsNoteOff() && !message.IsAftertouch())
        return;
    const unsigned char note = message.GetNote();
    if (note >= MidiKeyCount)
        return;
    MidiKeyboardState& keyboard = keyboards[message.GetChannel()];
    if (message.IsNoteOff())
        keyboard.SetKey(note, 0);
    else if (message.IsNoteOn())
        keyboard.SetKey(note, message.GetVelocity());
    else
        keyboard.SetKey(note, message.GetPressure());
}

QString MidiInWaveDevice::GetName() const
{
    return QCoreApplication::translate("MidiInWaveDevice", "Microphone");
}

void MidiInWaveDevice::Reset()
{
}

} // namespace Core
