#include "core/midi/midi_file.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace Core;

namespace {

// Builders for hand-assembled Standard MIDI Files.
QByteArray Vlq(quint32 value)
{
    QByteArray out(1, char(value & 0x7F));
    while (value >>= 7)
        out.prepend(char(0x80 | (value & 0x7F)));
    return out;
}

QByteArray Be(quint32 value, int size)
{
    QByteArray out;
    for (int i = size - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray Header(int format, int tracks, int division = 96)
{
    return "MThd" + Be(6, 4) + Be(format, 2) + Be(tracks, 2) + Be(division, 2);
}

QByteArray Track(const QByteArray& body)
{
    return "MTrk" + Be(body.size(), 4) + body;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

const QByteArray EndOfTrack = Bytes({0x00, 0xFF, 0x2F, 0x00});

// A well-formed two-track file used as the base of many cases.
QByteArray ValidFile()
{
    return Header(1, 2) + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}) + EndOfTrack) +
           Track(Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00}) + EndOfTrack);
}

struct Expected
{
    int status, data1, data2, length;
    quint32 pulses;
    double seconds;
};

void CompareStream(const MidiStream& stream, const QVector<Expected>& expected)
{
    const MidiStream::Events& events = stream.GetEvents();
    QCOMPARE(events.size(), expected.size());
    for (int i = 0; i < events.size(); ++i) {
        const MidiMessage& m = events[i].GetMessage();
        const Expected& e = expected[i];
        QCOMPARE(int(m.GetLength()), e.length);
        QCOMPARE(int(m.GetByte(0)), e.status);
        if (e.length > 1)
            QCOMPARE(int(m.GetByte(1)), e.data1);
        if (e.length > 2)
            QCOMPARE(int(m.GetByte(2)), e.data2);
        QCOMPARE(events[i].GetTimePulses(), e.pulses);
        QVERIFY2(std::fabs(events[i].GetTime() - e.seconds) < 1e-6,
                 qPrintable(QString("event %1: %2 s, expected %3 s").arg(i).arg(events[i].GetTime()).arg(e.seconds)));
    }
}

Error ReadBytes(const QByteArray& bytes, MidiStream& stream, QVector<MidiFile::TempoChange>* tempo = nullptr)
{
    boost::shared_ptr<QIODevice> buffer(new QBuffer);
    static_cast<QBuffer*>(buffer.get())->setData(bytes);
    MidiFile file(buffer);
    return file.ReadStream(stream, tempo);
}

