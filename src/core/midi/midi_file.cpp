#include "core/midi/midi_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTemporaryFile>

#include <smf.h>

#include <algorithm>
#include <iterator>
#include <limits>

namespace Core {

namespace {

Q_LOGGING_CATEGORY(lcLibSmf, "ovelune.midifile.libsmf", QtWarningMsg)

// Larger files are refused before reading: libsmf keeps about a hundred bytes per event.
constexpr qint64 MaxFileSize = 8 * 1024 * 1024;
// The largest value a four-byte variable-length quantity holds.
constexpr quint32 MaxVlq = 0x0FFFFFFF;
// libsmf keeps event times in an int.
constexpr quint64 MaxTrackPulses = static_cast<quint64>(std::numeric_limits<int>::max());
// Bounds the steps of libsmf's quadratic searches while loading (a few seconds at most).
constexpr quint64 MaxLoadWork = 250000000;

const char* const Context = "Core::MidiFile";

Error MakeError(const char* function, unsigned int line, unsigned int code, const char* message)
{
    return Error(Detail::BuildLineTag(__FILE__, function, line), code,
                 QCoreApplication::translate(Context, message));
}

// libsmf reports every problem through GLib, which would print it to standard error. The
// messages are diagnostics for developers; our callers get an Error instead.
void LogLibSmfMessage(const gchar*, GLogLevelFlags, const gchar* message, gpointer)
{
    qCDebug(lcLibSmf) << message;
}

void RouteLibSmfLog()
{
    // Installed once per process; static initialisation is thread-safe.
    static const guint handler = g_log_set_handler(
        "libsmf", GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
        LogLibSmfMessage, nullptr);
    Q_UNUSED(handler);
}

quint32 ReadBigEndian(const uchar* p, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | p[i];
    return value;
}

void AppendVlq(QByteArray& out, quint32 value)
{
    uchar bytes[4];
    int count = 0;
    do {
        bytes[count++] = static_cast<uchar>(value & 0x7F);
        value >>= 7;
    } while (value != 0 && count < 4);
    while (count > 1)
        out.append(static_cast<char>(bytes[--count] | 0x80));
    out.append(static_cast<char>(bytes[0]));
}

// Bounds-checked reading of a byte range.
class ByteReader
{
public:
    ByteReader(const uchar* begin, const uchar* end) : pos(begin), end(end) {}

    bool ReadByte(uchar& value)
    {
        if (pos >= end)
            return false;
        value = *pos++;
        return true;
    }

    bool PeekByte(uchar& value) const
    {
        if (pos >= end)
            return false;
        value = *pos;
        return true;
    }

    // A variable-length quantity of at most four bytes.
    bool ReadVlq(quint32& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            uchar byte = 0;
            if (!ReadByte(byte))
                return false;
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0)
                return true;
        }
        return false;
    }

    bool Take(quint32 count, const uchar*& start)
    {
        if (static_cast<quint64>(end - pos) < count)
            return false;
        start = pos;
        pos += count;
        return true;
    }

private:
    const uchar* pos;
    const uchar* end;
};

int ChannelDataLength(uchar status)
{
    const uchar command = status & 0xF0;
    return (command == 0xC0 || command == 0xD0) ? 1 : 2;
}

// One event of a checked file: its absolute time and its bytes (without the delta time) in
// the shared byte array of the file's events.
struct CheckedEvent
{
    quint32 time;
    int offset;
    int length;
};

struct CheckedTrack
{
    QVector<CheckedEvent> events; // without the end of track
    quint32 endTime = 0;
};

// The content of a checked file, reduced to what libsmf handles.
struct CheckedFile
{
    quint32 format = 0;
    quint32 division = 0;
    QVector<CheckedTrack> tracks;
    QVector<CheckedEvent> tempoMap; // tempo and time-signature events of all tracks
    QByteArray bytes;
    quint64 eventCount = 0;

    void Append(QVector<CheckedEvent>& events, quint32 time, const uchar* data, int length)
    {
        events.append(CheckedEvent{time, static_cast<int>(bytes.size()), length});
        bytes.append(reinterpret_cast<const char*>(data), length);
        ++eventCount;
    }
};

// Stands in for an event that libsmf must not see (system exclusive, escaped bytes, long
// meta events), so that the file keeps its shape: an empty text event.
const uchar Placeholder[] = {0xFF, 0x01, 0x00};

