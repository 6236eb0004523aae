#include "core/alert_beep.h"
#include "core/au_bucket.h"
#include "core/au_server.h"
#include "core/au_server_mac.h"
#include "core/sound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <cmath>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Core;

namespace {

void AppendLe(QByteArray& out, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// 16-bit PCM samples of a sine, interleaved, as they appear in a WAV file.
QByteArray Samples(int rate, int channels, double seconds)
{
    QByteArray out;
    const int frames = int(rate * seconds);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            AppendLe(out, quint16(qint16(12000 * std::sin(2 * M_PI * (440 + 110 * c) * i / rate))), 2);
    return out;
}

QByteArray Wav(int rate, int channels, const QByteArray& samples)
{
    QByteArray out("RIFF");
    AppendLe(out, quint32(36 + samples.size()), 4);
    out += "WAVEfmt ";
    AppendLe(out, 16, 4);
    AppendLe(out, 1, 2); // PCM
    AppendLe(out, quint32(channels), 2);
    AppendLe(out, quint32(rate), 4);
    AppendLe(out, quint32(rate * channels * 2), 4);
    AppendLe(out, quint32(channels * 2), 2);
    AppendLe(out, 16, 2);
    out += "data";
    AppendLe(out, quint32(samples.size()), 4);
    return out + samples;
}

bool WriteFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Playback goes to a raw file through ALSA's file plugin: the real output path, observable.
void UseFileOutput(const QString& path)
{
    qputenv("OVELUNE_AUDIO_DRIVER", "alsa");
    qputenv("OVELUNE_SOUND_PCM", QString("file:FILE=%1,FORMAT=raw").arg(path).toLocal8Bit());
}

void UseNoOutput()
{
    qputenv("OVELUNE_AUDIO_DRIVER", "none");
    qunsetenv("OVELUNE_SOUND_PCM");
}

// A named pipe as the output: the player can write only as fast as the test reads, which
// holds a playback in progress for as long as the test needs.
class FifoOutput
{
public:
    explicit FifoOutput(const QString& path) : path(path)
    {
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) == 0)
            fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    }
    ~FifoOutput()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool IsOpen() const { return fd >= 0; }
    QString Path() const { return path; }
    QByteArray Content() const { return content; }

    bool ReadAtLeast(int size, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (content.size() < size && timer.elapsed() < timeoutMs) {
            // No more than asked for: what stays unread keeps the player blocked.
            if (ReadAvailable(size - content.size()) == State::Failed)
                return false;
            QTest::qWait(5);
        }
        return content.size() >= size;
    }

    // After data has come: reads until the writer closes the pipe.
    bool ReadToEnd(int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            const State state = ReadAvailable(std::numeric_limits<int>::max());
            if (state == State::Failed)
                return false;
            if (state == State::NoWriter)
                return true;
            QTest::qWait(1);
        }
        return false;
    }

private:
    enum class State { Data, Waiting, NoWriter, Failed };

    // Reads up to limit bytes, as many as are there: a fast writer could otherwise keep
    // one call reading to the end of the playback.
    State ReadAvailable(int limit)
    {
        char buffer[65536];
        bool got = false;
        while (limit > 0) {
            const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, size_t(limit)));
            if (n > 0) {
                content.append(buffer, int(n));
                limit -= int(n);
                got = true;
            } else if (n == 0) {
                return got ? State::Data : State::NoWriter;
            } else if (errno == EAGAIN) {
                return got ? State::Data : State::Waiting;
            } else {
                return State::Failed;
            }
        }
        return State::Data;
    }

    QString path;
    int fd = -1;
    QByteArray content;
};

class CountingBucket : public AuBucket
{
public:
    explicit CountingBucket(int& deleted) : deleted(deleted) {}
    ~CountingBucket() override { ++deleted; }

private:
    int& deleted;
};

// A server of the test's own, to see what a sound asks of the current server.
class RecordingServer : public AuServer
{
public:
    void init(Sound* sound) override { inits.append(sound); }
    void play(Sound* sound) override { plays.append(sound); }
    void stop() override { ++stops; }

    QList<Sound*> inits;
    QList<Sound*> plays;
    int stops = 0;
};

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void withoutOutputTheEndIsReportedAtOnce();
    void playsTheFileFromMemory_data();
    void playsTheFileFromMemory();
    void unreadableFileLeavesTheSoundEmpty();
    void undecodableBytesEndAtOnce();
    void unavailableOutputEndsAtOnce();
    void destroyingASoundStopsIt();
    void playingTwiceThenDestroyingStopsBoth();
    void serverListAndBuckets();
    void beepIsSafeHeadless();