// The track chunks of a file: their bodies, in order.
QVector<QByteArray> TrackBodies(const QByteArray& file)
{
    QVector<QByteArray> tracks;
    int pos = 14;
    while (pos + 8 <= file.size()) {
        const quint32 length = (uchar(file[pos + 4]) << 24) | (uchar(file[pos + 5]) << 16) |
                               (uchar(file[pos + 6]) << 8) | uchar(file[pos + 7]);
        if (file.mid(pos, 4) == "MTrk")
            tracks.append(file.mid(pos + 8, int(length)));
        pos += 8 + int(length);
    }
    return tracks;
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Random-access device that claims more bytes than it delivers.
class ShortDevice : public QIODevice
{
public:
    qint64 size() const override { return 100; }
    bool isSequential() const override { return false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = qMin<qint64>(maxSize, 10 - pos());
        if (n <= 0)
            return -1;
        memset(data, 0, size_t(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

class TestMidiFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writeThenReadGivesTheSameEvents();
    void writtenFileHasSixteenTracksFormatOneAnd96Pulses();
    void writeSortsEventsAndLeavesOutSystemMessages();
    void writeReplacesAnExistingFile();
    void readsFileWrittenByCsvmidi();
    void readsHandAssembledFile();
    void tracksAreMergedInTimeOrder();
    void onlyMetaEventsGiveAnEmptyStream();
    void defaultTempoEntry();
    void failureTable();
    void failedWriteKeepsTheOldFile();
    void readsFromAnOpenDeviceAndTwice();
    void malformedFilesAreRejected_data();
    void malformedFilesAreRejected();
    void truncatedFilesAreRejected();
    void mutatedFilesNeverCrash();
    void tempoChangesInAnyTrackApplyToAll();
    void largeFilesLoadInBoundedTime_data();
    void largeFilesLoadInBoundedTime();

private:
    QTemporaryDir dir;
};

void TestMidiFile::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestMidiFile::writeThenReadGivesTheSameEvents()
{
    MidiStream stream;
    QVector<Expected> expected;
    // Every channel, every kind of channel message, times that cross a quarter note.
    for (int channel = 0; channel < 16; ++channel) {
        const quint32 t = quint32(channel * 48);
        const double s = t / 96.0 * 0.5;
        stream.AddEvent(MidiEvent(MidiMessage(NoteOn, channel, 60 + channel, 100), t, 0));
        expected.append({0x90 | channel, 60 + channel, 100, 3, t, s});
    }
    stream.AddEvent(MidiEvent(MidiMessage(ProgramChange, 3, 5), 800, 0));
    expected.append({0xC3, 5, 0, 2, 800, 800 / 96.0 * 0.5});
    stream.AddEvent(MidiEvent(MidiMessage(ChannelPressure, 4, 30), 801, 0));
    expected.append({0xD4, 30, 0, 2, 801, 801 / 96.0 * 0.5});
    stream.AddEvent(MidiEvent(MidiMessage(PitchBend, 5, 0, 64), 900, 0));
    expected.append({0xE5, 0, 64, 3, 900, 900 / 96.0 * 0.5});
    stream.AddEvent(MidiEvent(MidiMessage(ControlChange, 15, 7, 127), 96000, 0));
    expected.append({0xBF, 7, 127, 3, 96000, 500.0});

    const QString path = dir.filePath("roundtrip.mid");
    MidiFile writer(path);
    const Error written = writer.WriteStream(stream);
    QVERIFY2(!written, qPrintable(written.GetMessage()));

    MidiStream back;
    MidiFile reader(path);
    const Error read = reader.ReadStream(back);
    QVERIFY2(!read, qPrintable(read.GetMessage()));
    CompareStream(back, expected);
}

void TestMidiFile::writtenFileHasSixteenTracksFormatOneAnd96Pulses()
{
    MidiStream stream;
    stream.AddEvent(MidiEvent(MidiMessage(NoteOn, 0, 60, 100), 0, 0));
    stream.AddEvent(MidiEvent(MidiMessage(NoteOff, 0, 60, 0), 96, 0.5));
    const QString path = dir.filePath("channel0.mid");
    QVERIFY(!MidiFile(path).WriteStream(stream));

    const QByteArray bytes = ReadFile(path);
    QCOMPARE(bytes.left(14), Header(1, 16, 96));
    const QVector<QByteArray> tracks = TrackBodies(bytes);
    QCOMPARE(tracks.size(), 16);
    QCOMPARE(tracks[0], Bytes({0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00}) + EndOfTrack);
    for (int i = 1; i < 16; ++i)
        QCOMPARE(tracks[i], EndOfTrack);

    // An empty stream still gives sixteen tracks.
    const QString emptyPath = dir.filePath("empty.mid");
    QVERIFY(!MidiFile(emptyPath).WriteStream(MidiStream()));
    const QVector<QByteArray> emptyTracks = TrackBodies(ReadFile(emptyPath));
    QCOMPARE(emptyTracks.size(), 16);
    for (const QByteArray& t : emptyTracks)
        QCOMPARE(t, EndOfTrack);
}

void TestMidiFile::writeSortsEventsAndLeavesOutSystemMessages()
{
    MidiStream stream;
    stream.AddEvent(MidiEvent(MidiMessage(NoteOff, 2, 62, 0), 192, 1.0));
    stream.AddEvent(MidiEvent(MidiMessage(NoteOn, 2, 62, 90), 96, 0.5));
    const unsigned char clock[] = {0xF8};
    stream.AddEvent(MidiEvent(MidiMessage(clock, 1), 100, 0.52));
    const unsigned char sysex[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    stream.AddEvent(MidiEvent(MidiMessage(sysex, sizeof sysex), 110, 0.6));
    stream.AddEvent(MidiEvent(MidiMessage(), 120, 0.7));
    stream.AddEvent(MidiEvent(MidiMessage(0x90, 0x80, 0x40), 130, 0.7)); // data byte with the status bit
    stream.AddEvent(MidiEvent(MidiMessage(NoteOn, 1, 64), 140, 0.7));    // note-on missing its velocity
    const QString path = dir.filePath("sorted.mid");
    const Error error = MidiFile(path).WriteStream(stream);
    QVERIFY2(!error, qPrintable(error.GetMessage()));

    MidiStream back;
    QVERIFY(!MidiFile(path).ReadStream(back));
    CompareStream(back, {{0x92, 62, 90, 3, 96, 0.5}, {0x82, 62, 0, 3, 192, 1.0}});

    // A time that cannot be stored is refused, and nothing is written.
    MidiStream far;
    far.AddEvent(MidiEvent(MidiMessage(NoteOn, 0, 60, 1), 0x10000000u, 0));
    const QString farPath = dir.filePath("far.mid");
    const Error farError = MidiFile(farPath).WriteStream(far);
    QCOMPARE(farError.GetCode(), 257u);
    QVERIFY(!QFile::exists(farPath));
}

void TestMidiFile::writeReplacesAnExistingFile()
{
    const QString path = dir.filePath("replace.mid");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'x'));
    }
    MidiStream stream;
    stream.AddEvent(MidiEvent(MidiMessage(NoteOn, 0, 60, 100), 0, 0));
    QVERIFY(!MidiFile(path).WriteStream(stream));
    MidiStream back;
    QVERIFY(!MidiFile(path).ReadStream(back));
    QCOMPARE(back.GetEvents().size(), 1);
    QVERIFY(ReadFile(path).size() < 5000);

    // A name outside Latin-1 is written under that very name.
    const QString unicodePath = dir.filePath(QString::fromUtf8("\u00e9tude \u266F \u043f\u0435\u0441\u043d\u044f.mid"));
    QVERIFY(!MidiFile(unicodePath).WriteStream(stream));
    QVERIFY(QFile::exists(unicodePath));
    MidiStream unicodeBack;
    QVERIFY(!MidiFile(unicodePath).ReadStream(unicodeBack));
    QCOMPARE(unicodeBack.GetEvents().size(), 1);
}

void TestMidiFile::readsFileWrittenByCsvmidi()
{
    const QString csvmidi = QStandardPaths::findExecutable("csvmidi");
    QVERIFY2(!csvmidi.isEmpty(), "csvmidi is missing: install the midicsv package");
    const QString csvPath = dir.filePath("other.csv");
    const QString midPath = dir.filePath("other.mid");
    {
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Text));
        csv.write("0, 0, Header, 1, 2, 480\n"
                  "1, 0, Start_track\n"
                  "1, 0, Title_t, \"Tempo track\"\n"
                  "1, 0, Time_signature, 3, 2, 24, 8\n"
                  "1, 0, Tempo, 500000\n"
                  "1, 960, Tempo, 250000\n"
                  "1, 1920, End_track\n"
                  "2, 0, Start_track\n"
                  "2, 0, Program_c, 0, 5\n"
                  "2, 0, Note_on_c, 0, 60, 100\n"
                  "2, 480, Note_off_c, 0, 60, 0\n"
                  "2, 960, Control_c, 1, 7, 100\n"
                  "2, 1440, Pitch_bend_c, 2, 8192\n"
                  "2, 1500, Poly_aftertouch_c, 3, 64, 50\n"
                  "2, 1600, Channel_aftertouch_c, 4, 30\n"
                  "2, 1650, System_exclusive, 5, 126, 127, 9, 1, 247\n"
                  "2, 1700, Note_on_c, 9, 36, 127\n"
                  "2, 1800, Note_on_c, 9, 36, 0\n"
                  "2, 1800, End_track\n"
                  "0, 0, End_of_file\n");
    }
    QProcess process;
    process.start(csvmidi, {csvPath, midPath});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);

    // Seconds follow the tempo map: 0.5 s per quarter note up to pulse 960, then 0.25 s.
    auto seconds = [](double pulses) {
        return pulses <= 960 ? pulses / 480 * 0.5 : 1.0 + (pulses - 960) / 480 * 0.25;
    };
    MidiStream stream;
    QVector<MidiFile::TempoChange> tempo;
    const Error error = MidiFile(midPath).ReadStream(stream, &tempo);
    QVERIFY2(!error, qPrintable(error.GetMessage()));
    CompareStream(stream, {{0xC0, 5, 0, 2, 0, 0.0},
                           {0x90, 60, 100, 3, 0, 0.0},
                           {0x80, 60, 0, 3, 480, seconds(480)},
                           {0xB1, 7, 100, 3, 960, seconds(960)},
                           {0xE2, 0x00, 0x40, 3, 1440, seconds(1440)},
                           {0xA3, 64, 50, 3, 1500, seconds(1500)},
                           {0xD4, 30, 0, 2, 1600, seconds(1600)},
                           {0x99, 36, 127, 3, 1700, seconds(1700)},
                           {0x99, 36, 0, 3, 1800, seconds(1800)}});
    QCOMPARE(tempo.size(), 2);
    QCOMPARE(tempo[0].timePulses, 0u);
    QCOMPARE(tempo[0].microsecondsPerQuarterNote, 500000u);
    QCOMPARE(tempo[1].timePulses, 960u);
    QCOMPARE(tempo[1].microsecondsPerQuarterNote, 250000u);
}

