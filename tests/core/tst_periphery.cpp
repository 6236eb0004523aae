// The music library's periphery: Standard MIDI Files, note names, sound files from memory.
#include "core/au_server_mac.h"
#include "core/midi/midi_file.h"
#include "core/music_names.h"
#include "core/note_naming.h"
#include "core/sound.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Core;

namespace {

QByteArray H(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray Int(quint32 value, int size, bool bigEndian = true) // MIDI files big, WAV little
{
    QByteArray out;
    for (int i = 0; i < size; ++i)
        out.append(char(value >> (8 * (bigEndian ? size - 1 - i : i))));
    return out;
}

QByteArray Header(int format, int tracks, int division = 96)
{
    return "MThd" + Int(6, 4) + Int(format, 2) + Int(tracks, 2) + Int(division, 2);
}

QByteArray Track(const QByteArray& events, const QByteArray& end = H("00ff2f00"))
{
    return "MTrk" + Int(events.size() + end.size(), 4) + events + end;
}

Error Read(const QByteArray& bytes, MidiStream& stream)
{
    boost::shared_ptr<QBuffer> buffer(new QBuffer);
    buffer->setData(bytes);
    return MidiFile(boost::shared_ptr<QIODevice>(buffer)).ReadStream(stream);
}

// "status data1 data2 @pulses seconds" for each event, data bytes as the length has them.
QStringList Describe(const MidiStream& stream)
{
    QStringList out;
    for (const MidiEvent& e : stream.GetEvents()) {
        const QByteArray bytes(reinterpret_cast<const char*>(e.GetMessage().GetRawData()), e.GetMessage().GetLength());
        out << QStringLiteral("%1 @%2 %3").arg(QString::fromLatin1(bytes.toHex(' '))).arg(e.GetTimePulses())
                   .arg(e.GetTime(), 0, 'f', 4);
    }
    return out;
}

// A WAV file of a 440 Hz tone, 16-bit mono at 8 kHz; its samples go to *pcm.
QByteArray Wav(double seconds, QByteArray* pcm)
{
    for (int i = 0; i < int(8000 * seconds); ++i)
        *pcm += Int(quint16(qint16(12000 * std::sin(2 * M_PI * 440 * i / 8000))), 2, false);
    return "RIFF" + Int(36 + pcm->size(), 4, false) + "WAVEfmt " + H("1000000001000100401f0000803e000002001000") +
           "data" + Int(pcm->size(), 4, false) + *pcm;
}

// The sound's output: ALSA's file plugin writing to `path`, or none at all.
void Output(const QString& path)
{
    qputenv("OVELUNE_AUDIO_DRIVER", path.isEmpty() ? "none" : "alsa");
    qputenv("OVELUNE_SOUND_PCM", QStringLiteral("file:FILE=%1,FORMAT=raw").arg(path).toLocal8Bit());
}

} // namespace

class TestPeriphery : public QObject
{
    Q_OBJECT

private slots:
    // Tracks merged in time order, running status, tempo changes in any track; meta and
    // system-exclusive events (a long track name too) are not part of the stream.
    void readsChannelEventsInTimeOrder()
    {
        const QByteArray file =
            Header(1, 2) + Track(H("02903c40" "603e41" "00f0037e7ff7")) +
            Track(H("00ff03822c") + QByteArray(300, 'n') + H("01c005" "5fff510303d090"));
        MidiStream stream;
        const Error error = Read(file, stream);
        QVERIFY2(!error, qPrintable(error.GetMessage()));
        // 0.5 s per 96 pulses up to pulse 96, then 0.25 s.
        QCOMPARE(Describe(stream), QStringList({"c0 05 @1 0.0052", "90 3c 40 @2 0.0104", "90 3e 41 @98 0.5052"}));
    }

    // A format-1 file of sixteen tracks, one per channel, at 96 pulses per quarter note;
    // system messages have no place in it and are left out.
    void writesWhatReadsBack()
    {
        MidiStream stream;
        for (const MidiEvent& event : {MidiEvent(MidiMessage(NoteOff, 5, 62, 0), 192, 0), MidiEvent(MidiMessage(0xF8, 0, 0), 100, 0),
                                       MidiEvent(MidiMessage(NoteOn, 5, 62, 90), 96, 0), MidiEvent(MidiMessage(ProgramChange, 0, 7), 0, 0)})
            stream.AddEvent(event);
        const QString path = dir.filePath("written.mid");
        QVERIFY(!MidiFile(path).WriteStream(stream));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QCOMPARE(bytes.left(14), Header(1, 16));
        QCOMPARE(bytes.count("MTrk"), 16);
        MidiStream back;
        QVERIFY(!MidiFile(path).ReadStream(back));
        QCOMPARE(Describe(back), QStringList({"c0 07 @0 0.0000", "95 3e 5a @96 0.5000", "85 3e 00 @192 1.0000"}));
    }

