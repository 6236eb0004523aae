#pragma once

#include <QVector>
#include <boost/shared_ptr.hpp>

#include <cstddef>

namespace Core {

// The kind of a channel message: the upper four bits of the status byte.
enum MidiCommand : unsigned char
{
    NoteOff = 0x80,
    NoteOn = 0x90,
    Aftertouch = 0xA0,
    ControlChange = 0xB0,
    ProgramChange = 0xC0,
    ChannelPressure = 0xD0,
    PitchBend = 0xE0,
    Meta = 0xF0, // any status 0xF0..0xFF: system and meta messages
};

// Keys tracked by a keyboard state: notes 0..119 (not 128).
constexpr std::size_t MidiKeyCount = 120;
constexpr std::size_t MidiChannelCount = 16;

// A MIDI message of at most three bytes, held by value.
class MidiMessage
{
public:
    MidiMessage();
    MidiMessage(unsigned char status, unsigned char data1, unsigned char data2);
    MidiMessage(MidiCommand command, unsigned char channel);
    MidiMessage(MidiCommand command, unsigned char channel, unsigned char data1);
    MidiMessage(MidiCommand command, unsigned char channel, unsigned char data1, unsigned char data2);
    // Longer input (system exclusive) keeps its first three bytes and a length of 3: there is
    // no room for more, and the length never claims bytes the message does not hold.
    MidiMessage(const unsigned char* data, std::size_t size);

    MidiCommand GetCommand() const;
    bool IsMeta() const;
    bool IsStandardMessage() const;
    bool IsNoteOn() const;
    bool IsNoteAudible() const; // a note-on with a velocity above 0
    bool IsNoteOff() const;
    bool IsAftertouch() const;
    bool IsChannelPressure() const;
    bool IsPitchBend() const;

    unsigned char GetChannel() const;
    unsigned char GetNote() const;
    unsigned char GetVelocity() const;
    unsigned char GetPressure() const;
    unsigned char GetByte(std::size_t index) const;
    const unsigned char* GetRawData() const;
    unsigned char GetLength() const;

    void SetVelocity(unsigned char velocity);

private:
    unsigned char data[3];
    unsigned char length;
};

// A message with its time in pulses and in seconds from the start of a stream or recording.
// Playback schedules by seconds; seeking uses pulses.
class MidiEvent
{
public:
    MidiEvent();
    MidiEvent(const MidiMessage& message, unsigned int timePulses, double time);

    const MidiMessage& GetMessage() const { return message; }
    double GetTime() const { return time; }
    unsigned int GetTimePulses() const { return timePulses; }

private:
    MidiMessage message;
    unsigned int timePulses;
    double time;
};

// An ordered, implicitly shared sequence of events, passed between parts by shared pointer.
class MidiStream
{
public:
    using Events = QVector<MidiEvent>;

    Events& GetEvents() { return events; }
    const Events& GetEvents() const { return events; }

    void Clear();
    void AddEvent(const MidiEvent& event);
    void InsertEvent(std::size_t index, const MidiEvent& event);
    void ReplaceEvent(std::size_t index, const MidiEvent& event);
    void CopyFrom(const MidiStream& other);
    // Sorts by time in seconds (not stable; pulses are not consulted).
    void Normalize();
    // The pulse time of the last event; trusts the order.
    unsigned int GetDurationPulses() const;

private:
    Events events;
};

using MidiStreamPtr = boost::shared_ptr<MidiStream>;

// The state of the 120 keys of one channel: 0 released, otherwise the velocity of the
// note-on or the key pressure last received.
class MidiKeyboardState
{
public:
    MidiKeyboardState();

    void Clear();
    unsigned char GetKey(std::size_t note) const;
    void SetKey(std::size_t note, unsigned char value);
    const unsigned char* GetRaw() const { return keys; }

private:
    unsigned char keys[MidiKeyCount];
};

// True for the black keys of the 88-key piano; defined for notes 21 (A0) to 108 (C8).
bool IsMidiChromatic(unsigned char note);

} // namespace Core

Q_DECLARE_TYPEINFO(Core::MidiMessage, Q_PRIMITIVE_TYPE);
Q_DECLARE_TYPEINFO(Core::MidiEvent, Q_MOVABLE_TYPE);