void TestMidiFile::readsHandAssembledFile()
{
    // Format 0 with running status, a system-exclusive event, an escaped clock byte, a long
    // text event, a foreign chunk before the track and data after it: the channel events keep
    // their times, everything else is left out of the stream.
    const QByteArray body =
        Bytes({0x00, 0xFF, 0x03}) + Vlq(300) + QByteArray(300, 'n') + // long track name
        Bytes({0x00, 0x90, 0x3C, 0x40}) +                              // note on
        Bytes({0x30, 0x3E, 0x41}) +                                    // running status
        Bytes({0x30, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}) +      // system exclusive
        Bytes({0x30, 0xF7, 0x01, 0xF8}) +                              // escaped clock
        Bytes({0x30, 0x80, 0x3C, 0x00}) +                              // note off
        Bytes({0x81, 0x00, 0x3E, 0x00}) +                              // running status, delta 128
        EndOfTrack + Bytes({0x12, 0x34});                              // bytes after the end of track
    const QByteArray file = Header(0, 1, 96) + "XFIH" + Be(3, 4) + "abc" + Track(body) + "junk";
    MidiStream stream;
    QVector<MidiFile::TempoChange> tempo;
    const Error error = ReadBytes(file, stream, &tempo);
    QVERIFY2(!error, qPrintable(error.GetMessage()));
    auto s = [](double pulses) { return pulses / 96 * 0.5; };
    CompareStream(stream, {{0x90, 0x3C, 0x40, 3, 0, 0.0},
                           {0x90, 0x3E, 0x41, 3, 48, s(48)},
                           {0x80, 0x3C, 0x00, 3, 192, s(192)},
                           {0x80, 0x3E, 0x00, 3, 320, s(320)}});
    QCOMPARE(tempo.size(), 1);

    // Events are appended to what the stream already holds.
    const Error again = ReadBytes(file, stream);
    QVERIFY(!again);
    QCOMPARE(stream.GetEvents().size(), 8);
}