// Reads the events of one track chunk up to its end of track. False when the track is not
// well formed.
bool CheckTrack(const uchar* begin, const uchar* end, CheckedFile& file)
{
    CheckedTrack track;
    ByteReader reader(begin, end);
    quint64 time = 0;
    uchar runningStatus = 0;
    for (;;) {
        quint32 delta = 0;
        if (!reader.ReadVlq(delta))
            return false;
        time += delta;
        if (time > MaxTrackPulses)
            return false;
        const quint32 now = static_cast<quint32>(time);

        uchar status = 0;
        if (!reader.PeekByte(status))
            return false;
        if (status & 0x80) {
            reader.ReadByte(status);
        } else {
            if (runningStatus == 0)
                return false;
            status = runningStatus;
        }

        if (status < 0xF0) {
            runningStatus = status;
            uchar message[3] = {status, 0, 0};
            const int length = ChannelDataLength(status);
            for (int i = 1; i <= length; ++i) {
                if (!reader.ReadByte(message[i]) || (message[i] & 0x80))
                    return false;
            }
            file.Append(track.events, now, message, 1 + length);
            continue;
        }

        // Meta and system-exclusive events cancel running status.
        runningStatus = 0;
        if (status == 0xF0 || status == 0xF7) {
            quint32 length = 0;
            const uchar* data = nullptr;
            if (!reader.ReadVlq(length) || !reader.Take(length, data))
                return false;
            file.Append(track.events, now, Placeholder, sizeof Placeholder);
            continue;
        }
        if (status != 0xFF)
            return false; // real-time and system common bytes need an escape in a file

        uchar type = 0;
        quint32 length = 0;
        const uchar* data = nullptr;
        if (!reader.ReadByte(type) || (type & 0x80) || !reader.ReadVlq(length) || !reader.Take(length, data))
            return false;
        const uchar head[3] = {0xFF, type, static_cast<uchar>(length)};
        switch (type) {
        case 0x2F: // end of track; whatever follows in the chunk is not part of the track
            if (length != 0)
                return false;
            track.endTime = now;
            ++file.eventCount;
            file.tracks.append(track);
            return true;
        case 0x51: // tempo
        case 0x58: // time signature; its denominator is a power of two
            if (length != (type == 0x51 ? 3u : 4u) || (type == 0x58 && data[1] > 30))
                return false;
            file.Append(file.tempoMap, now, head, 3);
            file.bytes.append(reinterpret_cast<const char*>(data), static_cast<int>(length));
            file.tempoMap.last().length += static_cast<int>(length);
            continue;
        default:
            break;
        }
        if (length >= 0x80) { // libsmf reads a meta event's length as one byte
            file.Append(track.events, now, Placeholder, sizeof Placeholder);
            continue;
        }
        file.Append(track.events, now, head, 3);
        file.bytes.append(reinterpret_cast<const char*>(data), static_cast<int>(length));
        track.events.last().length += static_cast<int>(length);
    }
}

// Checks the whole structure of a Standard MIDI File. False when it is not a well-formed
// file of format 0 or 1 with a pulse-based division.
bool CheckFile(const QByteArray& bytes, CheckedFile& file)
{
    const uchar* begin = reinterpret_cast<const uchar*>(bytes.constData());
    const uchar* end = begin + bytes.size();
    if (bytes.size() < 14 || bytes.left(4) != "MThd" || ReadBigEndian(begin + 4, 4) != 6)
        return false;
    file.format = ReadBigEndian(begin + 8, 2);
    const quint32 trackCount = ReadBigEndian(begin + 10, 2);
    file.division = ReadBigEndian(begin + 12, 2);
    if (file.format > 1 || trackCount == 0 || file.division == 0 || (file.division & 0x8000))
        return false;

    ByteReader chunks(begin + 14, end);
    while (static_cast<quint32>(file.tracks.size()) < trackCount) {
        const uchar* header = nullptr;
        const uchar* body = nullptr;
        if (!chunks.Take(8, header))
            return false;
        const quint32 length = ReadBigEndian(header + 4, 4);
        if (!chunks.Take(length, body))
            return false;
        if (qstrncmp(reinterpret_cast<const char*>(header), "MTrk", 4) != 0)
            continue; // chunks of other kinds are skipped, as readers must
        if (!CheckTrack(body, body + length, file))
            return false;
    }
    return true;
}

// The delta time from `lastTime` to `time`. A gap wider than a variable-length quantity
// holds (tempo changes merged into the first track can make one) is bridged by placeholders.
void AppendDelta(QByteArray& out, quint32& lastTime, quint32 time)
{
    while (time - lastTime > MaxVlq) {
        AppendVlq(out, MaxVlq);
        out.append(reinterpret_cast<const char*>(Placeholder), sizeof Placeholder);
        lastTime += MaxVlq;
    }
    AppendVlq(out, time - lastTime);
    lastTime = time;
}

void AppendEvents(QByteArray& out, const QByteArray& bytes, const QVector<CheckedEvent>& events, quint32& lastTime)
{
    for (const CheckedEvent& event : events) {
        AppendDelta(out, lastTime, event.time);
        out.append(bytes.constData() + event.offset, event.length);
    }
}

