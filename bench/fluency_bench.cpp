// Fluency: the twelve pitch classes' figures from a history of many answers, as the
// statistics view and the level strip ask for them.
//
//   fluency_bench [--answers N] [--runs N]
#include "bench_arguments.h"
#include "figure_report.h"
#include "samples.h"

#include "app/fluency.h"
#include "app/history_store.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int count = Argument(args, QStringLiteral("--answers"), 100000);
    const int runs = Argument(args, QStringLiteral("--runs"), 9);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        // A learner at level 3 for the most part: nine pitch classes were asked rarely or
        // never, the case that costs a walk of the whole table without an index.
        HistoryStore store(path);
        for (int i = 0; i < count; ++i) {
            HistoryAnswer a;
            a.timeMs = 1700000000000LL + i * 2500LL;
            a.session = a.timeMs - a.timeMs % 100000;
            a.asked = (i % 1000 == 0 ? 25 + i / 1000 % 9 : 24 + 2 * (i % 3)) + 12 * (i / 3 % 7);
            a.answered = i % 11 ? a.asked : a.asked + 1;
            a.right = a.asked == a.answered;
            a.responseMs = 800 + (i * 131) % 1900;
            store.RecordAnswer(a);
        }
    }
    Samples took;
    std::array<PitchClassFluency, 12> figures;
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point start = Clock::now();
        figures = Fluency::FromHistory(path, Fluency::DefaultLimitMs);
        took.Add(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    static const char* const names[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
        const PitchClassFluency& f = figures[size_t(pitchClass)];
        std::fprintf(stderr, "fluency_bench: %-2s %2d answers, %5.1f %% right, median %4d ms, %5.1f %% fluent%s\n",
                     names[pitchClass], f.answers, 100 * f.Accuracy(), f.medianResponseMs, 100 * f.Share(),
                     f.IsFluent() ? ", fluent" : "");
    }
    std::fprintf(stderr, "fluency_bench: %d answers, %d runs\n", count, runs);
    ReportFigure("fluency-figures", "fluency: the twelve pitch classes' figures from the history, median",
                 took.Median(), "ms", "<=", 50);
    ReportInfo("fluency-figures-max", "fluency: the same, slowest run", took.Max(), "ms");
    return 0;
}