void TestMidiFile::tracksAreMergedInTimeOrder()
{
    // The second track's event comes first in time: the stream must start with it, not with
    // the first event of the first track.
    const QByteArray file = Header(1, 2, 96) + Track(Bytes({0x02, 0x90, 0x3C, 0x64}) + EndOfTrack) +
                            Track(Bytes({0x01, 0x80, 0x3C, 0x00}) + EndOfTrack);
    MidiStream stream;
    const Error error = ReadBytes(file, stream);
    QVERIFY2(!error, qPrintable(error.GetMessage()));
    auto s = [](double pulses) { return pulses / 96 * 0.5; };
    CompareStream(stream, {{0x80, 0x3C, 0x00, 3, 1, s(1)}, {0x90, 0x3C, 0x64, 3, 2, s(2)}});
}

void TestMidiFile::onlyMetaEventsGiveAnEmptyStream()
{
    const QByteArray file = Header(1, 1) +
                            Track(Bytes({0x00, 0xFF, 0x03, 0x04, 'n', 'a', 'm', 'e', 0x00, 0xFF, 0x51, 0x03,
                                         0x0F, 0x42, 0x40, 0x60, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08}) +
                                  EndOfTrack);
    MidiStream stream;
    QVector<MidiFile::TempoChange> tempo;
    const Error error = ReadBytes(file, stream, &tempo);
    QVERIFY2(!error, qPrintable(error.GetMessage()));
    QVERIFY(stream.GetEvents().isEmpty());
    QVERIFY(!tempo.isEmpty());
    QCOMPARE(tempo[0].microsecondsPerQuarterNote, 1000000u);
}

