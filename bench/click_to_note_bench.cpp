// Click to note: from the press of a key of the on-screen keyboard to the note-on reaching
// the synthesizer, in the real application; both as a key echo (no session) and as an
// answer during a session (judged and saved first). Also the configured buffer latency of
// the audio output in use, which comes on top before the note is heard.
//
//   click_to_note_bench [--clicks N]
#include "app_probe.h"
#include "bench_arguments.h"
#include "figure_report.h"
#include "note_clock.h"
#include "samples.h"

#include "app/application.h"
#include "core/midi/midi_out_mac_device.h"

#include <QTest>
#include <QVariant>

#include <cstdio>
#include <functional>
#include <random>

namespace {

using Clock = NoteClock::Clock;

// Clicks `note`'s key `clicks` times, 40 to 90 ms apart; the delay from each press to its
// note-on. `beforeClick` runs before each click (outside the timing).
Samples TimeClicks(Application& application, NoteClock& notes, int note, int clicks, int& lost,
                   const std::function<void()>& beforeClick)
{
    Samples delays;
    const QPointF key = AppProbe::KeyCentre(application, note);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> gapMs(40, 90);
    for (int i = 0; i < clicks; ++i) {
        beforeClick();
        QTest::qWait(gapMs(random));
        const Clock::time_point pressed = Clock::now();
        QTest::mousePress(&application.GetView(), Qt::LeftButton, Qt::NoModifier, key.toPoint());
        Clock::time_point heard;
        if (notes.WaitOn(note, pressed, std::chrono::seconds(1), heard))
            delays.Add(std::chrono::duration<double, std::milli>(heard - pressed).count());
        else
            ++lost;
        QTest::mouseRelease(&application.GetView(), Qt::LeftButton, Qt::NoModifier, key.toPoint());
    }
    return delays;
}

} // namespace

int main(int argc, char** argv)
{
    AppProbe::SkipHelpAtStart();
    const int clicks = Argument(Arguments(argc, argv), QStringLiteral("--clicks"), 150);
    int programOnly = ProgramOnly;
    Application application(programOnly, argv);
    if (!application.IsPrimary())
        return 1;
    if (!AppProbe::WaitReady(application)) {
        std::fprintf(stderr, "click_to_note_bench: the window or the synthesizer did not get ready\n");
        return 1;
    }
    auto* synth = dynamic_cast<Core::MidiOutMacDevice*>(application.GetOutputDevice().get());
    NoteClock notes;
    synth->AddObserver(&notes);
    const int note = 60;
    if (AppProbe::KeyCentre(application, note).isNull()) {
        std::fprintf(stderr, "click_to_note_bench: no key for middle C\n");
        return 1;
    }

    int lost = 0;
    const Samples echo = TimeClicks(application, notes, note, clicks, lost, [] {});
    application.StartNewSession(QVariant(1));
    QTest::qWait(500);
    // Each answer is judged and saved; a replay asks the same question again at once.
    const Samples answer =
        TimeClicks(application, notes, note, clicks, lost, [&application] { application.ReplayQuestion(); });
    synth->RemoveObserver(&notes);

    QString driver;
    const double latencyMs = synth->OutputLatency(&driver) * 1000.0;
    std::fprintf(stderr,
                 "click_to_note_bench: key echo median %.2f ms max %.2f ms; answer median %.2f ms max %.2f ms; "
                 "%d lost; audio output %s\n",
                 echo.Median(), echo.Max(), answer.Median(), answer.Max(), lost, qPrintable(driver));
    ReportFigure("click-echo", "Click to note-on, key echo, p99", echo.Percentile(99), "ms", "<=", 6.0);
    ReportFigure("click-answer", "Click to note-on, answer in a session, p99", answer.Percentile(99), "ms", "<=", 6.0);
    ReportFigure("clicks-lost", "Clicks whose note never reached the synthesizer", lost, "", "<=", 0.0);
    ReportFigure("audio-latency", "Audio buffer latency of the default output", latencyMs, "ms", "<=", 25.0);
    return 0;
}
