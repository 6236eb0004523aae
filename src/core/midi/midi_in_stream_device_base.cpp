#include "core/midi/midi_in_stream_device_base.h"

#include <QMutexLocker>

namespace Core {

namespace {

boost::shared_ptr<MidiStream> OrEmpty(boost::shared_ptr<MidiStream> stream)
{
    return stream ? stream : boost::shared_ptr<MidiStream>(new MidiStream);
}

} // namespace

MidiInStreamDeviceBase::MidiInStreamDeviceBase(boost::shared_ptr<MidiStream> stream)
    : stream(OrEmpty(stream))
{
    position = this->stream->GetEvents().size();
}

QString MidiInStreamDeviceBase::GetName() const
{
    return QString();
}

void MidiInStreamDeviceBase::Reset()
{
    QMutexLocker lock(&mutex);
    position = stream->GetEvents().size();
    ++resets;
    MidiInDeviceBase::Reset();
}

void MidiInStreamDeviceBase::Play()
{
    QMutexLocker lock(&mutex);
    if (IsAtEnd())
        position = 0;
}

void MidiInStreamDeviceBase::Seek(int pulses)
{
    QMutexLocker lock(&mutex);
    const MidiStream::Events& events = stream->GetEvents();
    position = 0;
    while (position < events.size() && static_cast<int>(events.at(position).GetTimePulses()) < pulses)
        ++position;
}

void MidiInStreamDeviceBase::SetStream(boost::shared_ptr<MidiStream> newStream)
{
    QMutexLocker lock(&mutex);
    stream = OrEmpty(newStream);
    Reset();
}

MidiStream& MidiInStreamDeviceBase::GetStream() const
{
    QMutexLocker lock(&mutex);
    return *stream;
}

bool MidiInStreamDeviceBase::IsAtEnd() const
{
    // Also true should the stream have shrunk under the player.
    return position >= stream->GetEvents().size();
}

void MidiInStreamDeviceBase::NotifyPlaybackComplete()
{
    Subject<MidiInStreamDeviceObserver>::Notify(
        [](MidiInStreamDeviceObserver* observer) { observer->OnPlaybackComplete(); });
}

} // namespace Core