void TestMidiFile::defaultTempoEntry()
{
    const QByteArray file = Header(0, 1) + Track(Bytes({0x00, 0x90, 0x3C, 0x40}) + EndOfTrack);
    MidiStream stream;
    QVector<MidiFile::TempoChange> tempo;
    QVERIFY(!ReadBytes(file, stream, &tempo));
    QCOMPARE(tempo.size(), 1);
    QCOMPARE(tempo[0].timePulses, 0u);
    QCOMPARE(tempo[0].microsecondsPerQuarterNote, 500000u);
}

void TestMidiFile::failureTable()
{
    auto checkError = [](const Error& error, unsigned int code, const char* message, const char* function) {
        QVERIFY(error.IsError());
        QCOMPARE(error.GetCode(), code);
        QCOMPARE(error.GetMessage(), QString::fromLatin1(message));
        QCOMPARE(QString::fromLatin1(error.GetTag().function), QString::fromLatin1(function));
        QVERIFY(QString::fromLatin1(error.GetTag().file).endsWith("midi_file.cpp"));
        QVERIFY(error.GetTag().line > 0);
    };
    const MidiEvent marker(MidiMessage(NoteOn, 0, 1, 1), 0, 0);

    // 261: the device cannot be opened for reading.
    {
        MidiStream stream;
        stream.AddEvent(marker);
        checkError(MidiFile(dir.filePath("missing.mid")).ReadStream(stream), 261, "Error opening midi file.", "ReadStream");
        QCOMPARE(stream.GetEvents().size(), 1);
        checkError(MidiFile(boost::shared_ptr<QIODevice>()).ReadStream(stream), 261, "Error opening midi file.", "ReadStream");
        boost::shared_ptr<QIODevice> writeOnly(new QBuffer);
        QVERIFY(writeOnly->open(QIODevice::WriteOnly));
        checkError(MidiFile(writeOnly).ReadStream(stream), 261, "Error opening midi file.", "ReadStream");
        checkError(MidiFile(dir.path()).ReadStream(stream), 261, "Error opening midi file.", "ReadStream");
        QCOMPARE(stream.GetEvents().size(), 1);
    }
    // 257: fewer bytes than the device's size.
    {
        MidiStream stream;
        checkError(MidiFile(boost::shared_ptr<QIODevice>(new ShortDevice)).ReadStream(stream), 257,
                   "Error reading midi file.", "ReadStream");
        QVERIFY(stream.GetEvents().isEmpty());
    }
    // 264: not a MIDI file.
    {
        MidiStream stream;
        checkError(ReadBytes("hello, world", stream), 264, "Error loading midi file.", "ReadStream");
        checkError(ReadBytes(QByteArray(), stream), 264, "Error loading midi file.", "ReadStream");
        QVERIFY(stream.GetEvents().isEmpty());
    }
    // 257: cannot write.
    {
        MidiStream stream;
        stream.AddEvent(marker);
        boost::shared_ptr<QIODevice> buffer(new QBuffer);
        checkError(MidiFile(buffer).WriteStream(stream), 257, "Error writing midi file.", "WriteStream");
        checkError(MidiFile(dir.filePath("no/such/dir/x.mid")).WriteStream(stream), 257, "Error writing midi file.",
                   "WriteStream");
        checkError(MidiFile(dir.path()).WriteStream(stream), 257, "Error writing midi file.", "WriteStream");
    }
}

void TestMidiFile::failedWriteKeepsTheOldFile()
{
    const QString path = dir.filePath("keep.mid");
    MidiStream first;
    first.AddEvent(MidiEvent(MidiMessage(NoteOn, 0, 60, 100), 0, 0));
    QVERIFY(!MidiFile(path).WriteStream(first));
    const QByteArray before = ReadFile(path);

    MidiStream broken = first;
    broken.AddEvent(MidiEvent(MidiMessage(NoteOn, 0, 61, 100), 0xFFFFFFFFu, 0));
    QCOMPARE(MidiFile(path).WriteStream(broken).GetCode(), 257u);
    QCOMPARE(ReadFile(path), before);
}

