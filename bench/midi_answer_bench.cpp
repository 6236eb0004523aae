// MIDI key to verdict: from a note-on sent on a test keyboard's JACK port to
// ProvideMidiAnswer starting to judge it on the GUI thread, in the real application (the
// JACK server's period bounds the delivery; the target is that period plus 1 ms), and to
// the answer recorded, saved and shown (ProvideMidiAnswer has returned).
//
//   midi_answer_bench [--answers N]      (needs a JACK server: tools/bench.sh starts one)
#include "app_probe.h"
#include "bench_arguments.h"
#include "figure_report.h"
#include "samples.h"

#include "app/application.h"
#include "support/test_keyboard.h"

#include <QEvent>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QVariant>

#include <chrono>
#include <cstdio>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the first queued call reaches the application object after `Arm()`: the
// queued ProvideMidiAnswer, the moment judging starts.
class CallArrival : public QObject
{
public:
    void Arm()
    {
        armed = true;
        arrived = false;
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (armed && event->type() == QEvent::MetaCall) {
            at = Clock::now();
            armed = false;
            arrived = true;
        }
        return false;
    }
    Clock::time_point at;
    bool armed = false;
    bool arrived = false;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("OVELUNE_MIDI_API", "jack");
    AppProbe::SkipHelpAtStart();
    // Before the application, so that it is input device 0, the one answers come from.
    TestKeyboard keyboard(QStringLiteral("Bench Keyboard"));
    if (!keyboard.IsOpen()) {
        std::fprintf(stderr, "midi_answer_bench: no JACK server for the test keyboard\n");
        return 1;
    }
    const int answers = Argument(Arguments(argc, argv), QStringLiteral("--answers"), 200);
    int programOnly = ProgramOnly;
    Application application(programOnly, argv);
    if (!application.IsPrimary() || !AppProbe::WaitReady(application)) {
        std::fprintf(stderr, "midi_answer_bench: the application did not get ready\n");
        return 1;
    }
    const double periodMs = qEnvironmentVariableIntValue("OVELUNE_TEST_JACK_PERIOD") / 48.0;

    // Queued after the application's own ProvideMidiAnswer: it runs once the answer is judged.
    QObject probe;
    QEventLoop waiting;
    Clock::time_point judgedAt;
    bool judged = false;
    CallArrival arrival;
    application.installEventFilter(&arrival);
    QObject::connect(&application, &Application::midiAnswer, &probe, [&] {
        judgedAt = Clock::now();
        judged = application.GetState() == Application::ShowingAnswer;
        waiting.quit();
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &waiting, &QEventLoop::quit);

    application.StartNewSession(QVariant(1));
    Samples delays, shown;
    int lost = 0;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> gapMs(30, 70);
    for (int i = 0; i < answers; ++i) {
        application.ReplayQuestion(); // the same question again: an answer is awaited
        QTest::qWait(gapMs(random));
        judged = false;
        arrival.Arm();
        timeout.start(500);
        const Clock::time_point sent = Clock::now();
        keyboard.NoteOn(60, 100);
        waiting.exec();
        if (judged && arrival.arrived) {
            delays.Add(std::chrono::duration<double, std::milli>(arrival.at - sent).count());
            shown.Add(std::chrono::duration<double, std::milli>(judgedAt - sent).count());
        } else
            ++lost; // JACK drops a late client's cycle on a loaded machine
        keyboard.NoteOff(60);
        QTest::qWait(20);
    }
    std::fprintf(stderr,
                 "midi_answer_bench: %zu answers; to judging median %.2f ms max %.2f ms; to shown median %.2f ms "
                 "max %.2f ms; %d lost; JACK period %.2f ms\n",
                 delays.Count(), delays.Median(), delays.Max(), shown.Median(), shown.Max(), lost, periodMs);
    ReportFigure("midi-verdict", "MIDI key to ProvideMidiAnswer judging on the GUI thread, p99", delays.Percentile(99),
                 "ms", "<=", periodMs + 1.0);
    ReportInfo("midi-shown", "MIDI key to answer recorded, saved and shown, p99", shown.Percentile(99), "ms");
    ReportInfo("jack-period", "JACK period of the test server", periodMs, "ms");
    ReportInfo("midi-lost", "MIDI answers lost by JACK", lost, "");
    return 0;
}