// libsmf trusts the structure of what it loads: a track that fails to parse leaves freed
// memory in use, a missing end of track or a huge length stops the process, a tempo change
// in a later track recomputes every event loaded so far. So the whole file is checked
// first, and libsmf gets a rewritten copy in the plain form it handles: the header, exactly
// the declared track chunks, every event with its status byte, and the tempo map in the
// first track. False when the file is malformed or would take libsmf too long to load.
bool RewriteForLoading(const QByteArray& bytes, QByteArray& out)
{
    CheckedFile file;
    if (!CheckFile(bytes, file))
        return false;
    // libsmf looks up the tempo of every event by a linear search and finds the next event
    // by looking at every track.
    const quint64 tempoCount = static_cast<quint64>(file.tempoMap.size()) + 1;
    const quint64 trackCount = static_cast<quint64>(file.tracks.size());
    if (file.eventCount * tempoCount > MaxLoadWork || file.eventCount * trackCount > MaxLoadWork)
        return false;

    std::stable_sort(file.tempoMap.begin(), file.tempoMap.end(),
                     [](const CheckedEvent& a, const CheckedEvent& b) { return a.time < b.time; });
    CheckedTrack& first = file.tracks.first();
    if (!file.tempoMap.isEmpty()) {
        QVector<CheckedEvent> merged;
        merged.reserve(first.events.size() + file.tempoMap.size());
        std::merge(file.tempoMap.cbegin(), file.tempoMap.cend(), first.events.cbegin(), first.events.cend(),
                   std::back_inserter(merged),
                   [](const CheckedEvent& a, const CheckedEvent& b) { return a.time < b.time; });
        first.events = merged;
        first.endTime = qMax(first.endTime, file.tempoMap.last().time);
    }

    out.clear();
    out.reserve(file.bytes.size() + 16 * file.tracks.size() + 4 * static_cast<int>(file.eventCount) + 14);
    out.append("MThd\0\0\0\x06", 8);
    const quint32 header[3] = {file.format, static_cast<quint32>(file.tracks.size()), file.division};
    for (quint32 field : header) {
        out.append(static_cast<char>(field >> 8));
        out.append(static_cast<char>(field & 0xFF));
    }
    for (const CheckedTrack& track : file.tracks) {
        const int lengthPos = out.size() + 4;
        out.append("MTrk\0\0\0\0", 8);
        quint32 lastTime = 0;
        AppendEvents(out, file.bytes, track.events, lastTime);
        AppendDelta(out, lastTime, track.endTime);
        out.append("\xFF\x2F\x00", 3);
        const quint32 length = static_cast<quint32>(out.size() - lengthPos - 4);
        for (int i = 0; i < 4; ++i)
            out[lengthPos + i] = static_cast<char>((length >> (8 * (3 - i))) & 0xFF);
    }
    return true;
}

// A channel message with the length its status asks for and data bytes below 0x80.
bool IsWritableMessage(const MidiMessage& message)
{
    const unsigned char length = message.GetLength();
    if (length == 0)
        return false;
    const unsigned char* data = message.GetRawData();
    if (data[0] < 0x80 || data[0] >= 0xF0 || length != 1 + ChannelDataLength(data[0]))
        return false;
    for (unsigned char i = 1; i < length; ++i)
        if (data[i] & 0x80)
            return false;
    return true;
}

class SmfHolder
{
public:
    explicit SmfHolder(smf_t* smf) : smf(smf) {}
    ~SmfHolder()
    {
        if (!smf)
            return;
        // smf_delete removes each event by searching its track from the start and
        // renumbering the rest: quadratic, minutes for a large file. Detached from their
        // tracks first, the events are simply freed.
        for (int number = 1; number <= smf->number_of_tracks; ++number) {
            smf_track_t* track = smf_get_track_by_number(smf, number);
            if (!track || !track->events_array)
                continue;
            QVector<smf_event_t*> events;
            events.reserve(static_cast<int>(track->events_array->len));
            for (guint i = 0; i < track->events_array->len; ++i)
                events.append(static_cast<smf_event_t*>(g_ptr_array_index(track->events_array, i)));
            g_ptr_array_set_size(track->events_array, 0);
            track->number_of_events = 0;
            for (smf_event_t* event : events) {
                event->track = nullptr;
                smf_event_delete(event);
            }
        }
        smf_delete(smf);
    }
    SmfHolder(const SmfHolder&) = delete;
    SmfHolder& operator=(const SmfHolder&) = delete;
    smf_t* get() const { return smf; }

private:
    smf_t* smf;
};

} // namespace

MidiFile::MidiFile(const QString& fileName)
    : fileName(fileName)
    , device(new QFile(fileName))
{
}

MidiFile::MidiFile(const boost::shared_ptr<QIODevice>& device)
    : device(device)
{
}

Error MidiFile::ReadStream(MidiStream& stream)
{
    return ReadStream(stream, nullptr);
}