void TestMidiFile::readsFromAnOpenDeviceAndTwice()
{
    boost::shared_ptr<QIODevice> buffer(new QBuffer);
    static_cast<QBuffer*>(buffer.get())->setData(ValidFile());
    QVERIFY(buffer->open(QIODevice::ReadOnly));
    buffer->seek(20);
    MidiFile file(buffer);
    MidiStream first;
    QVERIFY(!file.ReadStream(first));
    QCOMPARE(first.GetEvents().size(), 2);
    QVERIFY(buffer->isOpen());
    MidiStream second;
    QVERIFY(!file.ReadStream(second));
    QCOMPARE(second.GetEvents().size(), 2);
    QVERIFY(file.GetFileName().isEmpty());

    const QString path = dir.filePath("twice.mid");
    QVERIFY(!MidiFile(path).WriteStream(first));
    MidiFile named(path);
    MidiStream a, b;
    QVERIFY(!named.ReadStream(a));
    QVERIFY(!named.ReadStream(b));
    QCOMPARE(b.GetEvents().size(), 2);
}

void TestMidiFile::malformedFilesAreRejected_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray note = Bytes({0x00, 0x90, 0x3C, 0x40});
    QTest::newRow("random text") << QByteArray("MThd is not enough");
    QTest::newRow("header only") << Header(0, 1);
    QTest::newRow("header cut") << Header(0, 1).left(13);
    QTest::newRow("header length 7") << "MThd" + Be(7, 4) + Be(0, 2) + Be(1, 2) + Be(96, 2) + QByteArray(1, 0) + Track(EndOfTrack);
    QTest::newRow("header length huge") << "MThd" + Be(0xFFFFFFF0u, 4) + Be(0, 2) + Be(1, 2) + Be(96, 2) + Track(EndOfTrack);
    QTest::newRow("format 2") << Header(2, 1) + Track(note + EndOfTrack);
    QTest::newRow("format 7") << Header(7, 1) + Track(note + EndOfTrack);
    QTest::newRow("no tracks declared") << Header(1, 0) + Track(note + EndOfTrack);
    QTest::newRow("smpte division") << Header(0, 1, 0xE728) + Track(note + EndOfTrack);
    QTest::newRow("zero division") << Header(0, 1, 0) + Track(note + EndOfTrack);
    QTest::newRow("fewer tracks than declared") << Header(1, 3) + Track(note + EndOfTrack) + Track(EndOfTrack);
    QTest::newRow("track length too big") << Header(0, 1) + "MTrk" + Be(100, 4) + note + EndOfTrack;
    QTest::newRow("track length huge") << Header(0, 1) + "MTrk" + Be(0xFFFFFFFFu, 4) + note + EndOfTrack;
    QTest::newRow("track length short") << Header(0, 1) + "MTrk" + Be(6, 4) + note + EndOfTrack;
    QTest::newRow("empty track") << Header(0, 1) + Track(QByteArray());
    QTest::newRow("no end of track") << Header(0, 1) + Track(note);
    QTest::newRow("end of track with data") << Header(0, 1) + Track(note + Bytes({0x00, 0xFF, 0x2F, 0x01, 0x00}));
    QTest::newRow("running status first") << Header(0, 1) + Track(Bytes({0x00, 0x3C, 0x40}) + EndOfTrack);
    QTest::newRow("running status after meta")
        << Header(0, 1) + Track(note + Bytes({0x00, 0xFF, 0x01, 0x01, 'x', 0x00, 0x3E, 0x40}) + EndOfTrack);
    QTest::newRow("running status after sysex")
        << Header(0, 1) + Track(note + Bytes({0x00, 0xF0, 0x01, 0xF7, 0x00, 0x3E, 0x40}) + EndOfTrack);
    QTest::newRow("data byte with status bit") << Header(0, 1) + Track(Bytes({0x00, 0x90, 0x3C, 0x90}) + EndOfTrack);
    QTest::newRow("message cut by end of track") << Header(0, 1) + Track(Bytes({0x00, 0x90, 0x3C}));
    QTest::newRow("five byte delta") << Header(0, 1) + Track(Bytes({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 0x3C, 0x40}) + EndOfTrack);
    QTest::newRow("delta cut") << Header(0, 1) + Track(Bytes({0x81}));
    QTest::newRow("real-time status") << Header(0, 1) + Track(Bytes({0x00, 0xF8}) + EndOfTrack);
    QTest::newRow("song position status") << Header(0, 1) + Track(Bytes({0x00, 0xF2, 0x00, 0x00}) + EndOfTrack);
    QTest::newRow("meta type with status bit") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x81, 0x00}) + EndOfTrack);
    QTest::newRow("meta longer than track") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x01, 0x7F, 'a'}) + EndOfTrack);
    QTest::newRow("meta length huge") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0x7F}) + EndOfTrack);
    QTest::newRow("sysex longer than track") << Header(0, 1) + Track(Bytes({0x00, 0xF0, 0x40, 0x01}) + EndOfTrack);
    QTest::newRow("sysex length huge") << Header(0, 1) + Track(Bytes({0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0x7F}) + EndOfTrack);
    QTest::newRow("escape longer than track") << Header(0, 1) + Track(Bytes({0x00, 0xF7, 0x09, 0xF8}) + EndOfTrack);
    QTest::newRow("short tempo") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x51, 0x00}) + EndOfTrack);
    QTest::newRow("long tempo") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x51, 0x04, 1, 2, 3, 4}) + EndOfTrack);
    QTest::newRow("short time signature") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x58, 0x02, 4, 2}) + EndOfTrack);
    QTest::newRow("absurd time signature") << Header(0, 1) + Track(Bytes({0x00, 0xFF, 0x58, 0x04, 4, 200, 24, 8}) + EndOfTrack);
    QByteArray farBody;
    for (int i = 0; i < 9; ++i)
        farBody += Vlq(0x0FFFFFFF) + Bytes({0x90, 0x3C, 0x40});
    QTest::newRow("time beyond 2^31 pulses") << Header(0, 1) + Track(farBody + EndOfTrack);
    QTest::newRow("second track broken")
        << Header(1, 2) + Track(note + EndOfTrack) + Track(Bytes({0x00, 0x90, 0x3C}) + EndOfTrack);
    QTest::newRow("chunk header cut") << Header(1, 2) + Track(note + EndOfTrack) + "MTr";
}

