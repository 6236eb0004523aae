#pragma once

#include "core/midi/error.h"
#include "core/midi/midi.h"

#include <QString>
#include <QVector>
#include <boost/shared_ptr.hpp>

class QIODevice;

namespace Core {

// Reads a Standard MIDI File into a stream and writes a stream as a format-1 file of
// 16 tracks (one per channel) at 96 pulses per quarter note.
//
// A MidiFile is used by one thread at a time; different objects may be used at once.
// Failures are returned, never thrown:
//   261 "Error opening midi file."  the device cannot be opened for reading
//   257 "Error reading midi file."  fewer bytes were read than the device's size
//   264 "Error loading midi file."  the bytes are not a well-formed MIDI file we can load
//   257 "Error writing midi file."  the file cannot be written
class MidiFile
{
public:
    struct TempoChange
    {
        quint32 timePulses;
        quint32 microsecondsPerQuarterNote;
    };

    explicit MidiFile(const QString& fileName);
    // Reads from the device (used as it is when already open for reading, else opened
    // read-only and left open). Such a MidiFile has no name, so writing fails.
    explicit MidiFile(const boost::shared_ptr<QIODevice>& device);

    Error ReadStream(MidiStream& stream);
    // Appends the file's channel events to `stream` and, when `tempo` is given, the file's
    // tempo map (at least the default entry: pulse 0, 500000 µs per quarter note).
    // System-exclusive and meta events are not part of the stream.
    Error ReadStream(MidiStream& stream, QVector<TempoChange>* tempo);
    // Writes the stream's channel messages; system messages (real-time, system exclusive)
    // and malformed messages have no place in the file and are left out. The file is
    // replaced only once the whole new content has been written.
    Error WriteStream(const MidiStream& stream);

    const QString& GetFileName() const { return fileName; }

private:
    QString fileName;
    boost::shared_ptr<QIODevice> device;
};

} // namespace Core