    void failuresAreReported()
    {
        MidiStream stream;
        const Error failures[] = {MidiFile(dir.filePath("missing.mid")).ReadStream(stream), Read("hello", stream),
                                  MidiFile(boost::shared_ptr<QIODevice>(new QBuffer)).WriteStream(stream), // no name
                                  MidiFile(dir.path()).WriteStream(stream), MidiFile(dir.filePath("no/x.mid")).WriteStream(stream)};
        const QStringList expected = {"261 Error opening midi file.", "264 Error loading midi file.", "257 Error writing midi file.",
                                      "257 Error writing midi file.", "257 Error writing midi file."};
        for (int i = 0; i < 5; ++i) {
            QVERIFY(failures[i].IsError());
            QCOMPARE(QStringLiteral("%1 %2").arg(failures[i].GetCode()).arg(failures[i].GetMessage()), expected[i]);
        }
        QVERIFY(stream.GetEvents().isEmpty());
    }

    // libsmf trusts what it loads (see the platform notes): whatever breaks the structure is
    // refused before it gets there.
    void malformedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray note = H("00903c40");
        QTest::newRow("format 2") << Header(2, 1) + Track(note);
        QTest::newRow("no tracks") << Header(1, 0) + Track(note);
        QTest::newRow("smpte division") << Header(0, 1, 0xE728) + Track(note);
        QTest::newRow("fewer tracks than declared") << Header(1, 2) + Track(note);
        QTest::newRow("no end of track") << Header(0, 1) + Track(note, QByteArray());
        QTest::newRow("end of track with data") << Header(0, 1) + Track(note, H("00ff2f0100"));
        QTest::newRow("running status first") << Header(0, 1) + Track(H("003c40"));
        QTest::newRow("data byte with status bit") << Header(0, 1) + Track(H("00903c90"));
        QTest::newRow("real-time status") << Header(0, 1) + Track(H("00f8"));
        QTest::newRow("five byte delta") << Header(0, 1) + Track(H("8181818101903c40"));
        QTest::newRow("meta longer than track") << Header(0, 1) + Track(H("00ff017f61"));
        QTest::newRow("long tempo") << Header(0, 1) + Track(H("00ff510401020304"));
        QTest::newRow("absurd time signature") << Header(0, 1) + Track(H("00ff580404c81808"));
        QTest::newRow("beyond 2^31 pulses") << Header(0, 1) + Track(H("ffffff7f903c40").repeated(9));
        QTest::newRow("more than 8 MiB") << Header(0, 1) + Track(H("01903c40").repeated(2200000));
    }

    void malformedFilesAreRefused()
    {
        QFETCH(QByteArray, file);
        MidiStream stream;
        QCOMPARE(Read(file, stream).GetCode(), 264u);
        QVERIFY(stream.GetEvents().isEmpty());
        for (int size = 0; size < file.size() && size < 64; ++size) // no prefix loads either
            QCOMPARE(Read(file.left(size), stream).GetCode(), 264u);
    }

    void noteNames()
    {
        const char* sharps[12] = {"C", "C\u266F", "D", "D\u266F", "E", "F", "F\u266F", "G", "G\u266F", "A", "A\u266F", "B"};
        const char* flats[12] = {"C", "D\u266D", "D", "E\u266D", "E", "F", "G\u266D", "G", "A\u266D", "A", "B\u266D", "B"};
        int white = 0;
        for (int key = 0; key <= 87; ++key) {
            const int midi = key + 21; // C of octave o is MIDI note 12 (o + 1)
            const QString octave = QString::number(midi / 12 - 1);
            QCOMPARE(GetNoteString(key, false), QString::fromUtf8(sharps[midi % 12]) + octave);
            QCOMPARE(GetNoteString(key, true), QString::fromUtf8(flats[midi % 12]) + octave);
            if (QByteArray(sharps[midi % 12]).size() > 1)
                continue;
            QCOMPARE(WhiteIndexToNote(white), key);
            QCOMPARE(NoteToWhiteIndex(key), white);
            QCOMPARE(NoteToNextWhiteIndex(key), white++);
        }
        QCOMPARE(white, 52);
    }

