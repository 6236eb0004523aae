// Arbitrary bytes as a Standard MIDI File. Reading must fail with one of its error codes
// and leave the stream as it was, or give channel events in time order with a tempo map;
// what was read must write out and read back as the same events.

#include "core/midi/midi_file.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

using namespace Core;

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_midi_file: %s\n", what);
    std::abort();
}

// The largest value a four-byte variable-length quantity holds.
const unsigned int MaxVlq = 0x0FFFFFFF;

using Key = std::tuple<unsigned int, int, int, int, int>;

std::vector<Key> Sorted(const MidiStream& stream)
{
    std::vector<Key> keys;
    for (const MidiEvent& e : stream.GetEvents()) {
        const MidiMessage& m = e.GetMessage();
        keys.emplace_back(e.GetTimePulses(), m.GetLength(), m.GetRawData()[0],
                          m.GetLength() > 1 ? m.GetByte(1) : -1, m.GetLength() > 2 ? m.GetByte(2) : -1);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

QString scratch;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        Fail("no temporary directory");
    scratch = dir.filePath(QStringLiteral("written.mid"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    boost::shared_ptr<QBuffer> buffer(new QBuffer);
    buffer->setData(reinterpret_cast<const char*>(data), static_cast<int>(size));
    MidiStream stream;
    QVector<MidiFile::TempoChange> tempo;
    const Error error = MidiFile(boost::shared_ptr<QIODevice>(buffer)).ReadStream(stream, &tempo);
    if (error.IsError()) {
        if (error.GetCode() != 257 && error.GetCode() != 261 && error.GetCode() != 264)
            Fail("unknown error code");
        if (!stream.GetEvents().isEmpty() || !tempo.isEmpty())
            Fail("a failed read left events behind");
        return 0;
    }
    if (tempo.isEmpty())
        Fail("no tempo map");
    const MidiStream::Events& events = stream.GetEvents();
    for (int i = 0; i < events.size(); ++i) {
        const MidiMessage& m = events[i].GetMessage();
        if (m.GetLength() < 1 || m.GetLength() > 3 || m.IsMeta())
            Fail("a stream event is not a channel message");
        if (!std::isfinite(events[i].GetTime()) || events[i].GetTime() < 0.0)
            Fail("an event time in seconds is not a time");
        // A multi-track file is read in time order across its tracks.
        if (i > 0 && (events[i].GetTimePulses() < events[i - 1].GetTimePulses() ||
                      events[i].GetTime() < events[i - 1].GetTime())) {
            std::fprintf(stderr, "event %d: %u pulses, %.9f s after %u pulses, %.9f s\n", i,
                         events[i].GetTimePulses(), events[i].GetTime(), events[i - 1].GetTimePulses(),
                         events[i - 1].GetTime());
            Fail("events out of time order");
        }
    }

    // Written as pulses of 96 per quarter note, read back with the same pulse times. Events
    // later than a variable-length quantity can hold are refused with an error instead.
    const Error written = MidiFile(scratch).WriteStream(stream);
    const bool writable = std::all_of(events.cbegin(), events.cend(),
                                      [](const MidiEvent& e) { return e.GetTimePulses() <= MaxVlq; });
    if (!writable) {
        if (!written.IsError() || written.GetCode() != 257)
            Fail("a stream beyond the writable time was written");
        return 0;
    }
    if (written.IsError())
        Fail("a stream read from a file cannot be written");
    MidiStream again;
    if (MidiFile(scratch).ReadStream(again).IsError())
        Fail("a written file cannot be read");
    if (Sorted(again) != Sorted(stream))
        Fail("writing and reading back changed the events");
    return 0;
}