void TestMidiFile::malformedFilesAreRejected()
{
    QFETCH(QByteArray, file);
    MidiStream stream;
    QVector<MidiFile::TempoChange> tempo;
    const Error error = ReadBytes(file, stream, &tempo);
    QCOMPARE(error.GetCode(), 264u);
    QCOMPARE(error.GetMessage(), QStringLiteral("Error loading midi file."));
    QVERIFY(stream.GetEvents().isEmpty());
    QVERIFY(tempo.isEmpty());
}

void TestMidiFile::truncatedFilesAreRejected()
{
    const QByteArray file = ValidFile();
    for (int size = 0; size < file.size(); ++size) {
        MidiStream stream;
        const Error error = ReadBytes(file.left(size), stream);
        QVERIFY2(error.GetCode() == 264, qPrintable(QString("prefix of %1 bytes").arg(size)));
    }
    MidiStream whole;
    QVERIFY(!ReadBytes(file, whole));
    QCOMPARE(whole.GetEvents().size(), 2);
}

void TestMidiFile::mutatedFilesNeverCrash()
{
    // Random damage to a valid file and random bytes after a valid header: every read ends
    // with either a stream or "Error loading midi file.", never a crash or a hang.
    QRandomGenerator random(20240611);
    const QByteArray base = ValidFile();
    int rejected = 0;
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray file = base;
        if (round % 3 == 0) {
            file = Header(1, 1 + int(random.bounded(3))) + "MTrk" + Be(random.bounded(64u), 4);
            const int n = int(random.bounded(64));
            for (int i = 0; i < n; ++i)
                file.append(char(random.bounded(256)));
        } else {
            const int changes = 1 + int(random.bounded(4));
            for (int i = 0; i < changes; ++i)
                file[int(random.bounded(file.size()))] = char(random.bounded(256));
        }
        MidiStream stream;
        const Error error = ReadBytes(file, stream);
        if (error) {
            QCOMPARE(error.GetCode(), 264u);
            ++rejected;
        } else {
            ++loaded;
        }
    }
    qInfo("mutated files: %d rejected, %d loaded", rejected, loaded);
    QVERIFY(rejected > 0);
    QVERIFY(loaded > 0);
}