private:
    QTemporaryDir dir;
};

void TestSound::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(server() != nullptr);
}

void TestSound::cleanup()
{
    UseNoOutput();
    QTRY_COMPARE_WITH_TIMEOUT(AuServerMac::PlayingCount(), 0, 20000);
}

void TestSound::withoutOutputTheEndIsReportedAtOnce()
{
    UseNoOutput();
    const QString path = dir.filePath("long.wav");
    QVERIFY(WriteFile(path, Wav(8000, 1, Samples(8000, 1, 30.0))));
    Sound sound(path);
    QCOMPARE(sound.fileName(), path);
    QVERIFY(sound.data().size() > 400000);
    QElapsedTimer timer;
    timer.start();
    sound.play();
    QVERIFY(AuServerMac::IsPlaying(&sound));
    QTRY_VERIFY_WITH_TIMEOUT(!AuServerMac::IsPlaying(&sound), 5000);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(AuServerMac::PlayingCount(), 0);
}

void TestSound::playsTheFileFromMemory_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("mono 22050 Hz") << 22050 << 1;
    QTest::newRow("stereo 48000 Hz") << 48000 << 2;
}

void TestSound::playsTheFileFromMemory()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    const QByteArray samples = Samples(rate, channels, 0.4);
    const QString wavPath = dir.filePath("tone.wav");
    const QString outPath = dir.filePath(QString("out-%1-%2.raw").arg(rate).arg(channels));
    QVERIFY(WriteFile(wavPath, Wav(rate, channels, samples)));
    Sound sound(wavPath);
    // The file is gone before playing: what plays is the copy in memory.
    QVERIFY(QFile::remove(wavPath));

    UseFileOutput(outPath);
    QElapsedTimer timer;
    timer.start();
    sound.play();
    QVERIFY(AuServerMac::IsPlaying(&sound));
    QTRY_VERIFY_WITH_TIMEOUT(!AuServerMac::IsPlaying(&sound), 30000);
    qInfo("0.4 s of sound ended after %lld ms", timer.elapsed());
    QCOMPARE(ReadFile(outPath), samples);
}

void TestSound::unreadableFileLeavesTheSoundEmpty()
{
    UseFileOutput(dir.filePath("never.raw"));
    const QString missing = dir.filePath("missing.wav");
    Sound sound(missing);
    QCOMPARE(sound.fileName(), missing);
    QVERIFY(sound.data().isEmpty());
    sound.play();
    QTRY_VERIFY_WITH_TIMEOUT(!AuServerMac::IsPlaying(&sound), 5000);

    Sound directory(dir.path());
    QVERIFY(directory.data().isEmpty());
    directory.play();
    QTRY_VERIFY_WITH_TIMEOUT(!AuServerMac::IsPlaying(&directory), 5000);
    QVERIFY(!QFile::exists(dir.filePath("never.raw")));
}

void TestSound::undecodableBytesEndAtOnce()
{
    const QString path = dir.filePath("text.wav");
    QVERIFY(WriteFile(path, QByteArray("this is not a sound file at all").repeated(100)));
    const QString truncatedPath = dir.filePath("truncated.wav");
    QVERIFY(WriteFile(truncatedPath, Wav(8000, 1, Samples(8000, 1, 1.0)).left(30)));
    UseFileOutput(dir.filePath("undecodable.raw"));
    Sound text(path);
    Sound truncated(truncatedPath);
    QVERIFY(!text.data().isEmpty());
    text.play();
    truncated.play();
    QTRY_VERIFY_WITH_TIMEOUT(!AuServerMac::IsPlaying(&text) && !AuServerMac::IsPlaying(&truncated), 5000);
    QVERIFY(ReadFile(dir.filePath("undecodable.raw")).isEmpty());
}

void TestSound::unavailableOutputEndsAtOnce()
{
    const QString path = dir.filePath("short.wav");
    QVERIFY(WriteFile(path, Wav(8000, 1, Samples(8000, 1, 5.0))));
    qputenv("OVELUNE_AUDIO_DRIVER", "alsa");
    qputenv("OVELUNE_SOUND_PCM", "no_such_output_device");
    Sound sound(path);
    QElapsedTimer timer;
    timer.start();
    sound.play();
    QTRY_VERIFY_WITH_TIMEOUT(!AuServerMac::IsPlaying(&sound), 5000);
    QVERIFY(timer.elapsed() < 5000);
}