Error MidiFile::ReadStream(MidiStream& stream, QVector<TempoChange>* tempo)
{
    RouteLibSmfLog();
    if (!device)
        return MakeError("ReadStream", __LINE__, 261, QT_TRANSLATE_NOOP("Core::MidiFile", "Error opening midi file."));
    if (device->isOpen()) {
        if (!device->isReadable())
            return MakeError("ReadStream", __LINE__, 261, QT_TRANSLATE_NOOP("Core::MidiFile", "Error opening midi file."));
        if (!device->isSequential())
            device->seek(0);
    } else if (!device->open(QIODevice::ReadOnly)) {
        return MakeError("ReadStream", __LINE__, 261, QT_TRANSLATE_NOOP("Core::MidiFile", "Error opening midi file."));
    }

    const qint64 size = device->isSequential() ? device->bytesAvailable() : device->size() - device->pos();
    if (size > MaxFileSize)
        return MakeError("ReadStream", __LINE__, 264, QT_TRANSLATE_NOOP("Core::MidiFile", "Error loading midi file."));
    const QByteArray bytes = device->read(size);
    if (bytes.size() != size)
        return MakeError("ReadStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error reading midi file."));

    QByteArray loadable;
    if (!RewriteForLoading(bytes, loadable))
        return MakeError("ReadStream", __LINE__, 264, QT_TRANSLATE_NOOP("Core::MidiFile", "Error loading midi file."));
    const SmfHolder smf(smf_load_from_memory(loadable.constData(), loadable.size()));
    if (!smf.get())
        return MakeError("ReadStream", __LINE__, 264, QT_TRANSLATE_NOOP("Core::MidiFile", "Error loading midi file."));

    // Loading leaves the walk positioned per track as parsing left it; without a rewind the
    // walk would take track 1's first event first, whatever the other tracks hold earlier.
    smf_rewind(smf.get());
    while (smf_event_t* event = smf_get_next_event(smf.get())) {
        if (smf_event_is_metadata(event) || event->midi_buffer_length < 1 || event->midi_buffer_length > 3)
            continue;
        const MidiMessage message(event->midi_buffer, static_cast<std::size_t>(event->midi_buffer_length));
        stream.AddEvent(MidiEvent(message, static_cast<unsigned int>(event->time_pulses), event->time_seconds));
    }
    if (tempo) {
        for (int i = 0;; ++i) {
            const smf_tempo_t* change = smf_get_tempo_by_number(smf.get(), i);
            if (!change)
                break;
            tempo->append(TempoChange{static_cast<quint32>(change->time_pulses),
                                      static_cast<quint32>(change->microseconds_per_quarter_note)});
        }
    }
    return Error();
}

Error MidiFile::WriteStream(const MidiStream& stream)
{
    RouteLibSmfLog();
    if (fileName.isEmpty())
        return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));

    const SmfHolder smf(smf_new());
    if (!smf.get())
        return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
    smf_track_t* tracks[MidiChannelCount];
    for (std::size_t channel = 0; channel < MidiChannelCount; ++channel) {
        tracks[channel] = smf_track_new();
        if (!tracks[channel])
            return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
        smf_add_track(smf.get(), tracks[channel]);
    }
    if (smf_set_format(smf.get(), 1) != 0 || smf_set_ppqn(smf.get(), 96) != 0)
        return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));

    for (const MidiEvent& event : stream.GetEvents()) {
        const MidiMessage& message = event.GetMessage();
        if (!IsWritableMessage(message))
            continue;
        // A later time could not be read back: the gap to the previous event would not fit
        // a variable-length quantity.
        if (event.GetTimePulses() > MaxVlq)
            return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
        unsigned char bytes[3];
        for (unsigned char i = 0; i < message.GetLength(); ++i)
            bytes[i] = message.GetByte(i);
        smf_event_t* smfEvent = smf_event_new_from_pointer(bytes, message.GetLength());
        if (!smfEvent)
            return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
        smf_track_add_event_pulses(tracks[message.GetChannel()], smfEvent, static_cast<int>(event.GetTimePulses()));
    }

    // libsmf writes straight to the path it is given; a failure there would leave a broken
    // file behind. It writes a scratch file instead, which then replaces the target at once.
    QTemporaryFile scratch;
    if (!scratch.open())
        return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
    if (smf_save(smf.get(), QFile::encodeName(scratch.fileName()).constData()) != 0)
        return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
    const QByteArray content = written.readAll();

    QSaveFile target(fileName);
    if (content.isEmpty() || !target.open(QIODevice::WriteOnly) || target.write(content) != content.size() ||
        !target.commit())
        return MakeError("WriteStream", __LINE__, 257, QT_TRANSLATE_NOOP("Core::MidiFile", "Error writing midi file."));
    return Error();
}

} // namespace Core
