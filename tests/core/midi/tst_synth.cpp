// The built-in synthesizer, rendered offline and listened to.
#include "core/midi/midi_out_mac_device.h"

#include "support/audio_measure.h"
#include "support/event_log.h"
#include "support/pitch_detector.h"
#include "support/stderr_capture.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

using namespace Core;

namespace {

// Renders `seconds`; the peak of both channels in dBFS, the left channel in *leftOut.
double PeakDbfsBoth(MidiOutMacDevice& synth, double seconds, std::vector<float>* leftOut = nullptr)
{
    const auto frames = static_cast<unsigned int>(seconds * synth.SampleRate());
    std::vector<float> left(frames), right(frames);
    if (!synth.Render(left.data(), right.data(), frames))
        return 1000.0;
    if (leftOut)
        *leftOut = left;
    return std::max(AudioMeasure::PeakDbfs(left), AudioMeasure::PeakDbfs(right));
}

// After Stop: renders the first 50 ms, then returns the peak of the following 100 ms.
double PeakAfterStop(MidiOutMacDevice& synth)
{
    synth.Stop();
    PeakDbfsBoth(synth, 0.05);
    return PeakDbfsBoth(synth, 0.1);
}

// Played as the application plays a question: silence first, then note-on velocity 96.
void PlayQuestion(MidiOutMacDevice& synth, int note)
{
    synth.Stop();
    synth.SendMessage(MidiMessage(NoteOn, 0, static_cast<unsigned char>(note), 96));
}

} // namespace

class SynthTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The test wrapper asks for no audio output: the synthesizer renders on demand.
        QCOMPARE(qgetenv("OVELUNE_AUDIO_DRIVER"), QByteArray("none"));
        qunsetenv("OVELUNE_SOUNDFONT");
    }

    void startsFastAndNamesItself()
    {
        QElapsedTimer clock;
        clock.start();
        MidiOutMacDevice synth;
        const qint64 constructed = clock.elapsed();
        // A note sent while the soundfont is still loading sounds once it is loaded.
        synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96));
        QVERIFY(synth.IsAudible());
        const qint64 loaded = clock.elapsed();
        qInfo("constructed in %lld ms, soundfont ready after %lld ms", constructed, loaded);
        QVERIFY2(constructed < 500, qPrintable(QString::number(constructed)));
        QCOMPARE(synth.GetName(), QStringLiteral("Apple DLS"));
        QVERIFY(synth.SampleRate() >= 22050.0);
        std::vector<float> left;
        const double peak = PeakDbfsBoth(synth, 0.6, &left);
        QVERIFY2(peak > -18.0, qPrintable(QString::number(peak)));
        const PitchDetector detector(synth.SampleRate());
        const auto skip = static_cast<std::size_t>(0.15 * synth.SampleRate());
        QCOMPARE(std::lround(PitchDetector::ToMidiNote(detector.Detect(left.data() + skip, left.size() - skip))), 60L);
    }

    void everyQuestionNoteSoundsAsItself()
    {
        MidiOutMacDevice synth;
        const double rate = synth.SampleRate();
        const PitchDetector detector(rate);
        const auto skip = static_cast<std::size_t>(0.15 * rate); // past the hammer's attack
        double lowest = 0.0, highest = -1000.0, worstCents = 0.0;
        for (int note = 24; note <= 107; ++note) {
            PlayQuestion(synth, note);
            std::vector<float> left;
            const double peak = PeakDbfsBoth(synth, 0.6, &left);
            QVERIFY2(peak >= -18.0 && peak <= -3.0,
                     qPrintable(QStringLiteral("note %1 peaks at %2 dBFS").arg(note).arg(peak)));
            lowest = std::min(lowest, peak);
            highest = std::max(highest, peak);

            QVERIFY(left.size() >= skip + detector.RequiredSamples());
            const double hz = detector.Detect(left.data() + skip, left.size() - skip);
            QVERIFY2(hz > 0.0, qPrintable(QStringLiteral("note %1: no pitch").arg(note)));
            const double heard = PitchDetector::ToMidiNote(hz);
            QVERIFY2(std::lround(heard) == note,
                     qPrintable(QStringLiteral("note %1 heard as %2").arg(note).arg(heard)));
            worstCents = std::max(worstCents, std::fabs(heard - note) * 100.0);

            // Silent again within 50 ms of Stop.
            const double tail = PeakAfterStop(synth);
            QVERIFY2(tail < -90.0, qPrintable(QStringLiteral("note %1 tail %2 dBFS").arg(note).arg(tail)));
        }
        qInfo("question notes peak between %.1f and %.1f dBFS; pitch within %.0f cents", highest,
              lowest, worstCents);
    }

    void filterAttenuatesAboveItsCutoff()
    {
        MidiOutMacDevice synth;
        const double rate = synth.SampleRate();
        const std::size_t size = 8192;
        auto spectrumOf = [&](bool filtered) {
            synth.SetFilterEnabled(filtered);
            synth.Stop();
            PeakDbfsBoth(synth, 0.1);
            synth.SendMessage(MidiMessage(NoteOn, 0, 96, 127)); // bright: partials past 10 kHz
            std::vector<float> left;
            PeakDbfsBoth(synth, 0.3, &left);
            return AudioMeasure::PowerSpectrum(left.data() + 2048, size);
        };
        const std::vector<double> raw = spectrumOf(false);
        const std::vector<double> filtered = spectrumOf(true);
        auto db = [](double ratio) { return 10.0 * std::log10(ratio); };
        const double pass = db(AudioMeasure::BandPower(filtered, rate, 1500, 3000)
                               / AudioMeasure::BandPower(raw, rate, 1500, 3000));
        const double high = db(AudioMeasure::BandPower(filtered, rate, 11000, 20000)
                               / AudioMeasure::BandPower(raw, rate, 11000, 20000));
        qInfo("filter: %.2f dB at 1.5-3 kHz, %.1f dB at 11-20 kHz", pass, high);
        QVERIFY2(std::fabs(pass) < 1.0, qPrintable(QString::number(pass)));
        QVERIFY2(high < -9.0, qPrintable(QString::number(high)));
    }

    void stopSendsTheSilencingSequenceAndRestoresVolume()
    {
        MidiOutMacDevice synth;
        EventLog log;
        synth.AddObserver(&log);
        synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96));
        synth.Stop();
        synth.RemoveObserver(&log);
        const std::vector<MidiEvent> events = log.Events();
        QCOMPARE(events.size(), std::size_t(49));
        const MidiMessage& on = events[0].GetMessage();
        QCOMPARE(int(on.GetByte(0)), 0x90);
        QCOMPARE(int(on.GetByte(1)), 0x3C);
        QCOMPARE(int(on.GetByte(2)), 0x60);
        const unsigned char expected[3][2] = {{120, 0}, {121, 0}, {7, 127}};
        for (int i = 0; i < 48; ++i) {
            const MidiMessage& m = events[i + 1].GetMessage();
            QCOMPARE(int(m.GetLength()), 3);
            QCOMPARE(int(m.GetByte(0)), 0xB0 + i / 3);
            QCOMPARE(int(m.GetByte(1)), int(expected[i % 3][0]));
            QCOMPARE(int(m.GetByte(2)), int(expected[i % 3][1]));
        }

        // What the synthesizer made of it: the channel volume is back at maximum.
        synth.Stop();
        synth.SendMessage(MidiMessage(NoteOn, 3, 69, 96));
        const double full = PeakDbfsBoth(synth, 0.4);
        synth.Stop();
        synth.SendMessage(MidiMessage(ControlChange, 3, 7, 20));
        synth.SendMessage(MidiMessage(NoteOn, 3, 69, 96));
        const double quiet = PeakDbfsBoth(synth, 0.4);
        QVERIFY2(quiet < full - 6.0, qPrintable(QStringLiteral("%1 vs %2").arg(quiet).arg(full)));
        QVERIFY(PeakAfterStop(synth) < -90.0);
        synth.SendMessage(MidiMessage(NoteOn, 3, 69, 96));
        QVERIFY(std::fabs(PeakDbfsBoth(synth, 0.4) - full) < 0.5);
    }

    void oddMessagesAreHarmless()
    {
        MidiOutMacDevice synth;
        const unsigned char sysex[6] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
        synth.SendMessage(MidiMessage(sysex, sizeof sysex));
        const unsigned char statusOnly = 0x90;
        synth.SendMessage(MidiMessage(&statusOnly, 1));
        synth.SendMessage(MidiMessage());
        synth.SendMessage(MidiMessage(0x45, 0x10, 0x20)); // no status byte
        synth.SendMessage(MidiMessage(NoteOn, 0, 127, 127));
        synth.SendMessage(MidiMessage(NoteOn, 15, 200, 255)); // data bytes out of range
        synth.SendMessage(MidiMessage(PitchBend, 0, 0x7F, 0x7F));
        synth.SendMessage(MidiMessage(ProgramChange, 1, 40));
        synth.SendMessage(MidiMessage(ChannelPressure, 1, 40));
        synth.SendMessage(MidiMessage(Aftertouch, 1, 60, 40));
        std::vector<float> left;
        const double peak = PeakDbfsBoth(synth, 0.3, &left);
        QVERIFY(peak < 0.0);
        for (float sample : left)
            QVERIFY(std::isfinite(sample));
        synth.Close();
        synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96)); // after Close: dropped
        synth.Stop();
        float buffer[16];
        QVERIFY(!synth.Render(buffer, buffer, 8));
    }

    void messagesFromSeveralThreadsAtOnce()
    {
        MidiOutMacDevice synth;
        QVERIFY(synth.IsAudible());
        std::atomic<bool> running{true};
        std::atomic<int> sent{0};
        std::vector<std::thread> threads;
        // Like the timer, GUI and MIDI threads at a busy moment, only far more often.
        for (int t = 0; t < 3; ++t) {
            threads.emplace_back([&synth, &running, &sent, t] {
                std::mt19937 random(static_cast<unsigned>(t + 1));
                while (running) {
                    const auto note = static_cast<unsigned char>(24 + random() % 84);
                    synth.SendMessage(MidiMessage(NoteOn, static_cast<unsigned char>(t), note, 96));
                    std::this_thread::sleep_for(std::chrono::microseconds(500));
                    synth.SendMessage(MidiMessage(NoteOff, static_cast<unsigned char>(t), note, 0));
                    sent += 2;
                }
            });
        }
        threads.emplace_back([&synth, &running] {
            while (running) {
                synth.Stop();
                std::this_thread::sleep_for(std::chrono::milliseconds(3));
            }
        });
        QElapsedTimer clock;
        clock.start();
        int blocks = 0;
        bool finite = true;
        while (clock.elapsed() < 1500) {
            std::vector<float> left;
            PeakDbfsBoth(synth, 0.005, &left);
            for (float sample : left)
                finite = finite && std::isfinite(sample);
            ++blocks;
        }
        running = false;
        for (std::thread& thread : threads)
            thread.join();
        qInfo("%d messages from 3 threads and Stop from a fourth over %d rendered blocks", int(sent), blocks);
        QVERIFY(finite);
        QVERIFY(blocks > 10);
        QVERIFY(sent > 100);
        QVERIFY(PeakAfterStop(synth) < -90.0);
    }

    void manyQuestionsWithoutListeningStayClean()
    {
        MidiOutMacDevice synth;
        QVERIFY(synth.IsAudible());
        StderrCapture capture;
        for (int question = 0; question < 100; ++question) // more than a level-12 session
            PlayQuestion(synth, 24 + question % 84);
        const QByteArray complaints = capture.Finish();
        QVERIFY2(complaints.isEmpty(), complaints.left(300).constData());

        PlayQuestion(synth, 69);
        std::vector<float> left;
        QVERIFY(PeakDbfsBoth(synth, 0.6, &left) > -18.0);
        const PitchDetector detector(synth.SampleRate());
        const auto skip = static_cast<std::size_t>(0.15 * synth.SampleRate());
        QCOMPARE(std::lround(PitchDetector::ToMidiNote(detector.Detect(left.data() + skip, left.size() - skip))), 69L);
    }

    void missingSoundfontGivesSilenceAndOneMessage()
    {
        qputenv("OVELUNE_SOUNDFONT", "/nonexistent/piano.sf2");
        StderrCapture capture;
        QByteArray message;
        {
            MidiOutMacDevice synth;
            QVERIFY(!synth.IsAudible());
            message = capture.Finish();
            synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96));
            QVERIFY(PeakDbfsBoth(synth, 0.3) < -200.0);
            synth.Stop();
        }
        qunsetenv("OVELUNE_SOUNDFONT");
        QCOMPARE(message.count('\n'), 1);
        QVERIFY2(message.contains("OVELUNE_SOUNDFONT"), message.constData());
        QVERIFY(message.contains("/nonexistent/piano.sf2"));
    }

    void fileDriverWritesWhatIsPlayed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.wav"));
        qputenv("OVELUNE_AUDIO_DRIVER", "file");
        qputenv("OVELUNE_AUDIO_FILE", QFile::encodeName(path));
        {
            MidiOutMacDevice synth;
            QVERIFY(synth.IsAudible());
            float buffer[16];
            QVERIFY(!synth.Render(buffer, buffer, 8)); // the driver owns the synthesizer
            synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96));
            QTest::qWait(400);
        }
        qputenv("OVELUNE_AUDIO_DRIVER", "none");
        qunsetenv("OVELUNE_AUDIO_FILE");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        QVERIFY2(wav.size() > 44 + 4 * 4410, qPrintable(QString::number(wav.size())));
        QVERIFY(wav.startsWith("RIFF"));
        bool sound = false;
        const auto* samples = reinterpret_cast<const qint16*>(wav.constData() + 44);
        for (int i = 0; i < (wav.size() - 44) / 2 && !sound; ++i)
            sound = std::abs(samples[i]) > 1000;
        QVERIFY(sound);
    }

    // A synthesizer prepared at program start is taken by the first device and plays; a
    // second device gets one of its own; one that no device took goes with its preparation.
    void preparedSynthesizerIsTakenOnce()
    {
        {
            const MidiOutMacDevice::Preparation preparation;
            QTest::qWait(20); // loading under way
            MidiOutMacDevice first;
            QVERIFY(first.IsAudible());
            MidiOutMacDevice second;
            QVERIFY(second.IsAudible());
            first.SendMessage(MidiMessage(NoteOn, 0, 69, 96));
            second.SendMessage(MidiMessage(NoteOn, 0, 69, 96));
            QVERIFY(PeakDbfsBoth(first, 0.2) > -40.0);
            QVERIFY(PeakDbfsBoth(second, 0.2) > -40.0);
        }
        {
            const MidiOutMacDevice::Preparation unclaimed; // released unused, while loading
        }
    }

    // The output's buffer latency as configured: none without a driver, period size times
    // periods with the file driver (2 x 512 frames at 44.1 kHz, within 25 ms).
    void outputLatencyFollowsTheDriver()
    {
        {
            MidiOutMacDevice synth;
            QString name;
            QCOMPARE(synth.OutputLatency(&name), 0.0);
            QCOMPARE(name, QStringLiteral("none"));
        }
        QTemporaryDir dir;
        qputenv("OVELUNE_AUDIO_DRIVER", "file");
        qputenv("OVELUNE_AUDIO_FILE", QFile::encodeName(dir.filePath(QStringLiteral("out.wav"))));
        {
            MidiOutMacDevice synth;
            QString name;
            QCOMPARE(synth.OutputLatency(&name), 1024.0 / 44100.0);
            QCOMPARE(name, QStringLiteral("file"));
        }
        qputenv("OVELUNE_AUDIO_DRIVER", "none");
        qunsetenv("OVELUNE_AUDIO_FILE");
    }

    // A live output is closed after a quiet spell (an open one wakes every period) and
    // opened again by the next note. Seen from JACK: the client's ports go and come back.
    void quietOutputSleepsAndWakesForTheNextNote()
    {
        if (qEnvironmentVariableIsEmpty("JACK_DEFAULT_SERVER") || QStandardPaths::findExecutable(QStringLiteral("jack_lsp")).isEmpty())
            QSKIP("needs the test wrapper's JACK server and jack_lsp");
        const auto ports = [] {
            QProcess lsp;
            lsp.start(QStringLiteral("jack_lsp"), QStringList());
            lsp.waitForFinished(10000);
            return QString::fromLocal8Bit(lsp.readAllStandardOutput()).count(QStringLiteral("Ovelune"));
        };
        qputenv("OVELUNE_AUDIO_DRIVER", "jack");
        {
            MidiOutMacDevice synth;
            QString name;
            const double latency = synth.OutputLatency(&name);
            QCOMPARE(name, QStringLiteral("jack"));
            QVERIFY2(latency > 0.0 && latency < 0.2, qPrintable(QString::number(latency)));
            QVERIFY(ports() > 0);
            // While the output plays, messages from several threads wait for its thread.
            std::vector<std::thread> senders;
            for (int t = 0; t < 4; ++t)
                senders.emplace_back([&synth, t] {
                    for (int i = 0; i < 500; ++i) {
                        const auto key = static_cast<unsigned char>(40 + t * 10 + i % 10);
                        synth.SendMessage(MidiMessage(NoteOn, 0, key, 80));
                        synth.SendMessage(MidiMessage(NoteOff, 0, key, 0));
                    }
                });
            for (std::thread& sender : senders)
                sender.join();
            synth.Stop();
            // Generous bounds: the 2000 queued notes drain slowly in an instrumented build.
            QTRY_COMPARE_WITH_TIMEOUT(ports(), 0, 60000);
            synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96));
            QTRY_VERIFY_WITH_TIMEOUT(ports() > 0, 20000);
            synth.SendMessage(MidiMessage(NoteOff, 0, 60, 0));
            QTRY_COMPARE_WITH_TIMEOUT(ports(), 0, 60000); // after the note's release, quiet again
        }
        qputenv("OVELUNE_AUDIO_DRIVER", "none");
    }

    void unknownAudioDriverGivesSilenceAndOneMessage()
    {
        qputenv("OVELUNE_AUDIO_DRIVER", "no-such-driver");
        StderrCapture capture;
        QByteArray message;
        {
            MidiOutMacDevice synth;
            QVERIFY(synth.IsAudible());
            message = capture.Finish();
            synth.SendMessage(MidiMessage(NoteOn, 0, 60, 96));
            synth.Stop();
        }
        qputenv("OVELUNE_AUDIO_DRIVER", "none");
        QCOMPARE(message.count("Ovelune:"), 1);
        QVERIFY2(message.contains("OVELUNE_AUDIO_DRIVER"), message.constData());
    }
};

QTEST_GUILESS_MAIN(SynthTest)
#include "tst_synth.moc"