void TestSound::destroyingASoundStopsIt()
{
    const QByteArray samples = Samples(8000, 1, 60.0);
    const QString wavPath = dir.filePath("minute.wav");
    QVERIFY(WriteFile(wavPath, Wav(8000, 1, samples)));
    FifoOutput output(dir.filePath("stopped.fifo"));
    QVERIFY(output.IsOpen());
    UseFileOutput(output.Path());
    {
        Sound sound(wavPath);
        sound.play();
        QVERIFY(output.ReadAtLeast(16000, 20000));
        QCOMPARE(AuServerMac::PlayingCount(), 1);
        QVERIFY(AuServerMac::IsPlaying(&sound));
    }
    // The output is drained as fast as it comes now: only a stop ends the playback early.
    QVERIFY(output.ReadToEnd(20000));
    QTRY_COMPARE_WITH_TIMEOUT(AuServerMac::PlayingCount(), 0, 10000);
    const QByteArray played = output.Content();
    qInfo("%d of %d bytes played before the stop took effect", played.size(), samples.size());
    QVERIFY2(played.size() < samples.size() / 2,
             qPrintable(QString("%1 of %2 bytes played").arg(played.size()).arg(samples.size())));
    QCOMPARE(played, samples.left(played.size()));
}

void TestSound::playingTwiceThenDestroyingStopsBoth()
{
    const QByteArray samples = Samples(8000, 1, 60.0);
    const QString wavPath = dir.filePath("twice.wav");
    QVERIFY(WriteFile(wavPath, Wav(8000, 1, samples)));
    FifoOutput first(dir.filePath("twice-a.fifo"));
    FifoOutput second(dir.filePath("twice-b.fifo"));
    QVERIFY(first.IsOpen() && second.IsOpen());
    {
        Sound sound(wavPath);
        UseFileOutput(first.Path());
        sound.play();
        QVERIFY(first.ReadAtLeast(8000, 20000));
        UseFileOutput(second.Path());
        sound.play();
        QVERIFY(second.ReadAtLeast(8000, 20000));
        QCOMPARE(AuServerMac::PlayingCount(), 2);
        QVERIFY(AuServerMac::IsPlaying(&sound));
    }
    QVERIFY(first.ReadToEnd(20000));
    QVERIFY(second.ReadToEnd(20000));
    QTRY_COMPARE_WITH_TIMEOUT(AuServerMac::PlayingCount(), 0, 10000);
    QVERIFY(first.Content().size() < samples.size() / 2);
    QVERIFY(second.Content().size() < samples.size() / 2);
}

void TestSound::serverListAndBuckets()
{
    AuServer* platform = server();
    QCOMPARE(server(), platform);
    {
        RecordingServer recording;
        QCOMPARE(server(), static_cast<AuServer*>(&recording));
        int deleted = 0;
        {
            Sound sound(dir.filePath("missing.wav"));
            QCOMPARE(recording.inits, QList<Sound*>{&sound});
            sound.play();
            QCOMPARE(recording.plays, QList<Sound*>{&sound});
            QCOMPARE(recording.bucket(&sound), static_cast<AuBucket*>(nullptr));
            CountingBucket* first = new CountingBucket(deleted);
            recording.setBucket(&sound, first);
            QCOMPARE(recording.bucket(&sound), static_cast<AuBucket*>(first));
            recording.setBucket(&sound, first); // the same bucket again is kept, not deleted
            QCOMPARE(deleted, 0);
            recording.setBucket(&sound, new CountingBucket(deleted));
            QCOMPARE(deleted, 1);
        }
        QCOMPARE(recording.stops, 1);
        QCOMPARE(deleted, 2); // the sound's own bucket goes with it
    }
    QCOMPARE(server(), platform);
}

void TestSound::beepIsSafeHeadless()
{
    const QByteArray display = qgetenv("DISPLAY");
    QElapsedTimer timer;
    timer.start();
    qunsetenv("DISPLAY");
    qt_mac_beep();
    qputenv("DISPLAY", ":4242"); // no such display
    qt_mac_beep();
    if (display.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", display);
    QVERIFY(timer.elapsed() < 5000);
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