    // Each system's twelve names, C first, as its musicians write them.
    void namingSystemsNameEveryKey_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("names");
        QTest::newRow("letters") << 0 << QLocale::English << "C C♯ D D♯ E F F♯ G G♯ A A♯ B";
        QTest::newRow("german") << 1 << QLocale::German << "C Cis D Dis E F Fis G Gis A B H";
        QTest::newRow("solfège, Italian") << 2 << QLocale::Italian << "Do Do♯ Re Re♯ Mi Fa Fa♯ Sol Sol♯ La La♯ Si";
        QTest::newRow("solfège, French") << 2 << QLocale::French << "Do Do♯ Ré Ré♯ Mi Fa Fa♯ Sol Sol♯ La La♯ Si";
        QTest::newRow("solfège, Russian") << 2 << QLocale::Russian << "До До♯ Ре Ре♯ Ми Фа Фа♯ Соль Соль♯ Ля Ля♯ Си";
        QTest::newRow("japanese") << 3 << QLocale::Japanese << "ハ 嬰ハ ニ 嬰ニ ホ ヘ 嬰ヘ ト 嬰ト イ 嬰イ ロ";
    }

    void namingSystemsNameEveryKey()
    {
        QFETCH(int, system);
        QFETCH(QLocale::Language, language);
        QFETCH(QString, names);
        const QStringList pitchClasses = names.split(' ');
        const NoteNaming naming(NoteNaming::System(system), language);
        for (int midi = 21; midi <= 108; ++midi) // A0..C8, octaves in scientific pitch notation
            QCOMPARE(naming.KeyName(midi), pitchClasses[midi % 12] + QString::number(midi / 12 - 1));
        QCOMPARE(naming.KeyName(60), pitchClasses[0] + "4"); // middle C
        QVERIFY(naming.KeyName(128).isEmpty() && naming.PitchClassName(-1).isEmpty());
        // The learner's language picks the system, and a stored word that is none falls back to it.
        QCOMPARE(NoteNaming::DefaultFor(language), NoteNaming::System(system));
        QCOMPARE(NoteNaming::FromStoreWord(NoteNaming::StoreWord(naming.GetSystem()), QLocale::English), naming.GetSystem());
        QCOMPARE(NoteNaming::FromStoreWord("Solfège\n", language), NoteNaming::System(system));
    }

    // The bytes read at construction play, whole, even after the file is gone.
    void playsTheFileFromMemory()
    {
        QByteArray samples;
        const QString path = dir.filePath("tone.wav");
        QFile wav(path);
        QVERIFY(wav.open(QIODevice::WriteOnly) && wav.write(Wav(0.4, &samples)) > 0 && wav.flush());
        Sound sound(path);
        QVERIFY(QFile::remove(path));
        Output(dir.filePath("played.raw"));
        sound.play();
        QTRY_VERIFY_WITH_TIMEOUT(!AuServerMac::IsPlaying(&sound), 30000);
        QFile played(dir.filePath("played.raw"));
        QVERIFY(played.open(QIODevice::ReadOnly));
        QCOMPARE(played.readAll(), samples);
    }

    // Into a pipe the test does not read, the player blocks; destroying the sound stops it.
    void destroyingASoundStopsIt()
    {
        QByteArray samples;
        const QString wavPath = dir.filePath("minute.wav"), pipe = dir.filePath("out.fifo");
        QFile wav(wavPath);
        QVERIFY(wav.open(QIODevice::WriteOnly) && wav.write(Wav(60, &samples)) > 0 && wav.flush());
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        Output(pipe);
        {
            Sound sound(wavPath);
            sound.play();
            int waiting = 0;
            QTRY_VERIFY_WITH_TIMEOUT(::ioctl(fd, FIONREAD, &waiting) == 0 && waiting >= 16000, 20000);
        }
        // Read to the end of the playback, when the player closes the pipe.
        QByteArray played;
        const auto drained = [&] {
            char buffer[65536];
            ssize_t n;
            while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
                played.append(buffer, int(n));
            return n == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(drained(), 20000);
        ::close(fd);
        QTRY_COMPARE_WITH_TIMEOUT(AuServerMac::PlayingCount(), 0, 10000);
        QVERIFY2(played.size() < samples.size() / 2, qPrintable(QString::number(played.size())));
    }

    void cleanup()
    {
        Output(QString());
        QTRY_COMPARE_WITH_TIMEOUT(AuServerMac::PlayingCount(), 0, 20000);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestPeriphery)
#include "tst_periphery.moc"
