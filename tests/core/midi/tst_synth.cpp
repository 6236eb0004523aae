// The built-in synthesizer, rendered offline and listened to.
#include "core/instrument_names.h"
#include "core/midi/midi_out_mac_device.h"

#include "support/audio_measure.h"
#include "support/pitch_detector.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <thread>

using namespace Core;

#if defined(__SANITIZE_THREAD__)
#define OVELUNE_UNDER_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define OVELUNE_UNDER_TSAN 1
#endif
#endif

namespace {

// Renders `seconds` of both channels; their peak in dBFS. The left channel goes to *left.
double Render(MidiOutMacDevice& synth, double seconds, std::vector<float>* left = nullptr)
{
    const auto frames = static_cast<unsigned int>(seconds * synth.SampleRate());
    std::vector<float> l(frames), r(frames);
    if (!synth.Render(l.data(), r.data(), frames))
        return 1000.0;
    if (left)
        *left = l;
    return std::max(AudioMeasure::PeakDbfs(l), AudioMeasure::PeakDbfs(r));
}

// The note heard in a rendering, past the hammer's attack.
long Heard(MidiOutMacDevice& synth, const std::vector<float>& left)
{
    const auto skip = static_cast<std::size_t>(0.15 * synth.SampleRate());
    return std::lround(PitchDetector::ToMidiNote(PitchDetector(synth.SampleRate()).Detect(left.data() + skip, left.size() - skip)));
}

// The peak of 100 ms that begin 50 ms after Stop.
double PeakAfterStop(MidiOutMacDevice& synth)
{
    synth.Stop();
    Render(synth, 0.05);
    return Render(synth, 0.1);
}

void Play(MidiOutMacDevice& synth, int note) { synth.SendMessage(MidiMessage(NoteOn, 0, static_cast<unsigned char>(note), 96)); }

} // namespace

class SynthTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The test wrapper asks for no audio output: the synthesizer renders on demand.
        QCOMPARE(qgetenv("OVELUNE_AUDIO_DRIVER"), QByteArray("none"));
    }

    // Each question note is a piano note of its own pitch, clearly audible, that dies away,
    // and is silent within 50 ms of Stop; a note sent while the soundfont loads sounds too.
    void everyQuestionNoteSoundsAtItsPitch()
    {
        MidiOutMacDevice synth;
        QCOMPARE(synth.GetName(), QStringLiteral("Apple DLS"));
        Play(synth, 60);
        std::vector<float> left;
        const double attack = Render(synth, 0.6, &left);
        QVERIFY(attack > -18.0);
        QCOMPARE(Heard(synth, left), 60L);
        // A piano's note dies away; an organ's would hold.
        Render(synth, 2.0);
        QVERIFY2(Render(synth, 0.5) < attack - 12.0, "the note does not die away like a piano's");
        for (int note = 24; note <= 107; ++note) {
            synth.Stop();
            Play(synth, note);
            const double peak = Render(synth, 0.6, &left);
            QVERIFY2(peak >= -18.0 && peak <= -3.0, qPrintable(QStringLiteral("note %1 peaks at %2 dBFS").arg(note).arg(peak)));
            QCOMPARE(Heard(synth, left), long(note));
            const double tail = PeakAfterStop(synth);
            QVERIFY2(tail < -90.0, qPrintable(QStringLiteral("note %1: %2 dBFS after Stop").arg(note).arg(tail)));
        }
    }

    // Every instrument offered is heard at its own pitch low, in the middle and high up.
    void everyOfferedInstrumentSoundsAtItsPitch_data()
    {
        QTest::addColumn<int>("program");
        for (const OfferedInstrument& instrument : OfferedInstruments)
            QTest::newRow(instrument.name) << instrument.program;
    }
    void everyOfferedInstrumentSoundsAtItsPitch()
    {
        QFETCH(int, program);
        MidiOutMacDevice synth;
        std::vector<float> left;
        for (int note : {36, 60, 84}) {
            synth.Stop();
            synth.SendMessage(MidiMessage(ProgramChange, 0, static_cast<unsigned char>(program)));
            Play(synth, note);
            const double peak = Render(synth, 0.8, &left);
            QVERIFY2(peak > -30.0, qPrintable(QStringLiteral("note %1 peaks at %2 dBFS").arg(note).arg(peak)));
            QCOMPARE(Heard(synth, left), long(note));
        }
    }

    // The reference pitch moves every key, after Stop and a change of program too: A4 and
    // C4 sound higher or lower than at 440 Hz by the interval from 440 to it, within 2 cents.
    // (Measured against the same note at 440 Hz: the sound set's own piano is a few cents
    // sharp of 440, by as much as the analysis window's place changes it.) Chosen as the
    // synthesizer is made, while it still loads, as the program does at start, it holds too.
    void referencePitchTunesEveryNote()
    {
        auto heardHz = [](MidiOutMacDevice& synth, double a4, int note) {
            std::vector<float> left;
            synth.SetReferencePitch(a4);
            synth.Stop();
            synth.SendMessage(MidiMessage(ProgramChange, 0, 0));
            Play(synth, note);
            Render(synth, 0.6, &left);
            const auto skip = static_cast<std::size_t>(0.15 * synth.SampleRate());
            return PitchDetector(synth.SampleRate()).Detect(left.data() + skip, left.size() - skip);
        };
        MidiOutMacDevice synth;
        auto centsOff = [&](double heard, double plain, double a4) {
            return 1200.0 * (std::log2(heard / plain) - std::log2(a4 / 440.0));
        };
        for (int note : {69, 60}) {
            const double plain = heardHz(synth, 440.0, note);
            for (double a4 : {432.0, 466.0}) {
                const double cents = centsOff(heardHz(synth, a4, note), plain, a4);
                QVERIFY2(std::fabs(cents) <= 2.0, qPrintable(QStringLiteral("A4 = %1 Hz: note %2 is %3 cents off")
                                                                 .arg(a4).arg(note).arg(cents)));
            }
            MidiOutMacDevice loading;
            const double cents = centsOff(heardHz(loading, 466.0, note), plain, 466.0);
            QVERIFY2(std::fabs(cents) <= 2.0, qPrintable(QStringLiteral("chosen while loading: note %1 is %2 cents off")
                                                             .arg(note).arg(cents)));
        }
    }

    // A synthesizer library that cannot be opened (removed, damaged) is said once, and the
    // program goes on silent: notes, Stop and rendering are harmless. Run in a child process,
    // since a process opens the library once.
    void aSynthesizerLibraryThatCannotBeOpenedLeavesItSilent()
    {
        if (qEnvironmentVariableIsSet("OVELUNE_TEST_BROKEN_LIBRARY")) {
            MidiOutMacDevice synth;
            Play(synth, 60);
            synth.SetReferencePitch(432.0);
            QVERIFY(!synth.IsAudible());
            float buffer[64];
            QVERIFY(!synth.Render(buffer, buffer + 32, 32));
            synth.Stop();
            QCOMPARE(synth.OutputLatency(), 0.0);
            return;
        }
#ifdef OVELUNE_UNDER_TSAN
        QSKIP("ThreadSanitizer stops at QProcess's fork in a threaded process; the release and "
              "AddressSanitizer runs take this case");
#endif
        QTemporaryDir broken;
        QFile library(broken.filePath(QStringLiteral(OVELUNE_FLUIDSYNTH_SONAME)));
        QVERIFY(library.open(QIODevice::WriteOnly) && library.write("not a shared library") > 0);
        library.close();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("OVELUNE_TEST_BROKEN_LIBRARY"), QStringLiteral("1"));
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), broken.path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(QTest::currentTestFunction())});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray said = child.readAllStandardError() + child.readAllStandardOutput();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, said.constData());
        QCOMPARE(said.count("Ovelune: the synthesizer library " OVELUNE_FLUIDSYNTH_SONAME " could not be loaded"), 1);
    }

    void filterCutsTheTreble()
    {
        MidiOutMacDevice synth;
        std::vector<float> raw, filtered;
        for (std::vector<float>* left : {&raw, &filtered}) {
            synth.SetFilterEnabled(left == &filtered);
            PeakAfterStop(synth);
            Play(synth, 96); // bright: partials past 10 kHz
            Render(synth, 0.3, left);
        }
        auto gainDb = [&](double from, double to) {
            return 10.0 * std::log10(AudioMeasure::BandPower(filtered.data() + 2048, 8192, synth.SampleRate(), from, to)
                                     / AudioMeasure::BandPower(raw.data() + 2048, 8192, synth.SampleRate(), from, to));
        };
        QVERIFY2(std::fabs(gainDb(1500, 3000)) < 1.0, qPrintable(QString::number(gainDb(1500, 3000))));
        QVERIFY2(gainDb(11000, 20000) < -9.0, qPrintable(QString::number(gainDb(11000, 20000))));
    }

    // Messages and Stop from several threads at once (timer, GUI and MIDI input at a busy
    // moment, only far more often), and messages after Close, are harmless.
    void messagesFromSeveralThreadsAreHarmless()
    {
        // Bursts with nothing rendered in between, each note stealing a voice, the first while
        // the soundfont loads (the replay key held down at start-up): events lost from the
        // synthesizer's queue would silence the last note or leave a voice sounding after Stop.
        MidiOutMacDevice synth;
        for (int i = 0; i < 80; ++i) {
            synth.Stop();
            Play(synth, 24 + i);
        }
        QVERIFY(synth.IsAudible());
        std::vector<float> left;
        QVERIFY(Render(synth, 0.6, &left) > -18.0);
        QCOMPARE(Heard(synth, left), 103L);
        QVERIFY(PeakAfterStop(synth) < -90.0);
        for (int i = 0; i < 2000; ++i)
            Play(synth, 24 + i % 84);
        QVERIFY(PeakAfterStop(synth) < -90.0);
        std::vector<std::thread> threads;
        for (int t = 0; t < 3; ++t)
            threads.emplace_back([&synth, t] {
                for (int i = 0; i < 3000; ++i) {
                    const auto note = static_cast<unsigned char>(40 + t * 10 + i % 10);
                    synth.SendMessage(MidiMessage(NoteOn, 0, note, 96));
                    synth.SendMessage(MidiMessage(NoteOff, 0, note, 0));
                    if (t == 0 && i % 100 == 0)
                        synth.Stop();
                }
            });
        bool finite = true;
        for (int block = 0; block < 100; ++block) {
            Render(synth, 0.005, &left);
            finite = finite && std::all_of(left.begin(), left.end(), [](float s) { return std::isfinite(s); });
        }
        for (std::thread& thread : threads)
            thread.join();
        QVERIFY(finite);
        QVERIFY(PeakAfterStop(synth) < -90.0);
        synth.Close();
        Play(synth, 60);
        synth.Stop();
        float buffer[16];
        QVERIFY(!synth.Render(buffer, buffer, 8));
    }
};

QTEST_GUILESS_MAIN(SynthTest)
#include "tst_synth.moc"
