// The review of weak notes: its 21 questions chosen from a history of many answers, as the
// keyboard's Ctrl+R and the statistics view's button ask for them.
//
//   review_bench [--answers N] [--runs N]
#include "bench_arguments.h"
#include "figure_report.h"
#include "samples.h"

#include "app/history_store.h"
#include "app/review_plan.h"

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
    const qint64 start = 1700000000000LL;
    // Every pitch class over 40 days, one answer in ten from a review: the schedule's
    // reviews are many.
    const qint64 step = 40LL * 86400000 / count;
    {
        HistoryStore store(path);
        for (int i = 0; i < count; ++i) {
            HistoryAnswer a;
            a.timeMs = start + i * step;
            a.session = a.timeMs - a.timeMs % 600000;
            a.asked = 24 + (i * 7) % 84;
            a.answered = i % 7 ? a.asked : (i % 3 ? a.asked + 2 : a.asked + 12);
            a.right = a.asked == a.answered;
            a.responseMs = 800 + (i * 131) % 1900;
            a.kind = i % 10 == 0 ? SessionKind::Review : SessionKind::Training;
            store.RecordAnswer(a);
        }
    }
    Samples took;
    ReviewPlan::Plan plan;
    const qint64 now = start + count * step;
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point begin = Clock::now();
        plan = ReviewPlan::FromHistory(path, 12, now, quint32(run));
        took.Add(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
    QStringList notes;
    for (unsigned int note : plan.questions)
        notes << QString::number(note);
    std::fprintf(stderr, "review_bench: %d answers, %d runs; the last review: %s%s\n", count, runs,
                 qPrintable(notes.join(QLatin1Char(' '))), plan.even ? " (even)" : "");
    ReportFigure("review-choice", "review: 21 questions chosen from the history at level 12, median", took.Median(),
                 "ms", "<=", 50);
    ReportInfo("review-choice-max", "review: the same, slowest run", took.Max(), "ms");
    return 0;
}
