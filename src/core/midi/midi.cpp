#include "core/midi/midi.h"

#include "core/midi/engine_assert.h"

#include <algorithm>

namespace Core {

namespace {

unsigned char Status(MidiCommand command, unsigned char channel)
{
    // The channel is combined, not masked: callers pass 0..15.
    return static_cast<unsigned char>(command | channel);
}

bool LessByTime(const MidiEvent& a, const MidiEvent& b)
{
    return a.GetTime() < b.GetTime();
}

} // namespace

MidiMessage::MidiMessage()
    : data{0, 0, 0}
    , length(0)
{
}

MidiMessage::MidiMessage(unsigned char status, unsigned char data1, unsigned char data2)
    : data{status, data1, data2}
    , length(3)
{
}

MidiMessage::MidiMessage(MidiCommand command, unsigned char channel)
    : data{Status(command, channel), 0, 0}
    , length(1)
{
}

MidiMessage::MidiMessage(MidiCommand command, unsigned char channel, unsigned char data1)
    : data{Status(command, channel), data1, 0}
    , length(2)
{
}

MidiMessage::MidiMessage(MidiCommand command, unsigned char channel, unsigned char data1,
                         unsigned char data2)
    : data{Status(command, channel), data1, data2}
    , length(3)
{
}

MidiMessage::MidiMessage(const unsigned char* raw, std::size_t size)
    : data{0, 0, 0}
    , length(0)
{
    CORE_ASSERT(size > 0);
    const std::size_t kept = std::min<std::size_t>(size, sizeof data);
    std::copy(raw, raw + kept, data);
    length = static_cast<unsigned char>(kept);
}

MidiCommand MidiMessage::GetCommand() const
{
    return static_cast<MidiCommand>(data[0] & 0xF0);
}

bool MidiMessage::IsMeta() const
{
    return GetCommand() == Meta;
}

bool MidiMessage::IsStandardMessage() const
{
    return !IsMeta();
}

bool MidiMessage::IsNoteOn() const
{
    return GetCommand() == NoteOn;
}

bool MidiMessage::IsNoteAudible() const
{
    return IsNoteOn() && data[2] > 0;
}

bool MidiMessage::IsNoteOff() const
{
    return GetCommand() == NoteOff;
}

bool MidiMessage::IsAftertouch() const
{
    return GetCommand() == Aftertouch;
}

bool MidiMessage::IsChannelPressure() const
{
    return GetCommand() == ChannelPressure;
}

bool MidiMessage::IsPitchBend() const
{
    return GetCommand() == PitchBend;
}

unsigned char MidiMessage::GetChannel() const
{
    CORE_ASSERT(!IsMeta());
    return data[0] & 0x0F;
}

unsigned char MidiMessage::GetNote() const
{
    CORE_ASSERT(IsNoteOn() || IsNoteOff() || IsAftertouch());
    return data[1];
}

unsigned char MidiMessage::GetVelocity() const
{
    CORE_ASSERT(IsNoteOn() || IsNoteOff());
    return data[2];
}

unsigned char MidiMessage::GetPressure() const
{
    if (IsAftertouch())
        return data[2];
    if (IsChannelPressure())
        return data[1];
    CORE_ASSERT(false);
}

unsigned char MidiMessage::GetByte(std::size_t index) const
{
    const std::size_t Length = length;
    CORE_ASSERT(index < Length);
    return data[index];
}

const unsigned char* MidiMessage::GetRawData() const
{
    return data;
}

unsigned char MidiMessage::GetLength() const
{
    return length;
}

void MidiMessage::SetVelocity(unsigned char velocity)
{
    CORE_ASSERT(IsNoteOn() || IsNoteOff());
    data[2] = velocity;
}

MidiEvent::MidiEvent()
    : timePulses(0)
    , time(0.0)
{
}

MidiEvent::MidiEvent(const MidiMessage& message, unsigned int timePulses, double time)
    : message(message)
    , timePulses(timePulses)
    , time(time)
{
}

void MidiStream::Clear()
{
    events.clear();
}

void MidiStream::AddEvent(const MidiEvent& event)
{
    events.append(event);
}

void MidiStream::InsertEvent(std::size_t index, const MidiEvent& event)
{
    CORE_ASSERT(index <= static_cast<std::size_t>(events.size()));
    events.insert(static_cast<int>(index), event);
}

void MidiStream::ReplaceEvent(std::size_t index, const MidiEvent& event)
{
    CORE_ASSERT(index < static_cast<std::size_t>(events.size()));
    events[static_cast<int>(index)] = event;
}

void MidiStream::CopyFrom(const MidiStream& other)
{
    events = other.events;
}

void MidiStream::Normalize()
{
    std::sort(events.begin(), events.end(), LessByTime);
}

unsigned int MidiStream::GetDurationPulses() const
{
    return events.isEmpty() ? 0 : events.last().GetTimePulses();
}

MidiKeyboardState::MidiKeyboardState()
{
    Clear();
}

void MidiKeyboardState::Clear()
{
    std::fill(keys, keys + MidiKeyCount, 0);
}

unsigned char MidiKeyboardState::GetKey(std::size_t index) const
{
    CORE_ASSERT(index < MidiKeyCount);
    return keys[index];
}

void MidiKeyboardState::SetKey(std::size_t index, unsigned char value)
{
    CORE_ASSERT(index < MidiKeyCount);
    keys[index] = value;
}

bool IsMidiChromatic(unsigned char note)
{
    switch (note % 12) {
    case 1: case 3: case 6: case 8: case 10:
        return true;
    default:
        return false;
    }
}

} // namespace Core
