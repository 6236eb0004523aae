// Clearing the ear, in the real application with "ClearTheEar" on, while another thread
// keeps one core busy: how late the first note of the masking sound reaches the synthesizer
//  - after an answer, against its time (the answer, shown for a while, then the pause before
//    the next question), the whole way through the session's timers;
//  - after the application's StartPlayBack, which that timer calls, alone and many times.
//
//   masker_bench [--answers N] [--times N]
#include "app_probe.h"
#include "bench_arguments.h"
#include "busy_core.h"
#include "figure_report.h"
#include "samples.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "core/midi/midi.h"
#include "core/midi/midi_out_mac_device.h"

#include <QTest>

#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

// A right answer and a wrong one are shown as long.
static_assert(Application::answerRightShowTimeLength == Application::answerWrongShowTimeLength);
constexpr int AnswerShownMs = Application::answerWrongShowTimeLength;

// The first note-on of the masker's channel after a mark. OnMidiEvent comes from the thread
// that plays the stream (the multimedia timer's); the benchmark's thread marks and waits.
// `lock` guards `mark` and `first`.
class MaskerWatch : public Core::MidiDeviceObserver
{
public:
    static constexpr unsigned char Channel = 1;

    void OnMidiEvent(const Core::MidiEvent& event) override
    {
        const Clock::time_point now = Clock::now();
        const Core::MidiMessage& message = event.GetMessage();
        if (message.GetLength() < 3)
            return;
        const unsigned char* data = message.GetRawData();
        if ((data[0] & 0xF0) != 0x90 || (data[0] & 0x0F) != Channel || data[2] == 0)
            return;
        std::lock_guard<std::mutex> hold(lock);
        if (first <= mark)
            first = now;
    }

    void Mark(Clock::time_point at)
    {
        std::lock_guard<std::mutex> hold(lock);
        mark = at;
    }

    // The first masker note after the mark, waited for up to two seconds with the event
    // loop running (the session's timers are on it). The note's own time is kept, so the
    // polling costs nothing in precision.
    bool Wait(Clock::time_point& when)
    {
        const Clock::time_point end = Clock::now() + std::chrono::seconds(2);
        while (Clock::now() < end) {
            {
                std::lock_guard<std::mutex> hold(lock);
                if (first > mark) {
                    when = first;
                    return true;
                }
            }
            QTest::qWait(1);
        }
        return false;
    }

private:
    std::mutex lock;
    Clock::time_point mark;
    Clock::time_point first;
};

} // namespace

int main(int argc, char** argv)
{
    AppProbe::SkipHelpAtStart();
    const QStringList args = Arguments(argc, argv);
    const int answers = Argument(args, QStringLiteral("--answers"), 40);
    const int times = Argument(args, QStringLiteral("--times"), 150);
    int programOnly = ProgramOnly;
    Application application(programOnly, argv);
    if (!application.IsPrimary())
        return 1;
    if (!AppProbe::WaitReady(application)) {
        std::fprintf(stderr, "masker_bench: the window or the synthesizer did not get ready\n");
        return 1;
    }
    auto* synth = dynamic_cast<Core::MidiOutMacDevice*>(application.GetOutputDevice().get());
    MaskerWatch watch;
    synth->AddObserver(&watch);
    application.GetAppSettings()->clearTheEar = true;

    Samples late, delays;
    int lost = 0;
    {
        BusyCore busy;
        application.StartNewSession(QVariant(1));
        for (int i = 0; i < answers; ++i) {
            // The next session, when one ends, begins cleared too.
            if (!application.GetAppSettings()->HasQuestionsLeft())
                application.StartNewSession(QVariant(1));
            if (!QTest::qWaitFor([&] { return application.GetState() == Application::PlayingQuestion; }, 10000)) {
                std::fprintf(stderr, "masker_bench: no question was asked\n");
                return 1;
            }
            const Clock::time_point answered = Clock::now();
            watch.Mark(answered);
            application.ProvideMidiAnswer(60);
            Clock::time_point heard;
            if (watch.Wait(heard))
                late.Add(std::chrono::duration<double, std::milli>(
                             heard - answered - std::chrono::milliseconds(AnswerShownMs + Application::timeBetweenAnswerAndNextQ))
                             .count());
            else
                ++lost;
        }
        std::mt19937 random(11);
        std::uniform_int_distribution<int> gapMs(150, 300);
        for (int i = 0; i < times; ++i) {
            // Shorter than the masker and its pause: each call clears the ear anew, as a
            // question due again would.
            QTest::qWait(gapMs(random));
            const Clock::time_point due = Clock::now();
            watch.Mark(due);
            application.StartPlayBack();
            Clock::time_point heard;
            if (watch.Wait(heard))
                delays.Add(std::chrono::duration<double, std::milli>(heard - due).count());
            else
                ++lost;
        }
    }
    synth->RemoveObserver(&watch);

    std::fprintf(stderr,
                 "masker_bench: after %zu answers, late by median %.2f ms, max %.2f ms (min %.2f); "
                 "after %zu calls, median %.2f ms, max %.2f ms; %d lost\n",
                 late.Count(), late.Median(), late.Max(), late.Min(), delays.Count(), delays.Median(), delays.Max(), lost);
    ReportFigure("masker-late", "Masker's first note-on after its time (answer + pause), max", late.Max(), "ms", "<=", 20.0);
    ReportFigure("masker-start", "StartPlayBack to the masker's first note-on, p99", delays.Percentile(99), "ms", "<=", 20.0);
    ReportFigure("maskers-lost", "Maskers whose notes never reached the synthesizer", lost, "", "<=", 0.0);
    return 0;
}