void TestMidiFile::tempoChangesInAnyTrackApplyToAll()
{
    // Notes in the first track, the tempo map in the second and third.
    const QByteArray file =
        Header(1, 3) +
        Track(Bytes({0x00, 0x90, 0x3C, 0x40, 0x81, 0x40, 0x80, 0x3C, 0x00, 0x81, 0x40, 0x90, 0x3E, 0x40}) + EndOfTrack) +
        Track(Bytes({0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}) + EndOfTrack) +            // 250000 at 96
        Track(Bytes({0x81, 0x40, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}) + EndOfTrack);       // 1000000 at 192
    MidiStream stream;
    QVector<MidiFile::TempoChange> tempo;
    const Error error = ReadBytes(file, stream, &tempo);
    QVERIFY2(!error, qPrintable(error.GetMessage()));
    CompareStream(stream, {{0x90, 0x3C, 0x40, 3, 0, 0.0}, {0x80, 0x3C, 0x00, 3, 192, 0.75}, {0x90, 0x3E, 0x40, 3, 384, 2.75}});
    QCOMPARE(tempo.size(), 3);
    QCOMPARE(tempo[1].timePulses, 96u);
    QCOMPARE(tempo[1].microsecondsPerQuarterNote, 250000u);
    QCOMPARE(tempo[2].timePulses, 192u);
    QCOMPARE(tempo[2].microsecondsPerQuarterNote, 1000000u);

    // A tempo change far later than anything in the first track.
    const quint32 late = 0x18000000;
    const QByteArray far = Header(1, 2) + Track(Bytes({0x00, 0x90, 0x3C, 0x40}) + EndOfTrack) +
                           Track(Vlq(0x0FFFFFFF) + Bytes({0xFF, 0x01, 0x00}) + Vlq(late - 0x0FFFFFFF) +
                                 Bytes({0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x0A, 0x90, 0x3E, 0x40}) + EndOfTrack);
    MidiStream farStream;
    QVector<MidiFile::TempoChange> farTempo;
    const Error farError = ReadBytes(far, farStream, &farTempo);
    QVERIFY2(!farError, qPrintable(farError.GetMessage()));
    CompareStream(farStream, {{0x90, 0x3C, 0x40, 3, 0, 0.0},
                              {0x90, 0x3E, 0x40, 3, late + 10, late / 96.0 * 0.5 + 10 / 96.0 * 0.25}});
    QCOMPARE(farTempo.size(), 2);
    QCOMPARE(farTempo[1].timePulses, late);
    QCOMPARE(farTempo[1].microsecondsPerQuarterNote, 250000u);
}

void TestMidiFile::largeFilesLoadInBoundedTime_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("events");

    const QByteArray note = Bytes({0x01, 0x90, 0x3C, 0x40});
    const QByteArray tempoChange = Bytes({0x01, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    QByteArray notes;
    for (int i = 0; i < 2000000; ++i)
        notes += note;
    QTest::newRow("two million events") << Header(0, 1) + Track(notes + EndOfTrack) << true << 2000000;
    QTest::newRow("more than 8 MiB") << Header(0, 1) + Track(notes + notes.left(400000) + EndOfTrack) << false << 0;

    auto manyTracks = [&](int count) {
        QByteArray file = Header(1, count);
        for (int i = 0; i < count; ++i)
            file += Track(note + EndOfTrack);
        return file;
    };
    QTest::newRow("10000 tracks") << manyTracks(10000) << true << 10000;
    QTest::newRow("60000 tracks") << manyTracks(60000) << false << 0;

    // Every note is followed by all the tempo changes: libsmf looks for a note's tempo by
    // searching back from the last change.
    auto tempoAfterNotes = [&](int count) {
        return Header(1, 2) + Track(Vlq(quint32(count)) + tempoChange.mid(1) + tempoChange.repeated(count - 1) + EndOfTrack) +
               Track(notes.left(4 * count) + EndOfTrack);
    };
    QTest::newRow("10000 notes, 10000 tempo changes") << tempoAfterNotes(10000) << true << 10000;
    QTest::newRow("100000 notes, 100000 tempo changes") << tempoAfterNotes(100000) << false << 0;
}

void TestMidiFile::largeFilesLoadInBoundedTime()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loads);
    QFETCH(int, events);
    QElapsedTimer timer;
    timer.start();
    MidiStream stream;
    const Error error = ReadBytes(file, stream);
    const qint64 elapsed = timer.elapsed();
    qInfo("%s: %lld ms for %d bytes", QTest::currentDataTag(), elapsed, file.size());
    if (loads) {
        QVERIFY2(!error, qPrintable(error.GetMessage()));
        QCOMPARE(stream.GetEvents().size(), events);
    } else {
        QCOMPARE(error.GetCode(), 264u);
    }
    QVERIFY2(elapsed < 30000, "loading must not hang the program");
}

QTEST_GUILESS_MAIN(TestMidiFile)
#include "tst_midi_file.moc"
